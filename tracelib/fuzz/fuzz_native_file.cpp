// Opening any file must give a status, never a crash: the bytes go through a
// real file so that reading and format recognition are covered too.
#include <varnel/varnel.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/varnel-fuzz-" + std::to_string(::getpid()) + ".t6";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    std::u16string wide(path.begin(), path.end());
    CT6 r;
    r.DecompFile(wide.c_str(), static_cast<int32_t>(size % 2));
    std::remove(path.c_str());
    return 0;
}
