// Stand-ins for the instrument's library, built only for the tests: one that
// answers JACK_BOARD from IsJackBoard, and, without JACK_BOARD, one that
// lacks the export altogether.
#include <cstdint>

#ifdef JACK_BOARD
extern "C" __attribute__((visibility("default"))) int32_t IsJackBoard() {
    return JACK_BOARD;
}
#else
extern "C" __attribute__((visibility("default"))) int32_t SomethingElse() {
    return 1;
}
#endif
