#include "core/trace/trace_doc_type.h"

#include "core/trace/trace_doc.h"

namespace orvane {

std::unique_ptr<DocumentType> makeTraceDocType(const char* docStrings) {
    return std::make_unique<DocumentType>(
        docStrings, [] { return std::make_unique<CTraceDoc>(); },
        [](Document& document, const std::string& path) {
            return static_cast<CTraceDoc&>(document).OnOpenDocument(path);
        });
}

} // namespace orvane
