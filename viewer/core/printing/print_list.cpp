#include "core/printing/print_list.h"

#include "core/platform/text.h"
#include "core/trace/trace_doc.h"

namespace orvane::printing {

PrintList::PrintList(CTraceListDoc& list, TraceEntries entries)
    : m_list(list), m_entries(std::move(entries)), m_held(m_entries.size(), 0) {}

PrintList::~PrintList() {
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        while (m_held[i] > 0)
            release(i);
}

CTraceDoc* PrintList::document(std::size_t i) {
    CTraceDoc* document = m_list.AcquireTrace(m_entries[i], true);
    if (document) ++m_held[i];
    return document;
}

CT6* PrintList::acquire(std::size_t i) {
    CTraceDoc* trace = document(i);
    return trace ? &trace->record() : nullptr;
}

void PrintList::release(std::size_t i) {
    if (m_held[i] == 0) return;
    --m_held[i];
    m_list.ReleaseTrace(m_entries[i]);
}

std::string PrintList::name(std::size_t i) const {
    return fileNameOf(m_entries[i]->path);
}

std::u16string PrintList::path(std::size_t i) const {
    return toUtf16(m_entries[i]->path);
}

bool PrintList::save(std::size_t i, CT6& trace) {
    CTraceDoc* target = document(i);
    if (!target) return false;
    if (&target->record() != &trace) target->record() = trace;
    const bool saved = target->Store(m_entries[i]->path);
    release(i);
    return saved;
}

bool PrintList::addTemplate(CT6& splicesTemplate, const std::u16string& fileName) {
    const std::string folder = m_entries.empty() ? std::string() : directoryOf(m_entries[0]->path);
    const std::string path = (folder.empty() ? "" : folder + "/") + toUtf8(fileName);
    if (splicesTemplate.FileSaveAs(toUtf16(path).c_str(), u"T6", 0, 1) != 0) return false;
    m_list.AddTrace(path);
    return true;
}

} // namespace orvane::printing
