// Prints what the library knows about distance units; it grows into a summary
// of simulated traces as the record and its analysis fill in.
#include <varnel/varnel.h>

#include <cstdio>
#include <string>

static std::string narrow(const char16_t* s) {
    std::string out;
    for (; *s; ++s)
        out += *s < 0x80 ? static_cast<char>(*s) : '?';
    return out;
}

int main() {
    std::printf("%s\n", T6GetBuildDateTime());
    for (int32_t i = 0; i < T6GetCountCurDist(); ++i) {
        char16_t label[16];
        double factor = 0;
        T6GetInfoCurDist(i, label, factor);
        std::printf("unit %d: %-4s %.9g per km\n", i, narrow(label).c_str(), factor);
    }
    return 0;
}
