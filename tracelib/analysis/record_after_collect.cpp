// Display defaults of a freshly acquired trace.
#include "analysis/measure_common.h"

#include <varnel/varnel.h>

void CT6::InitAfterCollect() {
    double maxKM = GetMaxKM();
    double rangeDB = GetDynamicRange();
    double aKM = 0.25 * maxKM;
    double bKM = 0.75 * maxKM;
    SetACursorKM(aKM);
    SetBCursorKM(bKM);
    SetABLocked(0);
    SetViewMode(0);

    SetView(0, 0.0, maxKM, 0.0, rangeDB);
    double levelA = GetDBAtKM(aKM);
    if (!varnel::hasValue(levelA)) levelA = rangeDB / 2.0;
    SetView(1, aKM - bKM, aKM + bKM, rangeDB - levelA, rangeDB);
    double levelB = GetDBAtKM(bKM);
    if (!varnel::hasValue(levelB)) levelB = rangeDB / 2.0;
    SetView(2, 0.0, 2.0 * bKM, rangeDB - levelB, rangeDB);
    SetView(3, 0.0, maxKM, 0.0, rangeDB);

    SetLossMode(0);
    SetLSACursorsToDefault(1);
    SetTraceTypeOrigToT6();
    CalcAtn();
}
