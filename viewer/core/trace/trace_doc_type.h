// The trace document type, registered once per trace file family.
#pragma once

#include "core/platform/document_type.h"

#include <memory>

namespace orvane {

inline constexpr char kTraceDocStrings[] = "\nTrace\nTrace\nTrace (*.trc)\n\n\n";
inline constexpr char kTekTraceDocStrings[] = "\nTrTEK\nTEK Trace\nTEK Traces (*.wfm)\n.WFM\n\n";
inline constexpr char kAnritsuTraceDocStrings[] =
    "\nTrAnr\nAnritsu Trace\nAnritsu Traces (*.dat)\n.DAT\n\n";
inline constexpr char kBellTraceDocStrings[] =
    "\nTrBELL\nBELL Trace\nBELL Traces (*.sor)\n.SOR\n\n";

// A document type whose documents are CTraceDoc, opened through
// CTraceDoc::OnOpenDocument.
std::unique_ptr<DocumentType> makeTraceDocType(const char* docStrings);

} // namespace orvane
