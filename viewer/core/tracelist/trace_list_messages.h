// The trace list's texts: messages, questions and dialog strings.
#pragma once

namespace orvane {

inline constexpr char kTraceListDocStrings[] =
    "\nTrList\nTrace List\nTrace Lists (*.trl)\n.TRL\n\n";
inline constexpr char kTraceListFilter[] = "Trace Lists (*.trl)";

inline constexpr char kAddTracesTitle[] = "Add Traces to Trace List";
// The Add dialog's filters: traces, then all files.
inline constexpr char kAddTracesFilter[] =
    "Traces (*.0*;*.1*;*.2*;*.3*;*.4*;*.5*;*.6*;*.7*;*.8*;*.9*;*.trc;*.sor)";
inline constexpr char kAllFilesFilter[] = "All Files (*.*)";
// Room for the chosen names of one Add dialog, and for one dropped path.
inline constexpr int kAddResultRoom = 32000;
inline constexpr int kDroppedPathRoom = 260;

inline constexpr char kRemoveQuestion[] =
    "Are you sure that you want to remove the selected traces?";
// %1: the path.
inline constexpr char kAlreadyInList[] = "The file: %1 is already in the trace list";
inline constexpr char kNoTraceFile[] = "No Trace File associated with Trace in Trace List :\n";
inline constexpr char kDuplicateTrace[] = "Duplicate trace in the Trace List :\n";
inline constexpr char kContinueProcessing[] = "Continue processing traces?";

// The framework's reports for a list file.
inline constexpr char kUnexpectedFormat[] = "Unexpected file format.";
inline constexpr char kFailedToOpen[] = "Failed to open document.";
inline constexpr char kFailedToSave[] = "Failed to save document.";
// %1: the document's name.
inline constexpr char kSaveChangesQuestion[] = "Save changes to %1?";

// Lists of other machines and moved folders.
inline constexpr char kMissingTraces[] =
    "Some traces of this list cannot be found. They stay in the list, marked as missing:";
inline constexpr int kMissingTracesShown = 10;
inline constexpr char kPathTooLong[] =
    "The path of this trace is too long to be kept in a trace list (255 bytes at most).";
inline constexpr char kTooManyTraces[] =
    "A trace list file holds at most 65535 traces; the list was not saved.";

} // namespace orvane
