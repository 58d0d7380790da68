// The program's eight document types in their registration order, and how
// a file the user opens reaches one of them: trace files go into a new trace
// list that replaces the current one, a list file replaces the current list,
// everything else opens on its own.
#pragma once

#include "core/headered/header_doc_type.h"
#include "core/platform/document_type.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

class CTraceListDoc;

inline constexpr char kP5PDocStrings[] = "\nPwrMtr\nPower Meter\nPower Meter (*.p5p)\n.P5P\n\n";
inline constexpr char kPmtDocStrings[] = "\nPwrMtr\nPower Meter\nPower Meter (*.pmt)\n.PMT\n\n";

inline constexpr char kPowerMeterNotInstalled[] =
    "Power-meter files need the power-meter library (Pomarel), which is not installed.";

enum class DocKind {
    TraceList,
    Trace,
    HeaderTemplate,
    TekTrace,
    AnritsuTrace,
    BellTrace,
    P5P,
    Pmt
};
inline constexpr size_t kDocKindCount = 8;

class DocumentTypes {
public:
    DocumentTypes();
    ~DocumentTypes();
    DocumentTypes(const DocumentTypes&) = delete;
    DocumentTypes& operator=(const DocumentTypes&) = delete;

    DocumentType& type(DocKind kind) const { return *m_types[static_cast<size_t>(kind)]; }
    // In registration order.
    std::vector<DocumentType*> all() const;
    // The type a path opens with: by extension, else the plain trace type
    // (the library tells formats apart by content).
    DocKind kindForPath(const std::string& path) const;
    static bool isTraceKind(DocKind kind);

    // The window layer's part: show a new list's traces (Select All, then
    // Display), and close a list's window once its questions were answered.
    void setListShower(std::function<void(CTraceListDoc&)> shower) {
        m_showList = std::move(shower);
    }
    void setListCloser(std::function<void(CTraceListDoc&)> closer) {
        m_closeList = std::move(closer);
    }

    // File / Open, the recent files, a drop, the command line: false when
    // nothing was opened.
    bool OpenDocumentFile(const std::string& path);
    // Several trace files at once go into one new list.
    bool OpenTraceFiles(const std::vector<std::string>& paths);

    CTraceListDoc* currentList() const;
    // The current list's questions (its traces, then itself); true when it
    // may close. No current list passes.
    bool CanCloseCurrentList() const;
    // Closes a list whose questions were answered.
    void CloseList(CTraceListDoc& list);
    // Every modified document asked to save: the lists first, then header
    // templates, then power-meter files; the first refusal stops.
    bool SaveAllModified();

private:
    bool openTraceList(const std::string& path);
    void closeCurrentListIfAllowed();

    std::array<std::unique_ptr<DocumentType>, kDocKindCount> m_types;
    std::function<void(CTraceListDoc&)> m_showList;
    std::function<void(CTraceListDoc&)> m_closeList;
};

} // namespace orvane
