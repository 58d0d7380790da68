// Trace documents for tests: simulated traces written to scratch files.
#pragma once

#include "core/platform/file_chooser.h"
#include "core/platform/scripted_prompts.h"
#include "core/trace/trace_doc.h"

#include <varnel/fibre_simulator.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace orvane::test {

// A folder of its own per test, removed afterwards; prompts and file dialogs
// are scripted while it lives.
class TraceDocTest : public ::testing::Test {
protected:
    TraceDocTest()
        : m_dir(std::filesystem::path(::testing::TempDir()) /
                ("orvane_" + std::to_string(::getpid()) + "_" + std::to_string(counter()++))),
          m_prompts(scripted), m_chooser(files) {
        std::filesystem::create_directories(m_dir);
    }
    ~TraceDocTest() override { std::filesystem::remove_all(m_dir); }

    std::string at(const std::string& name) const { return (m_dir / name).string(); }

    // A 5 km simulated fibre with a splice and a connector, saved in the
    // library's format named; tweak changes the record before it is saved.
    std::string writeTrace(const std::string& name, const char16_t* format = u"T6",
                           const std::function<void(CT6&)>& tweak = {}) const {
        varnel::sim::FibreDescription fibre = varnel::sim::plainFibre(5.0, 0.33, 8192, 1.0, 100);
        fibre.events = {{1.5, 0.3, 0.0}, {3.0, 0.5, -45.0}};
        CT6 record;
        varnel::sim::simulateFibre(fibre, record);
        if (tweak) tweak(record);
        const std::string path = at(name);
        const std::u16string wide(path.begin(), path.end());
        EXPECT_EQ(record.FileSaveAs(wide.c_str(), format, 0, 1), 0);
        return path;
    }

    static std::string readAll(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    static void writeAll(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    ScriptedPrompts scripted;
    ScriptedFileChooser files;

private:
    static int& counter() {
        static int n = 0;
        return n;
    }
    std::filesystem::path m_dir;
    ScopedPrompts m_prompts;
    ScopedFileChooser m_chooser;
};

// An opened trace document with its path set, as the document type leaves it.
inline bool openInto(CTraceDoc& document, const std::string& path) {
    if (!document.OnOpenDocument(path)) return false;
    document.setPath(path);
    document.setModified(false);
    return true;
}

} // namespace orvane::test
