// What a reader of an SR-4731 file does next: the automatic analysis, the
// attenuation and the texts of the table and summary, over any file that
// reads. The values come from the file, so every product of them must stay
// in range however absurd they are.
#include <varnel/varnel.h>

#include <cstddef>
#include <cstdint>

namespace {

// Long traces analyse correctly but slowly; they would starve the search.
constexpr int32_t kLargestAnalysedPoints = 1 << 16;

void readTexts(const CT6& r) {
    char16_t text[1024];
    for (int32_t i = 0; i < r.EVCount(); ++i) {
        r.EVGetStart(i, text, 1);
        r.EVGetLoss(i, text, 1);
        r.EVGetRefl(i, text, 1);
        r.EVGetCumLoss(i, text, 1);
        r.EVGetSpanLoss(i, text, 1);
        r.EVGetSpanLossDBKM(i, text, 1);
    }
    r.GetEndToEndLoss(text, 1);
    r.GetORL(text, 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > INT32_MAX) return 0;
    CT6 r;
    if (r.DecompSR4731(data, static_cast<int32_t>(size)) != 0) return 0;
    if (r.DPOCount() > kLargestAnalysedPoints) return 0;
    readTexts(r);
    r.CalcAtn();
    if (r.FAS() == 0) r.CalcAtn();
    readTexts(r);
    return 0;
}
