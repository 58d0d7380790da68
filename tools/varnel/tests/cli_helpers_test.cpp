// The tool's helpers that need no trace file.
#include "batch_workers.h"
#include "status_text.h"
#include "text.h"
#include "trace_io.h"

#include "core/trace/trace_messages.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

namespace varnel::cli {

namespace {

TEST(CliText, Utf16RoundTripsAndInvalidUtf8ReadsAsWindows1252) {
    EXPECT_EQ(toUtf8(toUtf16("Kraków € 𝄞")), "Kraków € 𝄞");
    EXPECT_EQ(toUtf16("\x80\xE9"), u"\u20AC\u00E9"); // not UTF-8: Windows-1252
    EXPECT_EQ(toUtf16("\xC0\x80"), u"\u00C0\u20AC"); // overlong form is not UTF-8
    EXPECT_EQ(toUtf16("\xE2\x82"), u"\u00E2\u201A"); // cut sequence
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(CliText, BlanksCollapseAndPathsGiveTheirFileName) {
    EXPECT_EQ(collapseBlanks("\n  File open error \n"), "File open error");
    EXPECT_EQ(collapseBlanks("a\n\nb"), "a b");
    EXPECT_EQ(fileNameOf("C:\\traces\\NORSOU13.001"), "NORSOU13.001");
    EXPECT_EQ(fileNameOf("dir/x.sor"), "x.sor");
    EXPECT_EQ(fileNameOf("x.sor"), "x.sor");
}

TEST(CliStatusText, EveryStatusHasItsMessage) {
    EXPECT_EQ(readFailureText(6), "CRC error.");
    EXPECT_EQ(readFailureText(9), "File open error");
    EXPECT_EQ(readFailureText(5), "Invalid trace format.");
    EXPECT_EQ(readFailureText(2), "Memory allocation error");
    EXPECT_EQ(readFailureText(1), "File data corrupted.");
    EXPECT_EQ(readFailureText(8), "File data corrupted.");
    EXPECT_EQ(readFailureText(T6_ERR_NO_LEGACY_CONVERTER)
                  .rfind("The file is neither a native (T6) nor an SR-4731 trace file.", 0),
              0u);
    EXPECT_EQ(writeFailureText(5),
              "Can't save since format can not be written. Use a format which can be written.");
    EXPECT_EQ(writeFailureText(10), "File write error.");
    EXPECT_EQ(writeFailureText(7), "File data corrupted.");
    EXPECT_EQ(accessDeniedText("/x/y"), "Access to /x/y was denied.");
}

TEST(CliStatusText, EveryReadRepairIsWarnedOf) {
    EXPECT_TRUE(orvane::traceReadRepairTexts(0).empty());
    const auto all = orvane::traceReadRepairTexts(
        T6_READ_EVENTS_OFF_TRACE | T6_READ_MARKERS_OFF_TRACE | T6_READ_OFFSET_OFF_TRACE);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0], "key events that lie off the trace were left out.");
    EXPECT_EQ(orvane::traceReadRepairTexts(T6_READ_OFFSET_OFF_TRACE),
              std::vector<std::string>{"an offset that puts 0 km off the trace was ignored."});
}

TraceResult echoJob(const std::string& path) {
    TraceResult r;
    r.path = path;
    r.reported = true;
    r.reportLines = {path + ";\"line\"\n"};
    r.eventCount = static_cast<int32_t>(path.size());
    r.endDistance = 1.5;
    return r;
}

TEST(CliWorkers, ResultsComeBackInInputOrderWhateverTheJobs) {
    std::vector<std::string> paths;
    for (int i = 0; i < 40; ++i)
        paths.push_back("trace" + std::string(static_cast<size_t>(i % 7), 'x') + std::to_string(i));
    size_t calls = 0;
    for (int jobs : {1, 2, 5}) {
        std::vector<TraceResult> results = runTraceJobs(
            paths, jobs, echoJob, [&](size_t, size_t, const std::string&) { ++calls; });
        ASSERT_EQ(results.size(), paths.size());
        for (size_t i = 0; i < paths.size(); ++i) {
            EXPECT_EQ(results[i].path, paths[i]);
            EXPECT_EQ(results[i].reportLines, echoJob(paths[i]).reportLines);
            EXPECT_EQ(results[i].eventCount, echoJob(paths[i]).eventCount);
            EXPECT_FALSE(results[i].failed());
        }
    }
    EXPECT_EQ(calls, 3 * paths.size());
}

TEST(CliWorkers, AWorkerThatDiesCostsOnlyItsTrace) {
    std::vector<std::string> paths = {"a", "b", "crash", "c", "d", "e"};
    auto job = [](const std::string& path) {
        if (path == "crash") raise(SIGKILL);
        return echoJob(path);
    };
    std::vector<TraceResult> results = runTraceJobs(paths, 2, job, nullptr);
    ASSERT_EQ(results.size(), paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        EXPECT_EQ(results[i].path, paths[i]);
        EXPECT_EQ(results[i].failed(), paths[i] == "crash") << paths[i];
    }
    ASSERT_EQ(results[2].diagnostics.size(), 1u);
    EXPECT_NE(results[2].diagnostics[0].message.find("signal 9"), std::string::npos)
        << results[2].diagnostics[0].message;
}

TEST(CliWorkers, EveryWorkerDyingStillAccountsForEveryTrace) {
    std::vector<std::string> paths = {"a", "b", "c", "d", "e"};
    auto job = [](const std::string&) -> TraceResult {
        raise(SIGKILL);
        return {};
    };
    std::vector<TraceResult> results = runTraceJobs(paths, 2, job, nullptr);
    ASSERT_EQ(results.size(), paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        EXPECT_EQ(results[i].path, paths[i]);
        EXPECT_TRUE(results[i].failed());
    }
}

} // namespace

} // namespace varnel::cli
