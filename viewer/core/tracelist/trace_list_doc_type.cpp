#include "core/tracelist/trace_list_doc_type.h"

#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_messages.h"

namespace orvane {

std::unique_ptr<DocumentType> makeTraceListDocType(DocumentType& traceType) {
    return std::make_unique<DocumentType>(
        kTraceListDocStrings, [&traceType] { return std::make_unique<CTraceListDoc>(traceType); },
        [](Document& document, const std::string& path) {
            return static_cast<CTraceListDoc&>(document).OnOpenDocument(path);
        });
}

} // namespace orvane
