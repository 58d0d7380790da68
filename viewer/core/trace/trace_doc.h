// CTraceDoc: the document of one trace file. It owns the trace record and is
// the one place where trace files are read and written; it carries the
// commands that change the record as a whole and the formatted values that
// views and reports read.
#pragma once

#include "core/platform/document.h"
#include "core/trace/trace_formats.h"

#include <varnel/varnel.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane {

// Analyze's refusal of a calculated trace (two-way average, delta compare).
inline constexpr int16_t kAnalyzeRefused = 7;

// The viewer's fourth display mode is the record's third.
inline constexpr int32_t kViewerViewModeCompare = 4;
inline constexpr int32_t kRecordViewModeCompare = 3;

class CTraceDoc : public Document {
public:
    CTraceDoc() = default;

    CT6& record() { return m_record; }
    const CT6& record() const { return m_record; }

    int32_t LoadedFormat() const { return m_loadedFormat; }
    int32_t SaveFormat() const { return m_saveFormat; }
    double SavedIOR() const { return m_savedIOR; }

    // --- Files --------------------------------------------------------------
    // Reads the file; every failure is told once and gives false.
    bool OnOpenDocument(const std::string& path);
    // Writes the record in SaveFormat; false (after telling) on failure.
    bool Store(const std::string& path);
    // The save with a path: refuses a read-only file, keeps the modified flag
    // of a copy saved elsewhere, refreshes the views when its own file changed
    // format.
    bool OnSaveDocument(const std::string& path);
    // File / Save: the trace in the format it was read in, to its own file.
    bool Save();
    // The save prompt on close: true when the close may go on.
    bool SaveModified();
    // File / Save As: position is the remembered dialog position (1-10), in
    // and out; directory receives the folder of the chosen file.
    bool SaveCopyAs(int32_t& position, std::string& directory);
    void SelectSaveFormat(int32_t choiceCode);
    // The path with the extension a save in that choice adds to a file name
    // that has none.
    std::string PathWithSaveExtension(const std::string& path, int32_t choiceCode) const;
    // Writes DocumentPathOrName + ".TXT".
    bool ExportTraceText();

    // --- Commands -----------------------------------------------------------
    int16_t Analyze();
    // The status of the last analysis run by Analyze (0 done).
    int32_t LastAnalysisStatus() const { return m_lastAnalysisStatus; }
    int16_t Smooth();
    bool ConfirmHeaderChange(bool deleteHeader);
    void ApplyStandardHeader();
    void ApplyCustomHeader();
    // primary: the trace list's primary trace, if any.
    void ApplyPrimaryHeader(CTraceDoc* primary);
    void SetBackscatter(double coefficient);
    void RememberIOR();
    // Level above the trace's floor at a distance: false (level 0) where the
    // trace has no data.
    bool LevelAtKM(double km, double& level) const;

    std::string DocumentPathOrName() const;
    std::string DocumentName() const;

    // --- Forwarding setters: each marks the document modified ---------------
    void SetViewMode(int32_t mode);
    int32_t GetViewMode() const;
    void SetView(int32_t mode, double startKM, double extentKM, double startDB, double extentDB);
    void GetView(int32_t mode, double& startKM, double& extentKM, double& startDB,
                 double& extentDB) const;
    void SetACursorKM(double km);
    void SetBCursorKM(double km);
    void SetABLocked(bool locked);
    void SetLSACursorStartOffKM(int32_t mode, int32_t side, double km);
    void SetLSACursorEndOffKM(int32_t mode, int32_t side, double km);
    void SetHorzShift(double v);
    void SetVertShift(double db);
    void SpanSetIOR(int32_t span, double ior);
    void EVSetType(int32_t i, int32_t type);
    void EVSetStart(int32_t i, double v);
    void EVSetEnd(int32_t i, double v);
    void EVSetRefl(int32_t i, double db);
    void EVSetLoss(int32_t i, double db);
    void EVSetFlags(int32_t i, uint32_t flags);
    void EVClearFlags(int32_t i, uint32_t flags);
    void EVPutFlags(int32_t i, uint32_t flags);
    void SetLossMode(int32_t mode);
    void EVSetLossMode(int32_t i, int32_t mode);
    void EVSetComment(int32_t i, const std::u16string& text);
    void EVDelete(int32_t i);
    // Event editing: a new zeroed event at the end (its index), the table
    // put in start order, and an event's least-squares offsets.
    int32_t EVInsert();
    void EVSort();
    void EVSetLSAOffKM(int32_t i, double aStartKM, double aEndKM, double bStartKM, double bEndKM);

    // --- Formatted getters (trimmed UTF-8; units adds the unit label) -------
    std::string GetWavelengthNominal(bool units) const;
    std::string GetRangeNominal(bool units) const;
    std::string GetResoNominal(bool units) const;
    std::string GetModel() const;
    std::string GetThresholdLoss(bool units) const;
    std::string GetThresholdRefl(bool units) const;
    std::string GetThresholdBreak(bool units) const;
    std::string GetAvgComplete() const;
    std::string GetAvgCompleteType() const;
    std::string GetAvgTime() const;
    std::string GetDate() const;
    std::string GetTime() const;
    std::string GetFiberMode() const;
    std::string GetFiberModeAbbrev() const;
    std::string PWGetLabel(int32_t i) const;
    std::string PWGetPW(int32_t i, bool units) const;
    std::string PWGetPWLength(int32_t i, bool units) const;
    std::string GetHorzShift(bool units) const;
    std::string GetVertShift(bool units) const;
    std::string EVGetStart(int32_t i, bool units) const;
    std::string EVGetEnd(int32_t i, bool units) const;
    std::string EVGetSpanLoss(int32_t i, bool units) const;
    std::string EVGetSpanLossDBKM(int32_t i, bool units) const;
    std::string EVGetRefl(int32_t i, bool units) const;
    std::string EVGetReflFlagged(int32_t i, bool units) const;
    std::string EVGetCumLoss(int32_t i, bool units) const;
    std::string EVGetFlagsText(int32_t i) const;
    std::string EVGetTypeChar(int32_t i) const;
    std::string EVGetComment(int32_t i) const;
    std::string GetEndToEndLoss(bool units) const;
    std::string GetDynamicRange(bool units) const;
    std::string GetTraceFlags() const;
    std::string GetTraceFlagChars() const;
    std::string GetTraceType() const;
    std::string GetTraceTypeOrig() const;
    std::string SpanGetIOR() const;
    std::string SpanGetBackScatter(bool units) const;

    // Event loss: empty (or " dB") when the loss is hidden.
    std::string EVGetLoss(int32_t i, bool units) const;
    // Hidden loss reads as the no-value marker, or as 32767 for sorting.
    double EVGetLossValue(int32_t i) const;
    double EVGetLossSortValue(int32_t i) const;
    // The flagged loss, and its mark: "(2P)" for a two-point loss on any
    // event but the last, else four blanks.
    std::string EVGetLossFlagged(int32_t i, bool units, std::string& mark) const;
    // ORL text, and the A-to-B text when an ORL between cursors is stored.
    std::string GetORL(bool units, std::string& aToB) const;
    double GetORLValue() const;

private:
    bool load(const std::string& path);
    void changed() { setModified(true); }

    CT6 m_record;
    int32_t m_loadedFormat = kFormatUnknown;
    int32_t m_saveFormat = kFormatUnknown;
    double m_savedIOR = 0;
    int32_t m_lastAnalysisStatus = 0;
};

// The event-row rules, shared by the document and the command-line tool.
std::string eventLossText(const CT6& record, int32_t i, bool units);
std::string eventLossMark(const CT6& record, int32_t i);
bool eventLossHidden(const CT6& record, int32_t i);

} // namespace orvane
