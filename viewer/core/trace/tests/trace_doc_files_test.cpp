// Reading and writing trace files through the document: the messages of
// every failure, the formats it writes and what a failed save leaves behind.
#include "trace_doc_fixture.h"

#include "core/platform/view.h"
#include "core/trace/trace_encoding.h"
#include "core/trace/trace_messages.h"

#include <sys/stat.h>

namespace orvane::test {
namespace {

class HintRecorder : public View {
public:
    std::vector<HintCode> codes;
    void onUpdate(View*, const Hint& hint) override { codes.push_back(hint.code); }
};

TEST(TraceMessages, EveryStatusHasTheViewersText) {
    EXPECT_EQ(traceReadFailureText(6), "\nCRC error.");
    EXPECT_EQ(traceReadFailureText(9), "File open error \n");
    EXPECT_EQ(traceReadFailureText(5), "\nInvalid trace format.");
    EXPECT_EQ(traceReadFailureText(2), "Memory allocation error");
    EXPECT_EQ(traceReadFailureText(1), "\nFile data corrupted.");
    EXPECT_EQ(traceReadFailureText(8), "\nFile data corrupted.");
    EXPECT_EQ(traceReadFailureText(T6_ERR_NO_LEGACY_CONVERTER),
              "The file is neither a native (T6) nor an SR-4731 trace file. Other trace formats "
              "need the legacy converter (Ferrowin), which is not installed.");
    EXPECT_EQ(traceWriteFailureText(5), "\nCan't save since format can not be written.\n\nUse a "
                                        "format which can be written.");
    EXPECT_EQ(traceWriteFailureText(9), "File open error \n");
    EXPECT_EQ(traceWriteFailureText(7), "\nFile data corrupted.");
    EXPECT_EQ(traceWriteFailureText(T6_FILE_SHORT_WRITE), "File write error.");
}

TEST_F(TraceDocTest, FailedLoadsTellThePathAndTheirMessageOnce) {
    writeAll(at("garbage.sor"), std::string(4000, 'x'));
    writeAll(at("cut.T6"), readAll(writeTrace("whole.T6")).substr(0, 300));
    for (const char* name : {"missing.T6", "garbage.sor", "cut.T6"}) {
        CTraceDoc document;
        EXPECT_FALSE(document.OnOpenDocument(at(name))) << name;
        EXPECT_EQ(document.LoadedFormat(), kFormatUnknown);
    }
    ASSERT_EQ(scripted.asked().size(), 3u);
    EXPECT_EQ(scripted.texts()[0], at("missing.T6") + "\nFile open error \n");
    EXPECT_EQ(scripted.asked()[1].subject, at("garbage.sor"));
    EXPECT_NE(scripted.asked()[1].text.find("legacy converter"), std::string::npos);
    EXPECT_EQ(scripted.texts()[2], at("cut.T6") + "\n\nFile data corrupted.");
    for (const Prompt& prompt : scripted.asked()) {
        EXPECT_EQ(prompt.icon, PromptIcon::Exclamation);
        EXPECT_TRUE(prompt.failure);
    }
}

TEST_F(TraceDocTest, LoadTakesTheFormatCalculatesAttenuationAndWarnsOfAnIllegalIOR) {
    CTraceDoc sor;
    ASSERT_TRUE(openInto(sor, writeTrace("a.sor", u"SR4731")));
    EXPECT_EQ(sor.LoadedFormat(), kFormatSR4731);
    EXPECT_EQ(sor.SaveFormat(), kFormatSR4731);
    EXPECT_NE(sor.record().GetCalcAtn(), 0.0);
    EXPECT_TRUE(scripted.empty());

    CTraceDoc legal;
    ASSERT_TRUE(
        openInto(legal, writeTrace("edge.T6", u"T6", [](CT6& r) { r.SpanSetIOR(0, 1.7); })));
    EXPECT_TRUE(scripted.empty());

    CTraceDoc illegal;
    ASSERT_TRUE(
        openInto(illegal, writeTrace("high.T6", u"T6", [](CT6& r) { r.SpanSetIOR(0, 1.71); })));
    ASSERT_EQ(scripted.texts().size(), 1u);
    EXPECT_EQ(scripted.texts()[0], "high.T6 : illegal trace Index of Refraction.\nWill set to a "
                                   "legal value and continue.");
    EXPECT_FALSE(scripted.asked()[0].failure);

    CTraceDoc unnamed;
    ASSERT_TRUE(
        openInto(unnamed, writeTrace("odd.T6", u"T6", [](CT6& r) { r.SetTraceType(u"Mystery"); })));
    EXPECT_EQ(unnamed.LoadedFormat(), kFormatNative);
}

TEST_F(TraceDocTest, SavesInEveryLibraryFormatAndReadsBack) {
    CTraceDoc document;
    ASSERT_TRUE(openInto(document, writeTrace("source.T6")));
    const int32_t events = document.record().EVCount();
    struct Case {
        int32_t code;
        const char* name;
        int32_t readBack;
    };
    for (Case c : {Case{9, "copy.T6", kFormatNative}, Case{10, "copy.sor", kFormatSR4731},
                   Case{4, "copy.gr196", kFormatGR196}}) {
        document.SelectSaveFormat(c.code);
        ASSERT_TRUE(document.OnSaveDocument(at(c.name))) << c.name;
        CTraceDoc copy;
        ASSERT_TRUE(openInto(copy, at(c.name)));
        EXPECT_EQ(copy.LoadedFormat(), c.readBack) << c.name;
        EXPECT_EQ(copy.record().EVCount(), events) << c.name;
    }
    // The native encoding writes "T6" but leaves the record's own type alone.
    EXPECT_EQ(document.GetTraceType(), "T6");
    EXPECT_TRUE(scripted.empty());
}

TEST_F(TraceDocTest, ASaveThatCannotHoldALevelIsWrittenAndWarnsOnce) {
    CTraceDoc document;
    const std::string path = writeTrace("edited.sor", u"SR4731");
    ASSERT_TRUE(openInto(document, path));
    const std::string before = readAll(path);
    const uint16_t aboveTheRange[] = {65535};
    document.record().DPWSetDPW(100, 1, aboveTheRange);
    document.setModified();
    ASSERT_TRUE(document.Save());
    EXPECT_NE(readAll(path), before);
    ASSERT_EQ(scripted.asked().size(), 1u);
    const Prompt& warning = scripted.asked()[0];
    EXPECT_EQ(warning.subject, path);
    EXPECT_EQ(warning.text, "Some trace levels could not be stored exactly in the SR-4731 file; "
                            "they were written as the nearest levels the file can hold.");
    EXPECT_FALSE(warning.failure);
    // The native format holds every level: the SR-4731 save's verdict is not repeated.
    document.SelectSaveFormat(9);
    ASSERT_TRUE(document.OnSaveDocument(at("edited.T6")));
    EXPECT_EQ(scripted.asked().size(), 1u);
}

TEST_F(TraceDocTest, UnwritableAndLegacyFormatsFailAndLeaveTheFileAlone) {
    // A document that was never read has the format "?", which cannot be written.
    CTraceDoc unread;
    unread.setPath(at("new.T6"));
    EXPECT_FALSE(unread.Save());
    EXPECT_FALSE(std::filesystem::exists(at("new.T6")));

    CTraceDoc document;
    const std::string path = writeTrace("source.T6");
    ASSERT_TRUE(openInto(document, path));
    const std::string before = readAll(path);
    document.setModified();
    document.SelectSaveFormat(2); // T5, through the missing converter
    EXPECT_FALSE(document.OnSaveDocument(path));
    EXPECT_EQ(readAll(path), before);
    EXPECT_TRUE(document.isModified());
    ASSERT_EQ(scripted.texts().size(), 2u);
    EXPECT_EQ(scripted.texts()[0], at("new.T6") + "\n\nCan't save since format can not be "
                                                  "written.\n\nUse a format which can be written.");
    EXPECT_NE(scripted.texts()[1].find("legacy converter"), std::string::npos);
}

TEST_F(TraceDocTest, NamesThatAreNotUtf8HoldABackslashOrAreLinksOpenAndSaveInPlace) {
    namespace fs = std::filesystem;
    const std::string source = writeTrace("plain.sor", u"SR4731");
    fs::create_directory(at("store"));
    const std::vector<std::string> names = {"tr\xe9s.sor", "a\\b.sor", "store/real.sor"};
    for (const std::string& name : names)
        fs::copy_file(source, at(name));
    fs::create_symlink("store/real.sor", at("link.sor"));
    for (const std::string name : {"tr\xe9s.sor", "a\\b.sor", "link.sor"}) {
        CTraceDoc document;
        ASSERT_TRUE(openInto(document, at(name))) << name;
        document.setModified();
        EXPECT_TRUE(document.Save()) << name;
        CTraceDoc again;
        EXPECT_TRUE(openInto(again, at(name))) << name;
    }
    EXPECT_TRUE(fs::is_symlink(at("link.sor")));
    EXPECT_EQ(std::distance(fs::directory_iterator(at("")), {}), 5); // nothing left behind
    EXPECT_TRUE(scripted.empty());
}

TEST_F(TraceDocTest, ReadOnlyFileIsRefusedAndKeepsTheModifiedFlag) {
    CTraceDoc document;
    const std::string path = writeTrace("locked.T6");
    ASSERT_TRUE(openInto(document, path));
    ::chmod(path.c_str(), 0444);
    document.setModified();
    EXPECT_FALSE(document.Save());
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(scripted.texts(), std::vector<std::string>{"Access to " + path + " was denied."});
}

TEST_F(TraceDocTest, SaveAsKeepsTheModifiedFlagOfACopyAndRefreshesOnAFormatChange) {
    CTraceDoc document;
    const std::string path = writeTrace("own.T6");
    ASSERT_TRUE(openInto(document, path));
    HintRecorder view;
    view.attach(&document);
    document.setModified();

    int32_t position = 2;
    std::string directory;
    files.queueSave({at("copy"), 9}); // "SR4731": no extension is added
    ASSERT_TRUE(document.SaveCopyAs(position, directory));
    EXPECT_EQ(position, 10);
    EXPECT_EQ(directory, at("").substr(0, at("").size() - 1));
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(view.codes.empty());
    const SaveFileRequest& request = files.saveRequests().front();
    EXPECT_EQ(request.title, path + " : Save As");
    EXPECT_EQ(request.initialName, "own.T6");
    EXPECT_EQ(request.initialFilter, 1);
    EXPECT_EQ(request.filters[0], "Original (*.*)");
    EXPECT_EQ(request.filters[6], "WFM (*.WFM)");

    files.queueSave({path, 9}); // its own file, as SR-4731
    ASSERT_TRUE(document.SaveCopyAs(position, directory));
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(view.codes, std::vector<HintCode>{HINT_TRACE_CHANGED});
}

TEST_F(TraceDocTest, FailedSaveAsRemovesOnlyWhatItCreated) {
    CTraceDoc document;
    ASSERT_TRUE(openInto(document, writeTrace("own.T6")));
    int32_t position = 1;
    std::string directory;
    files.queueSave({at("wave"), 6}); // "WFM": gets ".WFM", needs the converter
    EXPECT_FALSE(document.SaveCopyAs(position, directory));
    EXPECT_FALSE(std::filesystem::exists(at("wave.WFM")));
    EXPECT_FALSE(std::filesystem::exists(at("wave")));
    EXPECT_EQ(document.SaveFormat(), document.LoadedFormat());

    // A file that was there before the failed attempt is the user's: kept.
    writeAll(at("keep.WFM"), "earlier");
    files.queueSave({at("keep.WFM"), 6});
    EXPECT_FALSE(document.SaveCopyAs(position, directory));
    EXPECT_EQ(readAll(at("keep.WFM")), "earlier");
}

TEST_F(TraceDocTest, SaveAsToAReadOnlyFileAsksAgain) {
    CTraceDoc document;
    ASSERT_TRUE(openInto(document, writeTrace("own.T6")));
    writeAll(at("locked.T6"), "x");
    ::chmod(at("locked.T6").c_str(), 0444);
    files.queueSave({at("locked.T6"), 1});
    files.queueSave({at("free.T6"), 1});
    int32_t position = 1;
    std::string directory;
    EXPECT_TRUE(document.SaveCopyAs(position, directory));
    EXPECT_EQ(files.saveRequests().size(), 2u);
    EXPECT_EQ(scripted.texts(),
              std::vector<std::string>{"Access to " + at("locked.T6") + " was denied."});
    EXPECT_TRUE(std::filesystem::exists(at("free.T6")));
}

TEST(TraceEncoding, RetriesOnceWithTheSizeTheEncoderAsksFor) {
    std::vector<uint8_t> buffer;
    size_t size = 0;
    std::vector<int32_t> capacities;
    auto needs = [&](int32_t bytes) {
        return [&capacities, bytes](uint8_t*, int32_t capacity) {
            capacities.push_back(capacity);
            return bytes;
        };
    };
    EXPECT_EQ(encodeWithRetry(needs(150), 100, buffer, size), T6_FILE_OK);
    EXPECT_EQ(size, 150u);
    EXPECT_EQ(capacities, (std::vector<int32_t>{100, 1150}));

    capacities.clear();
    int calls = 0;
    auto growing = [&](uint8_t*, int32_t capacity) { return ++calls, capacity + 1; };
    EXPECT_EQ(encodeWithRetry(growing, 100, buffer, size), T6_FILE_NO_MEMORY);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(encodeWithRetry([](uint8_t*, int32_t) { return 0; }, 100, buffer, size),
              T6_FILE_ENCODER_FAILED);
}

} // namespace
} // namespace orvane::test
