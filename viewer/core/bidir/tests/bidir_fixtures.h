// Cables for the bi-directional tests, built with the fibre simulator: fibres
// that share their splice positions, each with its own noise and a slightly
// different length, analysed the way the instrument would.
#pragma once

#include "core/bidir/trace_sequence.h"

#include <varnel/fibre_simulator.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane::bidir::test {

struct CableSplice {
    double positionKM = 0.0;
    double lossDB = 0.0;
    double reflectanceDB = 0.0;
};

struct CableDescription {
    int32_t fibres = 10;
    double lengthKM = 20.0;
    double lengthStepKM = 0.01; // fibre f is f x this longer
    std::vector<CableSplice> splices;
    double resolutionM = 2.0;
    int32_t pointCount = 16384;
    double noiseSpread = 0.3;
};

// One simulated fibre of the cable: the description and its analysed record.
varnel::sim::FibreDescription fibreOf(const CableDescription& cable, int32_t fibre);

// Simulates every fibre and replaces its event table by the automatic
// analysis's (thresholds 0.02 dB loss, -60 dB reflectance).
std::vector<std::unique_ptr<CT6>> buildCable(const CableDescription& cable);

// A trace whose table holds exactly the given splices (no analysis).
std::unique_ptr<CT6> tracedFibre(const CableDescription& cable, int32_t fibre);

class RecordSequence : public TraceSequence {
public:
    void add(CT6* record, std::string name) { m_entries.push_back({record, std::move(name)}); }
    std::size_t size() const override { return m_entries.size(); }
    CT6* acquire(std::size_t i) override { return m_entries[i].record; }
    void release(std::size_t) override { ++released; }
    std::string name(std::size_t i) const override { return m_entries[i].name; }
    int released = 0;

private:
    struct Entry {
        CT6* record;
        std::string name;
    };
    std::vector<Entry> m_entries;
};

RecordSequence sequenceOf(const std::vector<std::unique_ptr<CT6>>& records);

} // namespace orvane::bidir::test
