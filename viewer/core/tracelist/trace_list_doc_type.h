// The trace list document type: ".TRL" files, documents that open their
// traces through a trace document type.
#pragma once

#include "core/platform/document_type.h"

#include <memory>

namespace orvane {

std::unique_ptr<DocumentType> makeTraceListDocType(DocumentType& traceType);

} // namespace orvane
