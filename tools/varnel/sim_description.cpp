#include "sim_description.h"

#include "text.h"

#include <cmath>
#include <cstdio>
#include <set>

namespace varnel::cli {

namespace {

using varnel::sim::FibreDescription;

constexpr int32_t kMaxPointCount = 4 * 1024 * 1024;
constexpr size_t kMaxSections = 1000;
constexpr size_t kMaxEvents = 1000;
// The simulator visits every section and event for every point; this bounds
// its time to a few seconds.
constexpr double kMaxPointVisits = 256.0 * 1024 * 1024;

// Reads key into target when present, checking its type and range.
template <typename T>
void read(const nlohmann::ordered_json& object, const char* key, T& target, double low,
          double high) {
    if (!object.contains(key)) return;
    const nlohmann::ordered_json& value = object[key];
    if (!value.is_number()) throw DescriptionError(std::string(key) + " must be a number");
    double v = value.get<double>();
    if (!std::isfinite(v) || v < low || v > high) {
        char range[128];
        std::snprintf(range, sizeof range, " must lie between %.10g and %.10g", low, high);
        throw DescriptionError(key + std::string(range));
    }
    target = value.get<T>();
}

void checkKeys(const nlohmann::ordered_json& object, const std::set<std::string>& known,
               const char* where) {
    if (!object.is_object()) throw DescriptionError(std::string(where) + " must be an object");
    for (const auto& item : object.items())
        if (!known.count(item.key()))
            throw DescriptionError("Unknown key \"" + item.key() + "\" in " + where);
}

const std::set<std::string> kFibreKeys = {"resolutionM",
                                          "indexOfRefraction",
                                          "backscatterDB",
                                          "wavelengthNM",
                                          "fiberMode",
                                          "pointCount",
                                          "scaleFactor",
                                          "zeroKMPoint",
                                          "pulseNS",
                                          "preampType",
                                          "dynamicRangeDB",
                                          "launchLevelDB",
                                          "noiseFloorDB",
                                          "noiseSpread",
                                          "seed",
                                          "sections",
                                          "events",
                                          "launchReflectanceDB",
                                          "endReflectanceDB",
                                          "recoveryKM",
                                          "eventTable",
                                          "header",
                                          "comment"};

void readSections(const nlohmann::ordered_json& d, FibreDescription& f) {
    if (!d.contains("sections")) return;
    if (!d["sections"].is_array() || d["sections"].empty())
        throw DescriptionError("sections must be a non-empty array");
    if (d["sections"].size() > kMaxSections)
        throw DescriptionError("A description holds at most 1000 sections");
    f.sections.clear();
    for (const nlohmann::ordered_json& s : d["sections"]) {
        checkKeys(s, {"lengthKM", "attenDBKM"}, "a section");
        varnel::sim::FibreSection section;
        read(s, "lengthKM", section.lengthKM, 1e-3, 1000.0);
        read(s, "attenDBKM", section.attenDBKM, 0.0, 20.0);
        f.sections.push_back(section);
    }
}

void readEvents(const nlohmann::ordered_json& d, FibreDescription& f) {
    if (!d.contains("events")) return;
    if (!d["events"].is_array()) throw DescriptionError("events must be an array");
    if (d["events"].size() > kMaxEvents)
        throw DescriptionError("A description holds at most 1000 events");
    double lengthKM = 0;
    for (const varnel::sim::FibreSection& s : f.sections)
        lengthKM += s.lengthKM;
    f.events.clear();
    for (const nlohmann::ordered_json& e : d["events"]) {
        checkKeys(e, {"positionKM", "lossDB", "reflectanceDB", "comment"}, "an event");
        varnel::sim::FibreEvent event;
        read(e, "positionKM", event.positionKM, 0.0, lengthKM);
        read(e, "lossDB", event.lossDB, -5.0, 60.0);
        read(e, "reflectanceDB", event.reflectanceDB, -100.0, 0.0);
        if (event.positionKM <= 0.0 || event.positionKM >= lengthKM)
            throw DescriptionError("an event must lie strictly inside the fibre");
        f.events.push_back(event);
    }
}

} // namespace

FibreDescription fibreFromJson(const nlohmann::ordered_json& d) {
    checkKeys(d, kFibreKeys, "the description");
    FibreDescription f;
    read(d, "resolutionM", f.resolutionM, 0.01, 1000.0);
    read(d, "indexOfRefraction", f.indexOfRefraction, 1.0, 2.0);
    read(d, "backscatterDB", f.backscatterDB, -100.0, -30.0);
    read(d, "wavelengthNM", f.wavelengthNM, 600.0, 2000.0);
    read(d, "fiberMode", f.fiberMode, 0, 1);
    read(d, "pointCount", f.pointCount, 64, kMaxPointCount);
    read(d, "scaleFactor", f.scaleFactor, 100, 10000);
    read(d, "zeroKMPoint", f.zeroKMPoint, 0, f.pointCount - 1);
    read(d, "pulseNS", f.pulseNS, 1, 100000);
    read(d, "preampType", f.preampType, 1, 2);
    read(d, "dynamicRangeDB", f.dynamicRangeDB, 1.0, 60.0);
    read(d, "launchLevelDB", f.launchLevelDB, 0.0, 60.0);
    read(d, "noiseFloorDB", f.noiseFloorDB, -20.0, 60.0);
    read(d, "noiseSpread", f.noiseSpread, 0.0, 1.0);
    read(d, "seed", f.seed, 0, 4294967295.0);
    read(d, "launchReflectanceDB", f.launchReflectanceDB, -100.0, 0.0);
    read(d, "endReflectanceDB", f.endReflectanceDB, -100.0, 0.0);
    read(d, "recoveryKM", f.recoveryKM, 0.0, 100.0);
    if (d.contains("eventTable")) {
        if (!d["eventTable"].is_boolean())
            throw DescriptionError("eventTable must be true or false");
        f.eventTable = d["eventTable"].get<bool>();
    }
    readSections(d, f);
    readEvents(d, f);
    const double visits = static_cast<double>(f.pointCount) *
                          static_cast<double>(f.sections.size() + f.events.size());
    if (visits > kMaxPointVisits)
        throw DescriptionError("Too many points for so many sections and events: pointCount x "
                               "(sections + events) must stay below 268435456");
    return f;
}

namespace {

void setText(const nlohmann::ordered_json& header, const char* key, CT6& record,
             void (CT6::*setter)(const char16_t*)) {
    if (!header.contains(key)) return;
    if (!header[key].is_string()) throw DescriptionError(std::string(key) + " must be a text");
    (record.*setter)(toUtf16(header[key].get<std::string>()).c_str());
}

void setDateTime(const nlohmann::ordered_json& header, CT6& record) {
    if (!header.contains("dateTime")) return;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    const std::string text =
        header["dateTime"].is_string() ? header["dateTime"].get<std::string>() : std::string();
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%*1[ T]%2d:%2d:%2d", &year, &month, &day, &hour,
                    &minute, &second) != 6 ||
        month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59)
        throw DescriptionError("dateTime must read YYYY-MM-DD HH:MM:SS");
    record.SetTimeYMDHMS(year, month, day, hour, minute, second);
}

} // namespace

void applyHeader(const nlohmann::ordered_json& description, const FibreDescription& fibre,
                 CT6& record) {
    record.SetRangeNominalKM(fibre.pointCount * fibre.resolutionM / 1000.0);
    if (!description.contains("header")) return;
    const nlohmann::ordered_json& header = description["header"];
    checkKeys(header,
              {"manufacturer", "model", "opticsModule", "fiberNumber", "cableID", "siteA", "siteB",
               "dateTime", "averages"},
              "header");
    setText(header, "manufacturer", record, &CT6::SetManufacturer);
    setText(header, "model", record, &CT6::SetModel);
    setText(header, "opticsModule", record, &CT6::SetOpticsModule);
    setText(header, "fiberNumber", record, &CT6::SetFiberNumber);
    setText(header, "cableID", record, &CT6::SetCableID);
    setText(header, "siteA", record, &CT6::SetSiteA);
    setText(header, "siteB", record, &CT6::SetSiteB);
    setDateTime(header, record);
    int32_t averages = 0;
    read(header, "averages", averages, 0, 1e9);
    if (averages > 0) record.SetAvgComplete(averages);
    record.ClearAllModFlags();
}

nlohmann::ordered_json truthToJson(const varnel::sim::SimulatedFibre& truth) {
    nlohmann::ordered_json events = nlohmann::ordered_json::array();
    for (const varnel::sim::TrueEvent& e : truth.events)
        events.push_back({{"type", e.type},
                          {"positionKM", e.positionKM},
                          {"lossDB", e.lossDB},
                          {"reflectanceDB", e.reflectanceDB},
                          {"levelBeforeDB", e.levelBeforeDB},
                          {"peakDB", e.peakDB},
                          {"clamped", e.clamped},
                          {"saturated", e.saturated}});
    return {{"endKM", truth.endKM},
            {"dxKM", truth.dxKM},
            {"pointsPerPulse", truth.pointsPerPulse},
            {"clampDB", truth.clampDB},
            {"saturationDB", truth.saturationDB},
            {"events", events}};
}

} // namespace varnel::cli
