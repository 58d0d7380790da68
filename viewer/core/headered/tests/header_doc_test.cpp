// The header template document: opening both encodings, when the encoding
// question comes, what a cancel or a failed write leaves, and that the
// library takes what the editor saved.
#include "core/headered/header_doc.h"
#include "core/headered/header_encoding_question.h"
#include "core/headered/header_template_codec.h"
#include "core/shell/application_state.h"
#include "core/shell/document_types.h"
#include "core/trace/tests/trace_doc_fixture.h"

#include <varnel/varnel.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>

namespace orvane::test {
namespace {

using namespace std::string_literals;

const std::string kQuestion =
    "Save the Header Template in Brannic 77 format?\n  (No selects Unicode format.)";
// The field kind of a "<CID" marker.
constexpr uint8_t kCableIdKind = 3;
const std::u16string kTemplate = u"Cable : <CID        >\r\nNotes : @@@@@@@@@@\r\n";

class HeaderDocTest : public TraceDocTest {
protected:
    // A new template as File / New leaves it, with some text typed.
    CHeaderDoc& typedTemplate() {
        CHeaderDoc& document =
            static_cast<CHeaderDoc&>(*types.type(DocKind::HeaderTemplate).newDocument());
        document.SetText(kTemplate);
        return document;
    }
    CHeaderDoc* open(const std::string& path) {
        return static_cast<CHeaderDoc*>(
            types.OpenDocumentFile(path)
                ? types.type(DocKind::HeaderTemplate).documents().back().get()
                : nullptr);
    }
    size_t questionsAsked() const {
        size_t count = 0;
        for (const Prompt& prompt : scripted.asked())
            count += prompt.text == kQuestion;
        return count;
    }

    DocumentTypes types;
};

TEST_F(HeaderDocTest, OpensEitherEncodingAndSavesInTheSameWithoutAsking) {
    writeAll(at("eight.hdr"), "Site: \x82t\x82\r\n");
    writeAll(at("wide.hdr"), "\xFF\xFE"
                             "S\0\x01\x04"s);
    CHeaderDoc* eight = open(at("eight.hdr"));
    CHeaderDoc* wide = open(at("wide.hdr"));
    ASSERT_TRUE(eight && wide);
    EXPECT_EQ(eight->GetText(), u"Site: \u00E9t\u00E9\r\n");
    EXPECT_EQ(eight->GetEncoding(), HEADER_ENCODING_INSTRUMENT);
    EXPECT_EQ(wide->GetText(), u"S\u0401");
    EXPECT_EQ(wide->GetEncoding(), HEADER_ENCODING_UNICODE);
    EXPECT_FALSE(eight->isModified());

    eight->SetText(eight->GetText() + u"\u00C9");
    wide->SetText(wide->GetText() + u"\u00C9");
    EXPECT_TRUE(eight->DoFileSave());
    EXPECT_TRUE(wide->DoFileSave());
    EXPECT_TRUE(scripted.empty());
    EXPECT_EQ(readAll(at("eight.hdr")), "Site: \x82t\x82\r\nE");
    EXPECT_EQ(readAll(at("wide.hdr")), "\xFF\xFE"
                                       "S\0\x01\x04\xC9\0"s);
    EXPECT_FALSE(eight->isModified());
}

TEST_F(HeaderDocTest, ANewTemplateIsAskedItsEncodingOnlyAtTheFirstSaveAndAtEverySaveAs) {
    CHeaderDoc& document = typedTemplate();
    EXPECT_EQ(document.title(), "Header Template1");
    scripted.queue(PromptAnswer::Yes);
    files.queueSave({at("cable"), 0});
    ASSERT_TRUE(document.DoFileSave());
    ASSERT_EQ(files.saveRequests().size(), 1u);
    EXPECT_EQ(files.saveRequests()[0].initialName, "Header Template1.HDR");
    EXPECT_EQ(files.saveRequests()[0].filters,
              std::vector<std::string>{"Header Templates (*.hdr)"});
    EXPECT_EQ(document.path(), at("cable.HDR"));
    EXPECT_EQ(readAll(at("cable.HDR")), windows1252FromUtf16(kTemplate));

    document.SetText(kTemplate + u"more");
    ASSERT_TRUE(document.DoFileSave());
    EXPECT_EQ(questionsAsked(), 1u);
    EXPECT_EQ(files.saveRequests().size(), 1u);

    scripted.queue(PromptAnswer::No);
    files.queueSave({at("wide.hdr"), 0});
    ASSERT_TRUE(document.DoSaveAs());
    scripted.queue(PromptAnswer::Yes);
    files.queueSave({at("narrow.hdr"), 0});
    ASSERT_TRUE(document.DoSaveAs());
    EXPECT_EQ(questionsAsked(), 3u);
    EXPECT_EQ(readAll(at("wide.hdr")).substr(0, 4), "\xFF\xFE"
                                                    "C\0"s);
    EXPECT_EQ(readAll(at("narrow.hdr")), readAll(at("cable.HDR")));
    EXPECT_EQ(document.GetEncoding(), HEADER_ENCODING_INSTRUMENT);
}

TEST_F(HeaderDocTest, CancellingTheQuestionLeavesTheTemplateUnsavedAndModified) {
    CHeaderDoc& document = typedTemplate();
    scripted.queue(PromptAnswer::Cancel);
    EXPECT_FALSE(document.DoFileSave());
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(files.saveRequests().empty());
    EXPECT_EQ(document.GetEncoding(), HEADER_ENCODING_NONE);

    // The question comes again, and so does the file dialog.
    scripted.queue(PromptAnswer::No);
    EXPECT_FALSE(document.DoFileSave());
    EXPECT_EQ(questionsAsked(), 2u);
    EXPECT_EQ(files.saveRequests().size(), 1u);
    EXPECT_TRUE(document.isModified());
}

// Yes in a Save As whose file dialog is then cancelled must not turn the
// next Save of a Unicode file into a lossy 8-bit one.
TEST_F(HeaderDocTest, AnEncodingChosenForACancelledSaveAsIsNotKept) {
    writeAll(at("wide.hdr"), "\xFF\xFE\x01\x04"s);
    CHeaderDoc* document = open(at("wide.hdr"));
    ASSERT_NE(document, nullptr);
    scripted.queue(PromptAnswer::Yes);
    EXPECT_FALSE(document->DoSaveAs());
    EXPECT_EQ(document->GetEncoding(), HEADER_ENCODING_UNICODE);
    document->SetText(u"\u0401\u0402");
    ASSERT_TRUE(document->DoFileSave());
    EXPECT_EQ(readAll(at("wide.hdr")), "\xFF\xFE\x01\x04\x02\x04"s);
}

TEST_F(HeaderDocTest, TheQuestionNamesTheProgramsModelEverywhereThePlaceholderStands) {
    EXPECT_EQ(encodingQuestionText("Norvak4 Pro"),
              "Save the Header Template in Norvak4 Pro format?\n  (No selects Unicode format.)");
    application().modelName = "Tarvisk 9";
    scripted.queue(PromptAnswer::Cancel);
    EXPECT_EQ(AskHeaderEncoding(), std::nullopt);
    application().modelName = kDefaultModelName;
    ASSERT_EQ(scripted.asked().size(), 1u);
    const Prompt& asked = scripted.asked()[0];
    EXPECT_EQ(asked.text,
              "Save the Header Template in Tarvisk 9 format?\n  (No selects Unicode format.)");
    EXPECT_EQ(asked.buttons, PromptButtons::YesNoCancel);
}

// Root may write anywhere: a file-size limit, as a full disk would, is what
// makes this write fail.
TEST_F(HeaderDocTest, AFailedWriteIsToldAndLeavesTheOldFile) {
    writeAll(at("kept.hdr"), "old");
    CHeaderDoc* document = open(at("kept.hdr"));
    ASSERT_NE(document, nullptr);
    document->SetText(u"new");
    rlimit usual{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &usual), 0);
    rlimit tiny = usual;
    tiny.rlim_cur = 1;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    const bool saved = document->DoFileSave();
    ::setrlimit(RLIMIT_FSIZE, &usual);
    EXPECT_FALSE(saved);
    EXPECT_EQ(readAll(at("kept.hdr")), "old");
    EXPECT_TRUE(document->isModified());
    EXPECT_EQ(scripted.texts(),
              std::vector<std::string>{at("kept.hdr") + "\nFailed to save document."});
}

TEST_F(HeaderDocTest, AFileThatCannotBeReadIsToldAndNotOpened) {
    EXPECT_EQ(open(at("missing.hdr")), nullptr);
    std::filesystem::create_directory(at("folder.hdr"));
    EXPECT_EQ(open(at("folder.hdr")), nullptr);
    ASSERT_EQ(::mkfifo(at("pipe.hdr").c_str(), 0600), 0); // refused, not waited on
    EXPECT_EQ(open(at("pipe.hdr")), nullptr);
    EXPECT_EQ(scripted.texts(),
              (std::vector<std::string>{at("missing.hdr") + "\nFailed to open document.",
                                        at("folder.hdr") + "\nFailed to open document.",
                                        at("pipe.hdr") + "\nFailed to open document."}));
    EXPECT_TRUE(types.type(DocKind::HeaderTemplate).documents().empty());
}

TEST_F(HeaderDocTest, ClosingAsksToSaveAModifiedTemplate) {
    CHeaderDoc& document = typedTemplate();
    scripted.queue(PromptAnswer::Cancel);
    EXPECT_FALSE(types.SaveAllModified());
    EXPECT_EQ(scripted.texts().back(), "Save changes to Header Template1?");
    scripted.queue(PromptAnswer::No);
    EXPECT_TRUE(document.SaveModified());
    EXPECT_TRUE(files.saveRequests().empty());
}

TEST_F(HeaderDocTest, TheLibraryTakesTheHeaderFromASavedTemplateInEitherEncoding) {
    CHeaderDoc& document = typedTemplate();
    for (PromptAnswer encoding : {PromptAnswer::Yes, PromptAnswer::No}) {
        scripted.queue(encoding);
        files.queueSave({at("saved.hdr"), 0});
        ASSERT_TRUE(document.DoSaveAs());
        CT6 record;
        const std::string path = at("saved.hdr");
        ASSERT_EQ(record.HDRFromFile(std::u16string(path.begin(), path.end()).c_str()), 0);
        uint8_t page = 0, line = 0, column = 0, length = 0, kind = 0;
        char16_t text[64] = {};
        ASSERT_EQ(record.HDRGetFldInfo(1, 1, page, line, column, length, kind, text), 0);
        EXPECT_EQ(kind, kCableIdKind);
        EXPECT_EQ(column, 8);
    }
}

} // namespace
} // namespace orvane::test
