// Runs the event analysis over simulated fibres with seeded random event
// layouts and prints how its table compares with the simulator's truth.
//
//   fas-eval [fibres] [seed] [-v]   defaults: 60 fibres, seed 2024; -v lists misses

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using namespace varnel::sim;

struct Figures {
    int32_t truthCount = 0;
    int32_t found = 0;
    int32_t missed = 0;
    int32_t spurious = 0;
    int32_t endsFound = 0;
    int32_t fibres = 0;
    bool verbose = false;
    int32_t noiseFloorMissing = 0;
    std::vector<double> positionErrorDP;
    std::vector<double> lossErrorDB;
    std::vector<double> reflErrorDB;
};

FibreDescription randomFibre(std::mt19937& rng) {
    const auto uniform = [&rng](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
    const int32_t pulses[] = {30, 100, 300};
    const double resolutions[] = {0.5, 1.0, 2.0};

    FibreDescription fibre;
    fibre.resolutionM = resolutions[rng() % 3];
    fibre.pulseNS = pulses[rng() % 3];
    const double lengthKM = uniform(3.0, 16.384 * fibre.resolutionM * 0.8);
    fibre.pointCount = 16384;
    const double atn = uniform(0.18, 0.40);
    fibre.sections = {{lengthKM, atn}};
    fibre.noiseSpread = uniform(0.0, 0.4);
    fibre.seed = static_cast<uint32_t>(rng());
    fibre.endReflectanceDB = rng() % 4 == 0 ? 0.0 : uniform(-45.0, -20.0);

    // Events at least 0.4 km apart and from the ends, losses from 0.05 dB up.
    const int32_t count = 2 + static_cast<int32_t>(rng() % 7);
    std::vector<double> places;
    for (int32_t tries = 0; tries < 200 && static_cast<int32_t>(places.size()) < count; ++tries) {
        const double km = uniform(0.4, lengthKM - 0.4);
        const bool clear = std::all_of(places.begin(), places.end(),
                                       [km](double other) { return std::fabs(other - km) >= 0.4; });
        if (clear) places.push_back(km);
    }
    for (const double km : places) {
        FibreEvent event;
        event.positionKM = km;
        if (rng() % 2 == 0) {
            event.lossDB = uniform(0.05, 0.5) * (rng() % 10 == 0 ? -1.0 : 1.0);
        } else {
            event.lossDB = uniform(0.1, 0.7);
            event.reflectanceDB = uniform(-65.0, -45.0);
        }
        fibre.events.push_back(event);
    }
    return fibre;
}

// Pairs each true event (launch excluded) with the nearest unused detected
// event within a pulse (at least 10 points).
void score(const SimulatedFibre& truth, CT6& record, Figures& figures) {
    const int32_t tolerance = std::max(truth.pointsPerPulse, 10);
    std::vector<bool> used(static_cast<size_t>(record.EVCount()), false);
    used[0] = true;
    for (const TrueEvent& event : truth.events) {
        if (event.type == T6_EVENT_LAUNCH) continue;
        ++figures.truthCount;
        const double trueDP = event.positionKM / truth.dxKM;
        int32_t best = -1;
        double bestError = tolerance + 1.0;
        for (int32_t i = 1; i < record.EVCount(); ++i) {
            const double error =
                std::fabs(record.EVGetStartDP(i) + record.EVGetStartFR(i) / 65536.0 - trueDP);
            if (!used[static_cast<size_t>(i)] && error < bestError) {
                best = i;
                bestError = error;
            }
        }
        if (best < 0) {
            ++figures.missed;
            if (figures.verbose) {
                std::printf("missed: %.3f km loss %.3f dB refl %.1f dB (pulse %d points)\n",
                            event.positionKM, event.lossDB, event.reflectanceDB,
                            truth.pointsPerPulse);
                for (int32_t i = 0; i < record.EVCount(); ++i) {
                    if (std::fabs(record.EVGetStartKM(i) - event.positionKM) > 1.0) continue;
                    std::printf("   near: type %d at %.3f km, loss %.3f dB, flags %x\n",
                                record.EVGetType(i), record.EVGetStartKM(i), record.EVGetLoss(i),
                                record.EVGetFlags(i));
                }
            }
            continue;
        }
        used[static_cast<size_t>(best)] = true;
        ++figures.found;
        figures.positionErrorDP.push_back(bestError);
        if (event.type == T6_EVENT_END) {
            ++figures.endsFound;
            continue;
        }
        if (record.EVGetType(best) != T6_EVENT_END) {
            const double error = std::fabs(record.EVGetLoss(best) - event.lossDB);
            figures.lossErrorDB.push_back(error);
            if (figures.verbose && error > 0.1) {
                std::printf("loss off by %.3f dB: %.3f km, true %.3f dB, mode %d\n", error,
                            event.positionKM, event.lossDB, record.EVGetLossMode(best));
            }
        }
        if (event.reflectanceDB != 0.0 && !event.clamped && record.EVGetRefl(best) != 0.0) {
            figures.reflErrorDB.push_back(std::fabs(record.EVGetRefl(best) - event.reflectanceDB));
        }
    }
    figures.spurious += static_cast<int32_t>(std::count(used.begin(), used.end(), false));
}

double median(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double worst(const std::vector<double>& v) {
    return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
}

void printFibre(int32_t n, const FibreDescription& fibre) {
    std::printf("fibre %d: %.3f km at %.3f dB/km, %d ns, %.1f m, spread %.2f, end %.1f dB\n", n,
                fibre.sections[0].lengthKM, fibre.sections[0].attenDBKM, fibre.pulseNS,
                fibre.resolutionM, fibre.noiseSpread, fibre.endReflectanceDB);
}

void printTruthAndTable(const SimulatedFibre& truth, CT6& record) {
    for (const TrueEvent& e : truth.events) {
        std::printf("   truth %.3f km loss %.3f refl %.1f\n", e.positionKM, e.lossDB,
                    e.reflectanceDB);
    }
    std::printf("   noise floor at %d, %d events\n", record.GetNoiseFloorDP(), record.EVCount());
    for (int32_t i = 0; i < record.EVCount(); ++i) {
        std::printf("   table %d: type %d %.3f km loss %.3f refl %.1f flags %x\n", i,
                    record.EVGetType(i), record.EVGetStartKM(i), record.EVGetLoss(i),
                    record.EVGetRefl(i), record.EVGetFlags(i));
    }
}

void printFigures(const Figures& figures, uint32_t seed) {
    std::printf("fibres analysed      %d (seed %u)\n", figures.fibres, seed);
    std::printf("noise floor missing  %d fibres\n", figures.noiseFloorMissing);
    std::printf("true events          %d (ends included)\n", figures.truthCount);
    std::printf("found / missed       %d / %d (ends found %d)\n", figures.found, figures.missed,
                figures.endsFound);
    std::printf("spurious             %d\n", figures.spurious);
    std::printf("position error (DP)  median %.2f  worst %.2f\n", median(figures.positionErrorDP),
                worst(figures.positionErrorDP));
    std::printf("loss error (dB)      median %.3f  worst %.3f  over %zu events\n",
                median(figures.lossErrorDB), worst(figures.lossErrorDB),
                figures.lossErrorDB.size());
    std::printf("reflectance error    median %.2f  worst %.2f dB over %zu unclamped reflections\n",
                median(figures.reflErrorDB), worst(figures.reflErrorDB),
                figures.reflErrorDB.size());
}

} // namespace

int main(int argc, char** argv) {
    const int32_t fibres = argc > 1 ? std::atoi(argv[1]) : 60;
    const uint32_t seed =
        argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 2024u;
    std::mt19937 rng(seed);
    Figures figures;
    figures.verbose = argc > 3;
    for (int32_t n = 0; n < fibres; ++n) {
        CT6 record;
        const FibreDescription fibre = randomFibre(rng);
        const SimulatedFibre truth = simulateFibre(fibre, record);
        if (figures.verbose) printFibre(n, fibre);
        if (record.FAS() != 0) continue;
        ++figures.fibres;
        if (record.GetNoiseFloorDP() <= 0) ++figures.noiseFloorMissing;
        const int32_t missedBefore = figures.missed;
        score(truth, record, figures);
        if (figures.verbose && figures.missed > missedBefore) printTruthAndTable(truth, record);
    }
    printFigures(figures, seed);
    return 0;
}
