#include "core/trace/graph/stored_view.h"

namespace orvane::graph {
namespace {

constexpr std::array<int32_t, 3> kLsaLossModes = {T6_LOSS_SPLICE, T6_LOSS_2POINT_LSA,
                                                  T6_LOSS_DBKM_LSA};

ViewWindow ReadWindow(const CT6& record, DisplayMode mode) {
    ViewWindow w;
    record.GetView(RecordViewMode(mode), w.x0, w.width, w.y0, w.height);
    if (!(w.width > 0) || !(w.height > 0)) return ViewWindow{};
    return w;
}

LsaOffsets ReadLsa(const CT6& record, int32_t lossMode) {
    LsaOffsets o{record.GetLSACursorStartOffKM(lossMode, T6_SIDE_A),
                 record.GetLSACursorEndOffKM(lossMode, T6_SIDE_A),
                 record.GetLSACursorStartOffKM(lossMode, T6_SIDE_B),
                 record.GetLSACursorEndOffKM(lossMode, T6_SIDE_B)};
    if (o.aStart != o.aEnd || o.bStart != o.bEnd) return o;
    double length = record.GetDefaultLSACursorLengthKM();
    if (lossMode == T6_LOSS_SPLICE) {
        double interval = record.GetDefaultSpliceLossIntervalKM();
        return {-length, 0, interval, interval + length};
    }
    return {0, length, -length, 0};
}

} // namespace

int32_t RecordViewMode(DisplayMode mode) {
    return mode == DisplayMode::Free ? kRecordFreeViewMode : static_cast<int32_t>(mode);
}

DisplayMode DisplayModeOfRecord(int32_t recordMode) {
    switch (recordMode) {
    case 0:
        return DisplayMode::FromOrigin;
    case 1:
        return DisplayMode::FromA;
    case 2:
        return DisplayMode::FromB;
    default:
        return DisplayMode::Free;
    }
}

StoredView ReadStoredView(const CT6& record) {
    StoredView view;
    view.cursorA = record.GetACursorKM();
    view.cursorB = record.GetBCursorKM();
    view.locked = record.IsABLocked() != 0;
    view.lossMode = record.GetLossMode();
    view.displayMode = DisplayModeOfRecord(record.GetViewMode());
    for (DisplayMode mode : kStoredDisplayModes)
        view.windows[static_cast<size_t>(mode)] = ReadWindow(record, mode);
    view.current = view.windows[static_cast<size_t>(view.displayMode)];
    for (size_t i = 0; i < kLsaLossModes.size(); ++i)
        view.lsa[i] = ReadLsa(record, kLsaLossModes[i]);
    return view;
}

} // namespace orvane::graph
