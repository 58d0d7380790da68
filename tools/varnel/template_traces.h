// Trace files as the sequence a template build or application walks through:
// each file is opened when reached and let go after use.
#pragma once

#include "diagnostics.h"

#include "core/bidir/trace_sequence.h"
#include "core/trace/trace_doc.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

namespace varnel::cli {

class TraceFiles : public orvane::bidir::TraceSequence {
public:
    // A path equal to the reference's gives the reference record itself.
    TraceFiles(std::vector<std::string> paths, Diagnostics& diagnostics,
               const std::string& referencePath = {}, CT6* reference = nullptr);

    std::size_t size() const override { return m_paths.size(); }
    CT6* acquire(std::size_t i) override;
    void release(std::size_t i) override;
    std::string name(std::size_t i) const override;

    const std::string& path(std::size_t i) const { return m_paths[i]; }
    // The document of the trace acquired last and not yet released (not the
    // reference's); null when there is none.
    orvane::CTraceDoc* openDocument() const { return m_open.get(); }

private:
    std::vector<std::string> m_paths;
    Diagnostics& m_diagnostics;
    std::string m_referencePath;
    CT6* m_reference;
    std::unique_ptr<orvane::CTraceDoc> m_open;
};

// The template events of a record from event 1 on: start_km, end_km, type,
// loss_db and loss_mode each.
nlohmann::ordered_json templateEventsJson(const CT6& record);
std::string templateEventsText(const CT6& record);

} // namespace varnel::cli
