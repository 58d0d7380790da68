#include "core/bidir/cable_set.h"

#include "core/platform/text.h"

#include <algorithm>
#include <cstdio>

namespace orvane::bidir {

namespace {

// Codes in the order they were first met.
void addDistinct(std::vector<std::string>& codes, const std::string& code) {
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
}

template <typename... Args> std::string format(const char* pattern, Args... args) {
    char text[512];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

struct Codes {
    std::vector<std::string> locations;
    std::vector<std::string> froms;
    std::vector<std::string> tos;
};

Codes codesOf(const std::vector<DecodedTraceName>& names) {
    Codes codes;
    for (const DecodedTraceName& name : names) {
        const std::string from = toUtf8(name.from);
        const std::string to = toUtf8(name.to);
        addDistinct(codes.locations, from);
        addDistinct(codes.locations, to);
        addDistinct(codes.froms, from);
        addDistinct(codes.tos, to);
    }
    return codes;
}

std::optional<std::string> checkLocations(const Codes& codes, bool oneDirectional) {
    if (codes.locations.size() == 1) return format(kOneLocationText, codes.locations[0].c_str());
    if (codes.locations.size() >= 3)
        return format(kThreeLocationsText, codes.locations[0].c_str(), codes.locations[1].c_str(),
                      codes.locations[2].c_str());
    if (oneDirectional) {
        if (codes.froms.size() >= 2) return std::string(kTwoFromText);
        if (codes.tos.size() >= 2) return std::string(kTwoToText);
        return std::nullopt;
    }
    if (codes.froms.size() != 2) return std::string(kOneFromText);
    if (codes.tos.size() != 2) return std::string(kOneToText);
    return std::nullopt;
}

// Fills one direction from the names going from -> to.
std::optional<std::string> collectDirection(const std::vector<DecodedTraceName>& names,
                                            CableDirection& direction) {
    bool any = false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (toUtf8(names[i].from) != direction.from || toUtf8(names[i].to) != direction.to)
            continue;
        const std::string wavelength = toUtf8(names[i].wavelength);
        if (!any) direction.wavelength = wavelength;
        any = true;
        if (wavelength != direction.wavelength)
            return format(kWavelengthsText, direction.wavelength.c_str(), wavelength.c_str());
        if (!direction.traceOfFiber.emplace(names[i].fiber, i).second)
            return format(kSameFiberText, names[i].fiber);
    }
    if (!any) return format(kNoTracesText, direction.from.c_str(), direction.to.c_str());
    return std::nullopt;
}

std::optional<std::string> checkPairs(const CableDirection& a, const CableDirection& b) {
    // The smallest unpaired fibre number of either direction.
    std::optional<int32_t> unpaired;
    for (const auto& [fiber, trace] : a.traceOfFiber)
        if (!b.traceOfFiber.contains(fiber)) {
            unpaired = fiber;
            break;
        }
    for (const auto& [fiber, trace] : b.traceOfFiber)
        if (!a.traceOfFiber.contains(fiber)) {
            if (!unpaired || fiber < *unpaired) unpaired = fiber;
            break;
        }
    if (unpaired) return format(kNoPairText, *unpaired);
    return std::nullopt;
}

} // namespace

CableSetResult BuildCableSet(const std::vector<DecodedTraceName>& names, bool oneDirectional) {
    CableSetResult result;
    if (names.empty()) {
        result.message = format(kOneLocationText, "");
        return result;
    }
    const Codes codes = codesOf(names);
    if (std::optional<std::string> refusal = checkLocations(codes, oneDirectional)) {
        result.message = *refusal;
        return result;
    }
    // A is the first from-location met; B the other location.
    const std::string a = codes.froms[0];
    const std::string b = codes.locations[0] == a ? codes.locations[1] : codes.locations[0];
    CableSet set;
    set.directions.push_back({a, b, {}, {}});
    if (!oneDirectional) set.directions.push_back({b, a, {}, {}});
    for (CableDirection& direction : set.directions)
        if (std::optional<std::string> refusal = collectDirection(names, direction)) {
            result.message = *refusal;
            return result;
        }
    if (!oneDirectional)
        if (std::optional<std::string> refusal = checkPairs(set.directions[0], set.directions[1])) {
            result.message = *refusal;
            return result;
        }
    result.set = std::move(set);
    return result;
}

} // namespace orvane::bidir
