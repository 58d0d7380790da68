// The header template document type: ".HDR" files edited as text.
#pragma once

#include "core/platform/document_type.h"

#include <memory>

namespace orvane {

inline constexpr char kHeaderDocStrings[] =
    "\nHTempl\nHeader Template\nHeader Templates (*.hdr)\n.HDR\n\n";

std::unique_ptr<DocumentType> makeHeaderDocType();

} // namespace orvane
