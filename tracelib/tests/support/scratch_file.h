// Scratch files for tests that write and read real files.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace varnel::test {

// A file name under the test temporary folder, unique per process and call,
// removed again at scope end.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& name)
        : path_(::testing::TempDir() + "varnel_" + std::to_string(::getpid()) + "_" +
                std::to_string(counter()++) + "_" + name) {}
    ~ScratchFile() { std::remove(path_.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }
    std::u16string widePath() const { return std::u16string(path_.begin(), path_.end()); }

    void write(const std::vector<uint8_t>& bytes) const {
        std::ofstream out(path_, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<uint8_t> read() const {
        std::ifstream in(path_, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    }

private:
    static int& counter() {
        static int n = 0;
        return n;
    }
    std::string path_;
};

} // namespace varnel::test
