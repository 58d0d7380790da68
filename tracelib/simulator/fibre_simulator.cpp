#include <varnel/fibre_simulator.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace varnel::sim {
namespace {

double linearFromLevel(double levelDB) {
    return std::pow(10.0, levelDB / 5.0);
}
double levelFromLinear(double power) {
    return 5.0 * std::log10(power);
}

double fibreEndKM(const FibreDescription& fibre) {
    double km = 0.0;
    for (const FibreSection& section : fibre.sections)
        km += section.lengthKM;
    return km;
}

double attenuationLossDB(const FibreDescription& fibre, double km) {
    double loss = 0.0;
    double start = 0.0;
    for (const FibreSection& section : fibre.sections) {
        if (km <= start) break;
        loss += (std::min(km, start + section.lengthKM) - start) * section.attenDBKM;
        start += section.lengthKM;
    }
    return loss;
}

// One-way loss from 0 km to km; events exactly at km count when `includeAt`.
double oneWayLossDB(const FibreDescription& fibre, double km, bool includeAt) {
    double loss = attenuationLossDB(fibre, km);
    for (const FibreEvent& event : fibre.events)
        if (event.positionKM < km || (includeAt && event.positionKM == km)) loss += event.lossDB;
    return loss;
}

struct ReceiverLimits {
    double clampDB;
    double saturationDB;
};

ReceiverLimits receiverLimits(double dynamicRangeDB, int32_t widthNS, int32_t preampType) {
    double d = dynamicRangeDB;
    if (preampType == 1) return {d - 0.5, d};
    return {d - 3.0, widthNS >= 50 ? d - 0.5 : d - 2.0};
}

double receiverOutputDB(double levelDB, const ReceiverLimits& limits) {
    if (levelDB > limits.clampDB) levelDB = limits.clampDB + (levelDB - limits.clampDB) / 2.0;
    return std::min(levelDB, limits.saturationDB);
}

// One pulse segment as the trace's points see it.
struct Pulse {
    int32_t startDP;
    int32_t widthNS;
    int32_t preampType;
    int32_t pointsPerPulse;
    ReceiverLimits limits;
};

struct Geometry {
    double dxKM;
    int32_t zeroKMPoint;
    int32_t count;
    std::vector<Pulse> pulses; // by start point, the first at point 0

    double kmAt(int32_t i) const { return (i - zeroKMPoint) * dxKM; }
    // First point at or after km.
    int32_t pointAtOrAfter(double km) const {
        return zeroKMPoint + static_cast<int32_t>(std::ceil(km / dxKM - 1e-9));
    }
    const Pulse& pulseAt(int32_t i) const {
        size_t k = 0;
        while (k + 1 < pulses.size() && pulses[k + 1].startDP <= i)
            ++k;
        return pulses[k];
    }
};

Geometry geometryOf(const FibreDescription& fibre) {
    Geometry g;
    g.dxKM = fibre.resolutionM * T6GetSpeedOfLight() / (fibre.indexOfRefraction * 2e8);
    g.zeroKMPoint = fibre.zeroKMPoint;
    g.count = fibre.pointCount;
    auto add = [&](int32_t startDP, int32_t widthNS, int32_t preampType) {
        int32_t pp = std::max(T6LONGRounded(widthNS / (10.0 * fibre.resolutionM)), 1);
        g.pulses.push_back({startDP, widthNS, preampType, pp,
                            receiverLimits(fibre.dynamicRangeDB, widthNS, preampType)});
    };
    add(0, fibre.pulseNS, fibre.preampType);
    for (const PulseSegment& p : fibre.laterPulses)
        add(g.pointAtOrAfter(p.startKM), p.widthNS, p.preampType);
    return g;
}

// Linear power a reflection adds over its pulse, relative to the backscatter
// just before it.
double reflectionRatio(const FibreDescription& fibre, const Pulse& pulse, double reflectanceDB) {
    return std::pow(10.0, (reflectanceDB - fibre.backscatterDB) / 10.0) / pulse.widthNS;
}

std::vector<TrueEvent> trueEvents(const FibreDescription& fibre, const Geometry& g) {
    std::vector<TrueEvent> events;
    auto add = [&](int32_t type, double km, double lossDB, double reflDB) {
        TrueEvent e;
        e.type = type;
        e.positionKM = km;
        e.lossDB = lossDB;
        e.reflectanceDB = reflDB;
        e.levelBeforeDB = fibre.launchLevelDB - oneWayLossDB(fibre, km, false);
        e.peakDB = e.levelBeforeDB;
        const Pulse& pulse = g.pulseAt(g.pointAtOrAfter(km));
        if (reflDB != 0.0) e.peakDB += levelFromLinear(1.0 + reflectionRatio(fibre, pulse, reflDB));
        const ReceiverLimits& limits = pulse.limits;
        double shown = receiverOutputDB(e.peakDB, limits);
        e.clamped = reflDB != 0.0 && shown >= limits.clampDB;
        e.saturated = reflDB != 0.0 && shown >= limits.saturationDB;
        events.push_back(e);
    };
    add(T6_EVENT_LAUNCH, 0.0, 0.0, fibre.launchReflectanceDB);
    std::vector<FibreEvent> sorted = fibre.events;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.positionKM < b.positionKM; });
    for (const FibreEvent& e : sorted)
        add(e.reflectanceDB != 0.0 ? T6_EVENT_REFLECTIVE : T6_EVENT_NON_REFLECTIVE, e.positionKM,
            e.lossDB, e.reflectanceDB);
    add(T6_EVENT_END, fibreEndKM(fibre), 0.0, fibre.endReflectanceDB);
    return events;
}

// Backscatter power per point as the fibre returns it to an infinitely short pulse.
std::vector<double> impulseBackscatter(const FibreDescription& fibre, const Geometry& g) {
    std::vector<double> power(g.count, 0.0);
    double endKM = fibreEndKM(fibre);
    for (int32_t i = 0; i < g.count; ++i) {
        double km = g.kmAt(i);
        if (km < 0.0 || km >= endKM) continue;
        power[i] = linearFromLevel(backscatterLevelDB(fibre, km));
    }
    return power;
}

// Each point sees the backscatter of its pulse's extent behind it.
std::vector<double> averageOverPulse(const std::vector<double>& power, const Geometry& g) {
    std::vector<double> sums(power.size() + 1, 0.0);
    for (size_t i = 0; i < power.size(); ++i)
        sums[i + 1] = sums[i] + power[i];
    std::vector<double> averaged(power.size(), 0.0);
    for (int32_t i = 0; i < static_cast<int32_t>(power.size()); ++i) {
        int32_t pp = g.pulseAt(i).pointsPerPulse;
        averaged[i] = std::max(sums[i + 1] - sums[std::max(i + 1 - pp, 0)], 0.0) / pp;
    }
    return averaged;
}

void addReflections(std::vector<double>& power, const FibreDescription& fibre,
                    const std::vector<TrueEvent>& events, const Geometry& g) {
    for (const TrueEvent& e : events) {
        if (e.reflectanceDB == 0.0) continue;
        int32_t first = g.pointAtOrAfter(e.positionKM);
        const Pulse& pulse = g.pulseAt(first);
        double reflected =
            linearFromLevel(e.levelBeforeDB) * reflectionRatio(fibre, pulse, e.reflectanceDB);
        int32_t top = first + pulse.pointsPerPulse;
        for (int32_t i = std::max(first, 0); i < std::min(top, g.count); ++i)
            power[i] += reflected;
        if (fibre.recoveryKM <= 0.0) continue;
        for (int32_t i = std::max(top, 0); i < g.count; ++i) {
            double tail = reflected * std::exp(-(i - top + 1) * g.dxKM / fibre.recoveryKM);
            if (tail < 1e-9) break;
            power[i] += tail;
        }
    }
}

// Gaussian numbers from a fully specified generator, so a seed gives the same
// trace with every standard library.
class NoiseSource {
public:
    explicit NoiseSource(uint32_t seed) : m_engine(seed) {}
    double next() {
        constexpr double scale = 1.0 / 4294967296.0;
        double u1 = (m_engine() + 0.5) * scale;
        double u2 = (m_engine() + 0.5) * scale;
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
    }

private:
    std::mt19937 m_engine;
};

std::vector<double> receiverLevels(const std::vector<double>& power, const FibreDescription& fibre,
                                   const Geometry& g) {
    std::vector<double> levels(power.size());
    NoiseSource noise(fibre.seed);
    double noisePower = linearFromLevel(fibre.noiseFloorDB);
    // |sqrt(pi/2) g| has a mean of 1: the spread changes the noise's scatter,
    // not its mean power.
    double steady = 1.0 - fibre.noiseSpread;
    double random = fibre.noiseSpread * std::sqrt(std::numbers::pi / 2.0);
    for (size_t i = 0; i < power.size(); ++i) {
        double n = noisePower;
        if (fibre.noiseSpread > 0.0) n *= std::max(std::fabs(steady + random * noise.next()), 1e-9);
        const ReceiverLimits& limits = g.pulseAt(static_cast<int32_t>(i)).limits;
        levels[i] = receiverOutputDB(levelFromLinear(power[i] + n), limits);
    }
    return levels;
}

std::vector<uint16_t> quantise(const std::vector<double>& levels, int32_t scaleFactor) {
    std::vector<uint16_t> values(levels.size());
    for (size_t i = 0; i < levels.size(); ++i)
        values[i] = static_cast<uint16_t>(
            std::clamp<int32_t>(T6LONGRounded(levels[i] * scaleFactor), 0, 65535));
    return values;
}

void writeAcquisition(CT6& record, const FibreDescription& fibre) {
    record.InitAll();
    record.SetResoNominalM(fibre.resolutionM);
    record.SetWavelengthNominal(fibre.wavelengthNM);
    record.SetFiberMode(fibre.fiberMode);
    record.SetDynamicRange(fibre.dynamicRangeDB);
    record.SpanInitArray(1);
    record.SpanInsert();
    record.SpanSetIOR(0, fibre.indexOfRefraction);
    record.SpanSetBackScatter(0, fibre.backscatterDB);

    record.SFInitArray(1);
    record.SFInsert();
    record.SFSetScaleFactor(0, fibre.scaleFactor);
}

// The record's interface holds one pulse segment; only file readers fill
// more. The later segments shape the levels all the same and are listed in
// the result for whoever may write them.
void writePulses(CT6& record, const Geometry& g) {
    record.PWInitArray(static_cast<int32_t>(g.pulses.size()));
    record.PWInsert();
    record.PWSetStartDP(0, g.pulses[0].startDP);
    record.PWSetNanoSec(0, g.pulses[0].widthNS);
    record.PWSetPreampType(0, g.pulses[0].preampType);
}

void writeDataPoints(CT6& record, const FibreDescription& fibre,
                     const std::vector<double>& levels) {
    std::vector<uint16_t> values = quantise(levels, fibre.scaleFactor);
    int32_t count = static_cast<int32_t>(values.size());
    record.DPOInitArray(count);
    record.DPOSetCount(count);
    record.DPOSetDPO(0, count, values.data());
    record.DPWSetup(1);
    if (!fibre.linearSamples) return;
    record.DPLInitArray(count);
    record.DPLSetCount(count);
    record.DPLSetSF(fibre.scaleFactor);
    record.DPLSetBaseline(0.0);
    record.DPLSetReference(0.0);
    double* linear = record.DPLGetPtr(0);
    for (int32_t i = 0; i < count; ++i)
        linear[i] = linearFromLevel(levels[i]);
}

void writeEventTable(CT6& record, const std::vector<TrueEvent>& events, const Geometry& g,
                     double recoveryKM) {
    record.EVInitArray(static_cast<int32_t>(events.size()));
    for (const TrueEvent& e : events) {
        double pulseKM = g.pulseAt(g.pointAtOrAfter(e.positionKM)).pointsPerPulse * g.dxKM;
        int32_t i = record.EVInsert();
        double extentKM = e.type == T6_EVENT_NON_REFLECTIVE ? pulseKM : 2.0 * pulseKM;
        if (e.type == T6_EVENT_LAUNCH) extentKM += 5.0 * recoveryKM;
        if (e.type == T6_EVENT_END) extentKM = 0.0;
        record.EVSetType(i, e.type);
        record.EVSetStartKM(i, e.positionKM);
        record.EVSetEndKM(i, e.positionKM + extentKM);
        record.EVSetLoss(i, e.lossDB);
        record.EVSetRefl(i, e.reflectanceDB);
    }
}

} // namespace

double backscatterLevelDB(const FibreDescription& fibre, double km) {
    return fibre.launchLevelDB - oneWayLossDB(fibre, km, true);
}

SimulatedFibre simulateFibre(const FibreDescription& fibre, CT6& record) {
    writeAcquisition(record, fibre);
    Geometry g = geometryOf(fibre);
    writePulses(record, g);

    SimulatedFibre result;
    result.events = trueEvents(fibre, g);
    result.endKM = fibreEndKM(fibre);
    result.dxKM = g.dxKM;
    result.pointsPerPulse = g.pulses.front().pointsPerPulse;
    result.clampDB = g.pulses.front().limits.clampDB;
    result.saturationDB = g.pulses.front().limits.saturationDB;
    for (const Pulse& p : g.pulses)
        result.pulses.push_back({p.startDP, p.widthNS, p.preampType});

    std::vector<double> power = averageOverPulse(impulseBackscatter(fibre, g), g);
    addReflections(power, fibre, result.events, g);
    result.levelDB = receiverLevels(power, fibre, g);

    writeDataPoints(record, fibre, result.levelDB);
    record.SetZKMDPFR(fibre.zeroKMPoint, 0);
    if (fibre.eventTable) writeEventTable(record, result.events, g, fibre.recoveryKM);
    record.ClearAllModFlags();
    return result;
}

double analyticORLDB(const FibreDescription& fibre, double fromKM, double toKM, bool relToOrigin) {
    constexpr double nanosecond = 1e-9;
    // Continuous-wave backscatter per km of fibre, relative to the launched
    // power, for a backscatter coefficient given for a 1 ns pulse.
    double pulseKMPerNS = T6GetSpeedOfLight() * nanosecond / (2.0 * fibre.indexOfRefraction);
    double perKM = std::pow(10.0, fibre.backscatterDB / 10.0) / pulseKMPerNS;
    double endKM = std::min(toKM, fibreEndKM(fibre));

    // Integrate section by section between events: two-way power falls as
    // 10^(-2 × loss / 10) = 10^(-loss / 5).
    std::vector<double> edges = {fromKM, endKM};
    double start = 0.0;
    for (const FibreSection& s : fibre.sections)
        edges.push_back(start += s.lengthKM);
    for (const FibreEvent& e : fibre.events)
        edges.push_back(e.positionKM);
    std::sort(edges.begin(), edges.end());

    double returned = 0.0;
    for (size_t k = 0; k + 1 < edges.size(); ++k) {
        double a = std::max(edges[k], fromKM), b = std::min(edges[k + 1], endKM);
        if (b <= a) continue;
        double atten = (attenuationLossDB(fibre, b) - attenuationLossDB(fibre, a)) / (b - a);
        double lossA = oneWayLossDB(fibre, a, true);
        double decayPerKM = atten * std::log(10.0) / 5.0;
        double twoWayA = std::pow(10.0, -lossA / 5.0);
        returned += decayPerKM > 0.0
                        ? perKM * twoWayA * (1.0 - std::exp(-decayPerKM * (b - a))) / decayPerKM
                        : perKM * twoWayA * (b - a);
    }
    auto addReflection = [&](double km, double reflDB) {
        if (reflDB == 0.0 || km < fromKM || km > toKM) return;
        returned +=
            std::pow(10.0, reflDB / 10.0) * std::pow(10.0, -oneWayLossDB(fibre, km, false) / 5.0);
    };
    addReflection(0.0, fibre.launchReflectanceDB);
    for (const FibreEvent& e : fibre.events)
        addReflection(e.positionKM, e.reflectanceDB);
    addReflection(fibreEndKM(fibre), fibre.endReflectanceDB);

    double launched = relToOrigin ? 1.0 : std::pow(10.0, -oneWayLossDB(fibre, fromKM, false) / 5.0);
    return -10.0 * std::log10(returned / launched);
}

FibreDescription plainFibre(double lengthKM, double attenDBKM, int32_t pointCount,
                            double resolutionM, int32_t pulseNS) {
    FibreDescription fibre;
    fibre.sections = {FibreSection{lengthKM, attenDBKM}};
    fibre.pointCount = pointCount;
    fibre.resolutionM = resolutionM;
    fibre.pulseNS = pulseNS;
    return fibre;
}

} // namespace varnel::sim
