#include <varnel/varnel.h>

int32_t T6GetCountCurDist() { return 5; }
char16_t* T6GetInfoCurDist(int32_t, char16_t* label, double& factor) {
    label[0] = u'k'; label[1] = u'm'; label[2] = 0; factor = 1.0;
    return label;
}
const char* T6GetBuildDateTime() { return "libvarnel.so : " __DATE__ " " __TIME__; }
