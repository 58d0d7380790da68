// Print-information files: a record stream that carries a trace, its view and
// every library setting to printing.
#pragma once

#include <varnel/api.h>
#include <varnel/codes.h>

#include <cstddef>
#include <cstdint>

// Print-information files: one writer and one reader per process, each keeping
// its file and record buffer between calls. Statuses (T6_FILE_...): OK;
// SHORT_READ for a bad signature or short read (also a value read past the
// end of its record); NO_MEMORY; ENCODER_FAILED when the trace compressed to
// nothing; CANNOT_OPEN when the file was not opened or no file is open;
// SHORT_WRITE.

// A string read back from a record takes at most this many characters,
// terminator included; longer ones are cut.
inline constexpr int32_t T6_PIF_MAX_STRING = 512;

VARNEL_API int32_t T6PIFPutInit(const char16_t* path, const char16_t* title, int32_t a, int32_t b);
VARNEL_API int32_t T6PIFPutPrinter(const char16_t* printer, int32_t a, int32_t b);
VARNEL_API int32_t T6PIFPutT6Filespec(const char16_t* filespec);
// Record 4: two numbers and the trace (a CT6) in the native file form.
VARNEL_API int32_t T6PIFPutT6Object(void* record, int32_t a, int32_t b);
VARNEL_API int32_t T6PIFPutPageHdr(const char16_t* text1, const char16_t* text2,
                                   const char16_t* text3, const char16_t* text4, double x, double y,
                                   int32_t n);
VARNEL_API int32_t T6PIFPutGraphMeas(int32_t a, double x1, double x2, double x3, double x4,
                                     int32_t b);
VARNEL_API int32_t T6PIFPutT6Show(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e);
VARNEL_API int32_t T6PIFPutGraphView(int32_t a, const double first[4], const double second[2],
                                     int32_t b, int32_t c, int32_t d, int32_t e, int32_t f);
// Records 9 to 23: every library setting, unit, label and number format.
VARNEL_API int32_t T6PIFPutT6Parms();
VARNEL_API int32_t T6PIFPutFinal(); // writes record -1 and closes the file

VARNEL_API int32_t T6PIFInInit(const char* path);
VARNEL_API int32_t T6PIFRecLoad(int32_t& type);
VARNEL_API int32_t T6PIFRecGet(int32_t& value);
VARNEL_API int32_t T6PIFRecGet(double& value);
VARNEL_API char16_t* T6PIFRecGet(char16_t* buf); // buf holds T6_PIF_MAX_STRING characters
// Decodes the trace from the read position of a record 4 into record (a CT6);
// the native reader's status.
VARNEL_API int32_t T6PIFRecGet(void* record);
// Restores the settings of the loaded record when it is of the given type
// (9 to 23); 1 otherwise, changing nothing.
VARNEL_API int32_t T6PIFSetT6Parms(int32_t type);
VARNEL_API void T6PIFInFinal();
