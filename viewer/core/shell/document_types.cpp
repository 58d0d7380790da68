#include "core/shell/document_types.h"

#include "core/headered/header_doc.h"
#include "core/platform/prompt.h"
#include "core/shell/application_state.h"
#include "core/trace/trace_doc_type.h"
#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_doc_type.h"

#include <filesystem>
#include <system_error>

namespace orvane {

namespace {

// A type whose documents this program cannot open: every open says why.
std::unique_ptr<DocumentType> makeRefusingType(const char* docStrings, const char* message) {
    return std::make_unique<DocumentType>(
        docStrings, [] { return std::make_unique<Document>(); },
        [message](Document&, const std::string& path) {
            tellFailure(path, message);
            return false;
        });
}

} // namespace

DocumentTypes::DocumentTypes() {
    auto& t = m_types;
    t[static_cast<size_t>(DocKind::Trace)] = makeTraceDocType(kTraceDocStrings);
    t[static_cast<size_t>(DocKind::TraceList)] = makeTraceListDocType(type(DocKind::Trace));
    t[static_cast<size_t>(DocKind::HeaderTemplate)] = makeHeaderDocType();
    t[static_cast<size_t>(DocKind::TekTrace)] = makeTraceDocType(kTekTraceDocStrings);
    t[static_cast<size_t>(DocKind::AnritsuTrace)] = makeTraceDocType(kAnritsuTraceDocStrings);
    t[static_cast<size_t>(DocKind::BellTrace)] = makeTraceDocType(kBellTraceDocStrings);
    t[static_cast<size_t>(DocKind::P5P)] =
        makeRefusingType(kP5PDocStrings, kPowerMeterNotInstalled);
    t[static_cast<size_t>(DocKind::Pmt)] =
        makeRefusingType(kPmtDocStrings, kPowerMeterNotInstalled);
}

DocumentTypes::~DocumentTypes() {
    // Lists first: they hand their traces back to the trace type.
    m_types[static_cast<size_t>(DocKind::TraceList)].reset();
}

std::vector<DocumentType*> DocumentTypes::all() const {
    std::vector<DocumentType*> types;
    for (const auto& t : m_types)
        types.push_back(t.get());
    return types;
}

DocKind DocumentTypes::kindForPath(const std::string& path) const {
    for (size_t k = 0; k < kDocKindCount; ++k)
        if (m_types[k]->matchesPath(path)) return static_cast<DocKind>(k);
    return DocKind::Trace;
}

bool DocumentTypes::isTraceKind(DocKind kind) {
    return kind == DocKind::Trace || kind == DocKind::TekTrace || kind == DocKind::AnritsuTrace ||
           kind == DocKind::BellTrace;
}

CTraceListDoc* DocumentTypes::currentList() const {
    return static_cast<CTraceListDoc*>(application().currentTraceList);
}

bool DocumentTypes::CanCloseCurrentList() const {
    CTraceListDoc* list = currentList();
    return !list || list->CanCloseFrame();
}

void DocumentTypes::CloseList(CTraceListDoc& list) {
    if (m_closeList) {
        m_closeList(list);
        return;
    }
    list.OnCloseDocument();
    type(DocKind::TraceList).deleteDocument(&list);
}

// A list that may not close (a cancelled question) stays open beside the
// new one; the new one becomes the current list all the same.
void DocumentTypes::closeCurrentListIfAllowed() {
    CTraceListDoc* list = currentList();
    if (list && list->CanCloseFrame()) CloseList(*list);
}

bool DocumentTypes::OpenDocumentFile(const std::string& path) {
    const DocKind kind = kindForPath(path);
    if (isTraceKind(kind)) return OpenTraceFiles({path});
    if (kind == DocKind::TraceList) return openTraceList(path);
    return type(kind).openDocument(path) != nullptr;
}

bool DocumentTypes::OpenTraceFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) return false;
    closeCurrentListIfAllowed();
    auto* list = static_cast<CTraceListDoc*>(type(DocKind::TraceList).newDocument());
    application().currentTraceList = list;
    list->AddTraces(paths);
    list->setModified(false);
    if (m_showList) {
        m_showList(*list);
    } else {
        TraceEntries all;
        for (const auto& entry : list->Entries())
            all.push_back(entry.get());
        list->DisplayTraces(all);
    }
    return list->DisplayedCount() > 0;
}

bool DocumentTypes::openTraceList(const std::string& path) {
    if (CTraceListDoc* list = currentList()) {
        if (!list->CanCloseFrame()) return false;
        CloseList(*list);
        application().currentTraceList = nullptr;
    }
    auto* list = static_cast<CTraceListDoc*>(type(DocKind::TraceList).openDocument(path));
    if (!list) return false;
    application().currentTraceList = list;
    // Relative names typed later start from the list's folder.
    std::error_code error;
    std::filesystem::current_path(std::filesystem::path(path).parent_path(), error);
    return true;
}

// Power-meter files cannot be open in this version: the lists and the
// header templates are all there is to ask.
bool DocumentTypes::SaveAllModified() {
    for (const auto& document : type(DocKind::TraceList).documents())
        if (!static_cast<CTraceListDoc&>(*document).CanCloseFrame()) return false;
    for (const auto& document : type(DocKind::HeaderTemplate).documents())
        if (!static_cast<CHeaderDoc&>(*document).SaveModified()) return false;
    return true;
}

} // namespace orvane
