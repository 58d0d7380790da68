// The prompt service: scripted answers for tests, the headless policies.
#include "core/platform/headless_prompts.h"
#include "core/platform/scripted_prompts.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace orvane {
namespace {

TEST(ScriptedPrompts, QueuedAnswersThenDefaultsAndEveryTextKept) {
    ScriptedPrompts scripted;
    ScopedPrompts installed(scripted);
    scripted.queue(PromptAnswer::Cancel);
    EXPECT_FALSE(confirm("/x/a.trl", "Save changes?", PromptButtons::OkCancel, PromptAnswer::Ok));
    EXPECT_TRUE(confirm("", "Go on?", PromptButtons::YesNo, PromptAnswer::Yes));
    tell("/x/b.sor", "\nCRC error.");
    EXPECT_EQ(scripted.texts(), (std::vector<std::string>{"/x/a.trl\nSave changes?", "Go on?",
                                                          "/x/b.sor\n\nCRC error."}));
    EXPECT_EQ(scripted.asked()[2].icon, PromptIcon::Exclamation);
}

TEST(ScriptedPrompts, ScopeRestoresThePreviousService) {
    ScriptedPrompts outer, inner;
    ScopedPrompts a(outer);
    {
        ScopedPrompts b(inner);
        tell("", "inner");
    }
    tell("", "outer");
    EXPECT_EQ(inner.texts(), std::vector<std::string>{"inner"});
    EXPECT_EQ(outer.texts(), std::vector<std::string>{"outer"});
}

TEST(HeadlessPrompts, PrintsOneLineAndAnswersByPolicy) {
    const Prompt question{"/d/F1.SOR", "The header will be deleted.", PromptIcon::Question,
                          PromptButtons::OkCancel, PromptAnswer::Ok};
    const Prompt warning{"/d/F1.SOR", "\nFile data corrupted.", PromptIcon::Exclamation,
                         PromptButtons::Ok, PromptAnswer::Ok};

    char buffer[512] = {};
    std::FILE* out = fmemopen(buffer, sizeof buffer, "w");
    HeadlessPrompts prompts("varnel", HeadlessPolicy::Default, out);
    EXPECT_EQ(prompts.ask(question), PromptAnswer::Ok);
    EXPECT_EQ(prompts.ask(warning), PromptAnswer::Ok);
    std::fclose(out);
    EXPECT_STREQ(buffer, "varnel: /d/F1.SOR: The header will be deleted. [OK]\n"
                         "varnel: /d/F1.SOR: warning: File data corrupted.\n");

    EXPECT_EQ(HeadlessPrompts("x", HeadlessPolicy::Negative, nullptr).answerFor(question),
              PromptAnswer::Cancel);
    const Prompt saveQuestion{"", "Save?", PromptIcon::Question, PromptButtons::YesNoCancel,
                              PromptAnswer::Cancel};
    EXPECT_EQ(HeadlessPrompts("x", HeadlessPolicy::Affirmative, nullptr).answerFor(saveQuestion),
              PromptAnswer::Yes);
}

} // namespace
} // namespace orvane
