#include "template_traces.h"

#include "text.h"
#include "trace_io.h"

#include <cstdio>
#include <filesystem>

namespace varnel::cli {

namespace {

bool samePath(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

} // namespace

TraceFiles::TraceFiles(std::vector<std::string> paths, Diagnostics& diagnostics,
                       const std::string& referencePath, CT6* reference)
    : m_paths(std::move(paths)), m_diagnostics(diagnostics), m_referencePath(referencePath),
      m_reference(reference) {}

CT6* TraceFiles::acquire(std::size_t i) {
    if (m_reference != nullptr && samePath(m_paths[i], m_referencePath)) return m_reference;
    m_open = std::make_unique<orvane::CTraceDoc>();
    if (!openTrace(m_paths[i], *m_open, m_diagnostics)) {
        m_open.reset();
        return nullptr;
    }
    return &m_open->record();
}

void TraceFiles::release(std::size_t) {
    m_open.reset();
}

std::string TraceFiles::name(std::size_t i) const {
    return fileNameOf(m_paths[i]);
}

nlohmann::ordered_json templateEventsJson(const CT6& record) {
    nlohmann::ordered_json events = nlohmann::ordered_json::array();
    for (int32_t i = 1; i < record.EVCount(); ++i)
        events.push_back({{"start_km", record.EVGetStartKM(i)},
                          {"end_km", record.EVGetEndKM(i)},
                          {"type", record.EVGetType(i)},
                          {"loss_db", record.EVGetLoss(i)},
                          {"loss_mode", record.EVGetLossMode(i)}});
    return events;
}

std::string templateEventsText(const CT6& record) {
    std::string text = "  #  type   start km     end km   loss dB  mode\n";
    char line[128];
    for (int32_t i = 1; i < record.EVCount(); ++i) {
        std::snprintf(line, sizeof line, "%3d  %4d  %9.4f  %9.4f  %8.3f  %4d\n", i,
                      record.EVGetType(i), record.EVGetStartKM(i), record.EVGetEndKM(i),
                      record.EVGetLoss(i), record.EVGetLossMode(i));
        text += line;
    }
    return text;
}

} // namespace varnel::cli
