// A cable's trace files held open for a whole wizard or report run: the
// wizard walks them several times, and a trace the template was applied to
// must still be that trace when the summary reads it.
#pragma once

#include "diagnostics.h"

#include "core/bidir/splice_loss_wizard.h"
#include "core/trace/trace_doc.h"

#include <memory>
#include <string>
#include <vector>

namespace varnel::cli {

// Where changed traces and templates go.
struct CableOutput {
    std::string directory; // empty: nowhere, unless inPlace
    bool inPlace = false;
};

class CableFiles : public orvane::bidir::WizardTraces {
public:
    // Files that cannot be read are reported and left out.
    CableFiles(const std::vector<std::string>& paths, CableOutput output, Diagnostics& diagnostics);

    std::size_t size() const override { return m_documents.size(); }
    CT6* acquire(std::size_t i) override { return &m_documents[i]->record(); }
    void release(std::size_t) override {}
    std::string name(std::size_t i) const override;
    std::u16string path(std::size_t i) const override;
    bool save(std::size_t i, CT6& trace) override;
    bool addTemplate(CT6& splicesTemplate, const std::u16string& fileName) override;

    const std::string& filePath(std::size_t i) const { return m_paths[i]; }
    const std::vector<std::string>& templatesWritten() const { return m_templates; }
    const std::vector<std::string>& tracesWritten() const { return m_written; }

private:
    std::string outputPath(const std::string& fileName) const;

    CableOutput m_output;
    Diagnostics& m_diagnostics;
    std::vector<std::string> m_paths;
    std::vector<std::unique_ptr<orvane::CTraceDoc>> m_documents;
    std::vector<std::string> m_templates;
    std::vector<std::string> m_written;
};

} // namespace varnel::cli
