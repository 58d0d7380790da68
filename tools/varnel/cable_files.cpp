#include "cable_files.h"

#include "trace_io.h"

#include "core/platform/text.h"

#include <filesystem>

namespace varnel::cli {

CableFiles::CableFiles(const std::vector<std::string>& paths, CableOutput output,
                       Diagnostics& diagnostics)
    : m_output(std::move(output)), m_diagnostics(diagnostics) {
    for (const std::string& path : paths) {
        auto document = std::make_unique<orvane::CTraceDoc>();
        if (!openTrace(path, *document, diagnostics)) continue;
        m_paths.push_back(path);
        m_documents.push_back(std::move(document));
    }
}

std::string CableFiles::name(std::size_t i) const {
    return orvane::fileNameOf(m_paths[i]);
}

std::u16string CableFiles::path(std::size_t i) const {
    return orvane::toUtf16(m_paths[i]);
}

std::string CableFiles::outputPath(const std::string& fileName) const {
    return (std::filesystem::path(m_output.directory) / fileName).string();
}

bool CableFiles::save(std::size_t i, CT6&) {
    if (m_output.inPlace) {
        const bool saved = saveTraceInPlace(*m_documents[i], m_diagnostics);
        if (saved) m_written.push_back(m_paths[i]);
        return saved;
    }
    if (m_output.directory.empty()) return true;
    std::error_code error;
    std::filesystem::create_directories(m_output.directory, error);
    const std::string target = outputPath(name(i));
    DiagnosticsPrompts prompts(m_diagnostics, target);
    orvane::ScopedPrompts installed(prompts);
    const bool saved = m_documents[i]->Store(target);
    if (saved) m_written.push_back(target);
    return saved;
}

bool CableFiles::addTemplate(CT6& splicesTemplate, const std::u16string& fileName) {
    std::string directory = m_output.directory;
    if (directory.empty() && m_output.inPlace && !m_paths.empty())
        directory = orvane::directoryOf(m_paths.front());
    if (directory.empty() && !m_output.inPlace) return true;
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    const std::string target =
        (std::filesystem::path(directory) / orvane::toUtf8(fileName)).string();
    const bool saved = saveNewRecord(splicesTemplate, target, u"T6", m_diagnostics);
    if (saved) m_templates.push_back(target);
    return saved;
}

} // namespace varnel::cli
