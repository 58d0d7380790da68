#include "support/sor_files.h"

#include "formats/sor_write.h"
#include <varnel/fibre_simulator.h>

#include <cmath>

#include <cstring>
#include <fstream>
#include <iterator>

namespace varnel::test {

sor::SorFile fullSorFile(int issue, int32_t points) {
    sor::SorFile f;
    f.issue = issue;
    f.mapRevision = issue == 2 ? sor::kIssue2Revision : sor::kIssue1Revision;
    f.gen = {"EN",
             "CABLE-7",
             "F12",
             uint16_t(issue == 2 ? 652 : 0),
             1550,
             "North hut",
             "South hut",
             "CC9",
             "BC",
             120,
             issue == 2 ? 45 : 0,
             "Ana",
             "after repair"};
    f.sup = {"Maker", "OTDR-1", "SN100", "MOD-2", "SN200", "3.1.4", "spare"};
    f.fxd.dateTime = 1700000000;
    f.fxd.distanceUnits = "mt";
    f.fxd.actualWavelength = 15502;
    f.fxd.pulseWidths = {{100, 200000, 60}, {1000, 200000, points - 60}};
    f.fxd.groupIndex = 146800;
    f.fxd.backscatter = 800;
    f.fxd.averages = 4096;
    f.fxd.acquisitionRange = 400000;
    f.fxd.frontPanelOffset = 1200;
    f.fxd.noiseFloorLevel = 39999;
    f.fxd.noiseFloorScaleFactor = 1000;
    f.fxd.lossThreshold = 30;
    f.fxd.reflThreshold = 40000;
    f.fxd.endOfFiberThreshold = 3000;
    if (issue == 2) {
        f.fxd.acquisitionOffsetDistance = 7;
        f.fxd.averagingTimeSec = 30;
        f.fxd.acquisitionRangeDistance = 200;
        f.fxd.traceType = "ST";
        f.fxd.window = {1, 2, 3, 4};
    }
    f.hasKeyEvents = true;
    for (uint16_t i = 0; i < 3; ++i) {
        sor::KeyEvent e;
        e.number = static_cast<uint16_t>(i + 1);
        e.propagationTime = i * 5000;
        e.attenuation = 200;
        e.loss = static_cast<int16_t>(-10 + 100 * i);
        e.reflectance = i == 2 ? -45000 : 0;
        e.code = i == 2 ? "1E9999" : "0F9999";
        e.technique = i == 1 ? "LS" : "2P";
        if (issue == 2) e.markers = {i * 10, i * 20, i * 30, i * 40, i * 5000};
        e.comment = i == 1 ? "splice" : "";
        f.keyEvents.events.push_back(e);
    }
    f.keyEvents.endToEndLoss = 1234;
    f.keyEvents.endToEndMarkers = {0, 10000};
    f.keyEvents.orl = 32000;
    f.keyEvents.orlMarkers = {5, 9000};
    f.dataPts.totalPoints = points;
    sor::ScaleFactorBlock block;
    block.scaleFactor = 1000;
    for (int32_t i = 0; i < points; ++i)
        block.points.push_back(static_cast<uint16_t>(i * 37));
    f.dataPts.blocks.push_back(block);
    return f;
}

sor::SorFile simulatedSorFile(int issue) {
    const int32_t points = 16384;
    CT6 trace;
    sim::simulateFibre(sim::plainFibre(5.0, 0.35, points, 0.4, 100), trace);
    sor::SorFile f = fullSorFile(issue, points);
    auto& raw = f.dataPts.blocks[0].points;
    for (int32_t j = 0; j < points; ++j) {
        raw[size_t(j)] = static_cast<uint16_t>(std::lround((32.0 - trace.DPWGetDB(j)) * 1000));
    }
    return f;
}

int32_t openSor(CT6& r, const std::vector<uint8_t>& bytes) {
    return r.DecompSR4731(bytes.data(), static_cast<int32_t>(bytes.size()));
}

std::vector<uint8_t> saveSor(CT6& r, int32_t version) {
    std::vector<uint8_t> out(static_cast<size_t>(r.CompSR4731(version, nullptr, 0)));
    r.CompSR4731(version, out.data(), static_cast<int32_t>(out.size()));
    return out;
}

std::vector<uint8_t> writeSor(const sor::SorFile& file, std::vector<uint8_t> native) {
    return sor::writeFile(file, native);
}

int32_t getI32(const std::vector<uint8_t>& bytes, size_t at) {
    uint32_t v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | bytes.at(at + static_cast<size_t>(k));
    return static_cast<int32_t>(v);
}

uint16_t getU16(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

void putI32(std::vector<uint8_t>& bytes, size_t at, int32_t v) {
    for (size_t k = 0; k < 4; ++k)
        bytes.at(at + k) = static_cast<uint8_t>(uint32_t(v) >> (8 * k));
}

void putU16(std::vector<uint8_t>& bytes, size_t at, uint16_t v) {
    bytes.at(at) = static_cast<uint8_t>(v);
    bytes.at(at + 1) = static_cast<uint8_t>(v >> 8);
}

int32_t mapBlockCount(const std::vector<uint8_t>& file) {
    return getU16(file, 10);
}

BlockSpan findBlock(const std::vector<uint8_t>& file, std::string_view name) {
    size_t p = 12; // "Map\0", revision, map size, block count
    size_t offset = static_cast<size_t>(getI32(file, 6));
    for (int32_t i = 1; i < mapBlockCount(file); ++i) {
        const char* entry = reinterpret_cast<const char*>(file.data() + p);
        std::string entryName(entry);
        p += entryName.size() + 1;
        while (!entryName.empty() && entryName.back() == ' ')
            entryName.pop_back();
        const size_t sizeAt = p + 2;
        const auto size = static_cast<size_t>(getI32(file, sizeAt));
        if (entryName == name) return {offset, size, sizeAt};
        offset += size;
        p += 6;
    }
    return {};
}

std::vector<uint8_t> readFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path sorSampleDir() {
    const std::filesystem::path dir = std::filesystem::path(VARNEL_SHARED_SAMPLES) / "sor";
    return std::filesystem::is_directory(dir) ? dir : std::filesystem::path{};
}

} // namespace varnel::test
