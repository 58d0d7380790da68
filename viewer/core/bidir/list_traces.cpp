#include "core/bidir/list_traces.h"

#include "core/platform/file_access.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/trace/trace_doc.h"
#include "core/trace/trace_encoding.h"
#include "core/trace/trace_formats.h"
#include "core/trace/trace_messages.h"

#include <filesystem>

namespace orvane::bidir {

ListWizardTraces::ListWizardTraces(CTraceListDoc& list, TraceEntries entries)
    : m_list(list), m_entries(std::move(entries)) {}

CT6* ListWizardTraces::acquire(std::size_t i) {
    CTraceDoc* document = m_list.AcquireTrace(m_entries[i], true);
    return document ? &document->record() : nullptr;
}

void ListWizardTraces::release(std::size_t i) {
    m_list.ReleaseTrace(m_entries[i]);
}

std::string ListWizardTraces::name(std::size_t i) const {
    return fileNameOf(m_entries[i]->path);
}

std::u16string ListWizardTraces::path(std::size_t i) const {
    return toUtf16(m_entries[i]->path);
}

bool ListWizardTraces::save(std::size_t i, CT6&) {
    CTraceListEntry* entry = m_entries[i];
    CTraceDoc* document = entry->document;
    if (!document) return false;
    document->setModified(true);
    if (!document->Save()) return false;
    m_saved.push_back(entry);
    return true;
}

bool ListWizardTraces::addTemplate(CT6& splicesTemplate, const std::u16string& fileName) {
    if (m_entries.empty()) return false;
    const std::filesystem::path folder = directoryOf(m_entries.front()->path);
    const std::string target = (folder / toUtf8(fileName)).string();
    if (isReadOnlyFile(target)) {
        tellFailure("", accessDeniedText(target));
        return false;
    }
    std::vector<uint8_t> bytes;
    size_t size = 0;
    int32_t status = encodeTrace(splicesTemplate, kFormatNative, bytes, size);
    if (status == T6_FILE_OK)
        status = replaceFileContents(target, std::span<const uint8_t>(bytes.data(), size));
    if (status != T6_FILE_OK) {
        tellFailure(target, traceWriteFailureText(status));
        return false;
    }
    // A second run writes the same template file again: it stays listed once.
    if (!m_list.FindTrace(target)) m_list.AddTrace(target);
    return true;
}

void ListWizardTraces::notifyChanges() {
    if (m_saved.empty()) return;
    m_list.Notify(HINT_TRACES_ANALYZED, m_saved);
    m_list.Notify(HINT_TRACES_SAVED, m_saved);
    m_saved.clear();
}

} // namespace orvane::bidir
