#include "core/headered/header_doc_type.h"

#include "core/headered/header_doc.h"

namespace orvane {

std::unique_ptr<DocumentType> makeHeaderDocType() {
    return std::make_unique<DocumentType>(
        kHeaderDocStrings, [] { return std::make_unique<CHeaderDoc>(); },
        [](Document& document, const std::string& path) {
            return static_cast<CHeaderDoc&>(document).OnOpenDocument(path);
        });
}

} // namespace orvane
