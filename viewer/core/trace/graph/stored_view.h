// The view a trace record keeps for the graph (cursors, lock, loss mode,
// display mode and the windows of each mode), read from and written to the
// primary trace by Load View and Save View. The graph numbers the free
// display mode 4; the record stores it as 3.
#pragma once

#include "core/trace/graph/graph_codes.h"
#include "core/trace/graph/measurement.h"
#include "core/trace/graph/view_window.h"

#include <array>

#include <varnel/varnel.h>

namespace orvane::graph {

inline constexpr int32_t kRecordFreeViewMode = 3;
// Display modes in the order their windows are written.
inline constexpr std::array<DisplayMode, 4> kStoredDisplayModes = {
    DisplayMode::FromA, DisplayMode::FromB, DisplayMode::Free, DisplayMode::FromOrigin};

int32_t RecordViewMode(DisplayMode mode);
DisplayMode DisplayModeOfRecord(int32_t recordMode);

struct StoredView {
    double cursorA = -1;
    double cursorB = -1;
    bool locked = false;
    int32_t lossMode = 0;
    DisplayMode displayMode = DisplayMode::Free;
    ViewWindow current;
    std::array<ViewWindow, kDisplayModeSlots> windows; // by display mode; unset: -1
    std::array<LsaOffsets, 3> lsa;                     // loss modes 0, 2 and 4
};

// The record's view; windows it never stored (no extent) read as unset, and
// LSA sets it holds empty get the library's default lengths.
StoredView ReadStoredView(const CT6& record);

// Where Save View writes: the trace document forwards each setter to its
// record and marks itself modified.
class PrimaryViewWriter {
public:
    virtual ~PrimaryViewWriter() = default;
    virtual void SetACursorKM(double km) = 0;
    virtual void SetBCursorKM(double km) = 0;
    virtual void SetABLocked(bool locked) = 0;
    virtual void SetView(DisplayMode mode, const ViewWindow& window) = 0;
    virtual void SetViewMode(DisplayMode mode) = 0;
    virtual void SetLossMode(int32_t mode) = 0;
};

// Writes straight into a record (for the headless tool and tests).
class RecordViewWriter : public PrimaryViewWriter {
public:
    explicit RecordViewWriter(CT6& record) : m_record(record) {}
    void SetACursorKM(double km) override { m_record.SetACursorKM(km); }
    void SetBCursorKM(double km) override { m_record.SetBCursorKM(km); }
    void SetABLocked(bool locked) override { m_record.SetABLocked(locked ? 1 : 0); }
    void SetView(DisplayMode mode, const ViewWindow& w) override {
        m_record.SetView(RecordViewMode(mode), w.x0, w.width, w.y0, w.height);
    }
    void SetViewMode(DisplayMode mode) override { m_record.SetViewMode(RecordViewMode(mode)); }
    void SetLossMode(int32_t mode) override { m_record.SetLossMode(mode); }

private:
    CT6& m_record;
};

} // namespace orvane::graph
