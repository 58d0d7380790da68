// .TRL files: the bytes, the stored forms of paths, and finding the traces
// of lists written elsewhere.
#include "trace_list_fixture.h"

#include "core/tracelist/trace_list_messages.h"
#include "core/tracelist/trl_file.h"
#include "core/tracelist/trl_paths.h"

namespace orvane::test {
namespace {

std::string trlBytes(const std::vector<std::string>& paths) {
    const TrlWriteResult written = encodeTrl(paths);
    return std::string(written.bytes.begin(), written.bytes.end());
}

TEST(TrlFile, AnEmptyListIsTenBytesAndDamagedFilesAreRefused) {
    EXPECT_EQ(trlBytes({}), std::string("TRL\0\1\0\0\0\0\0", 10));
    const std::string two = trlBytes({"a.sor", "sub\\b.sor"});
    EXPECT_EQ(two.substr(8), std::string("\2\0\5a.sor\11sub\\b.sor", 18));

    auto decode = [](const std::string& bytes) {
        return decodeTrl({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
    };
    EXPECT_EQ(decode(two).paths, (std::vector<std::string>{"a.sor", "sub\\b.sor"}));
    EXPECT_EQ(decode("TRX" + two.substr(3)).status, TrlReadStatus::BadMagic);
    EXPECT_EQ(decode(two.substr(0, 4) + "\2" + two.substr(5)).status, TrlReadStatus::BadVersion);
    EXPECT_EQ(decode(two.substr(0, two.size() - 1)).status, TrlReadStatus::Truncated);
    EXPECT_EQ(decode(two.substr(0, 9)).status, TrlReadStatus::Truncated);
    // Text of another code page reads as Windows-1252.
    EXPECT_EQ(decode(trlBytes({}).substr(0, 8) + std::string("\1\0\6f\xe9.sor", 9)).paths,
              std::vector<std::string>{"f\xc3\xa9.sor"});
    EXPECT_EQ(encodeTrl({std::string(256, 'x')}).status, TrlWriteStatus::PathTooLong);
}

TEST(TrlPaths, PathsAreStoredRelativeToTheFolderElseToTheRoot) {
    const ListLocation drive = listLocationOf("C:\\lists\\cable.trl");
    EXPECT_EQ(drive.directory, "C:\\lists\\");
    EXPECT_EQ(drive.root, "C:");
    EXPECT_EQ(storedFormOf("c:\\LISTS\\a.sor", drive), "a.sor");
    EXPECT_EQ(storedFormOf("C:\\data\\b.sor", drive), "\\data\\b.sor");
    EXPECT_EQ(storedFormOf("D:\\data\\c.sor", drive), "D:\\data\\c.sor");

    const ListLocation share = listLocationOf("\\\\srv\\otdr\\lists\\cable.trl");
    EXPECT_EQ(share.root, "\\\\srv\\otdr");
    EXPECT_EQ(storedFormOf("\\\\SRV\\otdr\\data\\d.sor", share), "\\data\\d.sor");

    // Here the root is "/" itself; folders differing in case are other folders.
    const ListLocation posix = listLocationOf("/home/eng/lists/cable.trl");
    EXPECT_EQ(storedFormOf("/home/eng/lists/sub/e.sor", posix), "sub\\e.sor");
    EXPECT_EQ(storedFormOf("/home/eng/Lists/f.sor", posix), "\\home\\eng\\Lists\\f.sor");
}

TEST_F(TraceListTest, AListReadBackFromAnotherFolderFindsItsTracesThere) {
    const std::vector<std::string> paths = addTraces(2);
    std::filesystem::create_directories(at("sub"));
    std::filesystem::copy_file(paths[0], at("sub/g.T6"));
    list->AddTraces({at("sub/g.T6"), "Average 1"});
    ASSERT_TRUE(list->OnSaveDocument(at("cable.trl")));
    EXPECT_FALSE(list->isModified());
    EXPECT_EQ(readAll(at("cable.trl")).substr(8),
              std::string("\3\0\5f0.T6\5f1.T6\10sub\\g.T6", 23));

    // The folder moves, list and traces together; sub/ is lost on the way.
    std::filesystem::remove_all(at("sub"));
    std::filesystem::create_directories(at("moved"));
    for (const char* name : {"cable.trl", "f0.T6", "f1.T6"})
        std::filesystem::rename(at(name), at(std::string("moved/") + name));
    CTraceListDoc reread(*traceType);
    ASSERT_TRUE(reread.OnOpenDocument(at("moved/cable.trl")));
    ASSERT_EQ(reread.EntryCount(), 3u);
    EXPECT_EQ(reread.Entries()[0]->path, at("moved/f0.T6"));
    EXPECT_TRUE(reread.Entries()[0]->found);
    // sub/ stayed behind: marked missing, told once.
    EXPECT_EQ(reread.Entries()[2]->path, at("moved/sub/g.T6"));
    EXPECT_FALSE(reread.Entries()[2]->found);
    ASSERT_EQ(scripted.asked().size(), 1u);
    EXPECT_EQ(scripted.texts()[0],
              at("moved/cable.trl") + "\n" + kMissingTraces + "\n" + at("moved/sub/g.T6"));
}

TEST_F(TraceListTest, AListFindsAgainNamesThatAreNotUtf8OrHoldABackslash) {
    const std::string trace = writeTrace("t.T6");
    std::filesystem::create_directories(at("a\\b"));
    const std::vector<std::string> names = {at("caf\xe9.sor"), at("x\\y.sor"),
                                            at("a\\b/z.sor")};
    for (const std::string& name : names)
        std::filesystem::copy_file(trace, name);
    list->AddTraces(names);
    ASSERT_TRUE(list->OnSaveDocument(at("odd.trl")));

    CTraceListDoc reread(*traceType);
    ASSERT_TRUE(reread.OnOpenDocument(at("odd.trl")));
    ASSERT_EQ(reread.EntryCount(), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(reread.Entries()[i]->path, names[i]);
        EXPECT_TRUE(reread.Entries()[i]->found) << names[i];
    }
    EXPECT_TRUE(scripted.asked().empty());
}

TEST_F(TraceListTest, AListWrittenOnWindowsFindsTracesBesideIt) {
    const std::string trace = writeTrace("t.T6");
    std::filesystem::create_directories(at("cable7/sub"));
    for (const char* name :
         {"cable7/f1.sor", "cable7/f2.sor", "cable7/sub/f3.sor", "cable7/f4.sor"})
        std::filesystem::copy_file(trace, at(name));
    writeAll(at("cable7/list.trl"),
             trlBytes({"C:\\Users\\eng\\cable7\\f1.sor", "\\\\srv\\otdr\\cable7\\f2.sor",
                       "sub\\f3.sor", "\\cable7\\f4.sor", "C:\\gone\\f5.sor"}));
    CTraceListDoc windows(*traceType);
    ASSERT_TRUE(windows.OnOpenDocument(at("cable7/list.trl")));
    std::vector<std::string> resolved;
    for (const auto& entry : windows.Entries())
        resolved.push_back(entry->path);
    EXPECT_EQ(resolved, (std::vector<std::string>{at("cable7/f1.sor"), at("cable7/f2.sor"),
                                                  at("cable7/sub/f3.sor"), at("cable7/f4.sor"),
                                                  "C:\\gone\\f5.sor"}));
    EXPECT_FALSE(windows.Entries()[4]->found);
    EXPECT_EQ(scripted.asked().size(), 1u);

    // Written back, the unfound path keeps its Windows form.
    ASSERT_TRUE(windows.OnSaveDocument(at("cable7/list.trl")));
    EXPECT_NE(readAll(at("cable7/list.trl")).find("C:\\gone\\f5.sor"), std::string::npos);
}

TEST_F(TraceListTest, ABadListFileOpensNothingAndAFailedSaveKeepsTheOldFile) {
    writeAll(at("bad.trl"), std::string("TRL\0\2\0\0\0\0\0", 10));
    CTraceListDoc bad(*traceType);
    EXPECT_FALSE(bad.OnOpenDocument(at("bad.trl")));
    EXPECT_EQ(scripted.texts(),
              std::vector<std::string>{at("bad.trl") + "\nUnexpected file format."});

    addTraces(1);
    ASSERT_TRUE(list->OnSaveDocument(at("keep.trl")));
    const std::string before = readAll(at("keep.trl"));
    list->AddTraces({"/" + std::string(300, 'x') + ".sor"});
    EXPECT_FALSE(list->OnSaveDocument(at("keep.trl")));
    EXPECT_EQ(readAll(at("keep.trl")), before);
    EXPECT_TRUE(list->isModified());
}

} // namespace
} // namespace orvane::test
