// Opening and saving trace files through the viewer's trace document, with
// its messages gathered as diagnostics of the file.
#pragma once

#include "diagnostics.h"

#include "core/platform/prompt.h"
#include "core/trace/trace_doc.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnel::cli {

// Prompts of the trace document while the tool works on one file: each
// message becomes a diagnostic of that file (an error when it reports a
// failure, else a warning) and every question gets its default answer, or
// its affirmative one when the user said --yes.
class DiagnosticsPrompts : public orvane::PromptService {
public:
    DiagnosticsPrompts(Diagnostics& diagnostics, std::string path, bool affirmative = false)
        : m_diagnostics(diagnostics), m_path(std::move(path)), m_affirmative(affirmative) {}
    orvane::PromptAnswer ask(const orvane::Prompt& prompt) override;

private:
    Diagnostics& m_diagnostics;
    std::string m_path;
    bool m_affirmative;
};

// The Save As choice code of a format name ("T6", "SR4731", "GR196",
// "Bellcore", "T5", "TEK WFM", "R90", ...); 0 for none.
int32_t saveChoiceCode(std::u16string_view formatName);

// Reads the file into the document and gives it the path. A trace without a
// stored attenuation gets one calculated; an index of refraction outside
// 1.3-1.7 only warns.
bool openTrace(const std::string& path, orvane::CTraceDoc& document, Diagnostics& diagnostics);

// Writes the document to path in the format of the choice code; the file is
// replaced only once complete, and a read-only target is refused.
bool saveTrace(orvane::CTraceDoc& document, const std::string& path, int32_t choiceCode,
               Diagnostics& diagnostics);

// Writes a record made here (not read from a file) under a library format
// name, with the same checks and messages.
bool saveNewRecord(CT6& record, const std::string& path, const std::u16string& formatName,
                   Diagnostics& diagnostics);

// Writes the document to its own file in the format it was read in.
bool saveTraceInPlace(orvane::CTraceDoc& document, Diagnostics& diagnostics);

// Writes a text file (an export, a simulation's truth) the way traces are
// saved: the old file stays until the new one is complete.
bool writeTextFile(const std::string& path, std::string_view text, Diagnostics& diagnostics);

} // namespace varnel::cli
