// Library-wide analysis settings and the calculations over several traces.
#pragma once

#include <varnel/api.h>
#include <varnel/codes.h>

#include <cstddef>
#include <cstdint>

class CT6;

// Analysis thresholds: loss, reflectance and break (end) in dB, the number of
// breaks that end the fibre, the reflection that ends it (0: off) and that
// reflection's threshold in dB.
VARNEL_API void T6SetFASParms(double lossDB, double reflDB, double breakDB, int32_t numBreaks,
                              int32_t endAtNthRefl, double nthReflThreshDB);
VARNEL_API void T6SetFASABFlip(double first, double second, int32_t flag);

// Far-end time of flight of fibre-fill traces, in seconds per trace (0 when
// not measured) and a status T6_TOF_... per trace.
// Each trace's table becomes a launch and an end event at the far-end peak
// (left at the noise floor, questionable, when no clean reflection is found).
// Returns 0, 1 for missing arrays, 2 when the working memory runs out.
VARNEL_API int32_t T6CalcCDTOFs(int32_t n, CT6** traces, double* tof, int32_t* status);

// Inverts a symmetric 3x3 matrix in place and returns 1; returns 0 and leaves
// it unchanged when it is not exactly symmetric or singular.
VARNEL_API int32_t T6SymMatrix3X3Inv(double m[3][3]);
