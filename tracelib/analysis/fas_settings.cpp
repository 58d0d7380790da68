#include "analysis/fas_settings.h"

#include <varnel/varnel.h>

namespace varnel {

FASSettings& fasSettings() {
    static FASSettings instance;
    return instance;
}

FASABFlip& fasABFlip() {
    static FASABFlip instance;
    return instance;
}

} // namespace varnel

void T6SetFASParms(double lossDB, double reflDB, double breakDB, int32_t numBreaks,
                   int32_t endAtNthRefl, double nthReflThreshDB) {
    varnel::fasSettings() = {lossDB, reflDB, breakDB, numBreaks, endAtNthRefl, nthReflThreshDB};
}

void T6SetFASABFlip(double first, double second, int32_t flag) {
    varnel::fasABFlip() = {first, second, flag};
}
