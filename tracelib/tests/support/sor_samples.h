// Facts about the shared real SR-4731 files, as listed in their SOURCES.md
// (read from the files with an independent dump script, not by this library).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnel::test {

struct SorSampleFacts {
    const char* file;
    int issue;
    int mapRevision;
    int nominalNM;
    int actualTenthsNM; // FxdParams actual wavelength field
    int pulseNS;        // first pulse width
    int32_t points;
    int scaleFactor;
    int keyEvents; // -1: no KeyEvents block
    const char* supplier;
};

const std::vector<SorSampleFacts>& sorSampleFacts();

// Names usable in test names: letters and digits only.
std::string sampleTestName(const SorSampleFacts& facts);

} // namespace varnel::test
