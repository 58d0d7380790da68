// Compares the event analysis with the key events real instruments stored.
// Each .sor file is analysed afresh with the thresholds it carries; an
// instrument event is found when one of ours starts within the larger of 5
// points and one pulse of it. One of ours that its own instrument does not
// list but another fibre's of the same cable (same acquisition, names that
// differ only in digits) lists as a splice is counted apart.
//
//   fas-compare [FOLDER|FILE...] [-q]   default: the shared samples; -q totals only
#include <varnel/varnel.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int32_t kMinTolerancePoints = 5;
constexpr int32_t kCrcNotChecked = 0;
// What the library uses when a file leaves a threshold at 0 (not stated).
constexpr double kDefaultLossDB = 0.03;
constexpr double kDefaultReflDB = -40.0;
constexpr double kDefaultBreakDB = 3.0;

struct Event {
    double dp = 0.0; // start as a point index with its fraction
    double km = 0.0;
    int32_t type = 0;
    double lossDB = 0.0;
    double reflDB = 0.0;
    int32_t partner = -1;   // index of the matching event on the other side
    bool confirmed = false; // ours: another fibre of the cable has it
    bool beyondEnd = false; // instrument's: listed after its own fibre end
};

struct Trace {
    std::string name;
    std::string cable; // acquisition and name without digits
    double dxKM = 0.0;
    double lossDB = 0.0, reflDB = 0.0, breakDB = 0.0;
    std::vector<Event> instrument;
    std::vector<Event> ours;
    std::vector<int32_t> tolerance; // points, per instrument event
};

struct Totals {
    int32_t files = 0, instrument = 0, found = 0, beyondEnd = 0;
    int32_t ours = 0, matched = 0, confirmed = 0;
};

// Events after the launch.
std::vector<Event> eventsOf(const CT6& record) {
    std::vector<Event> events;
    for (int32_t i = 1; i < record.EVCount(); ++i) {
        events.push_back({record.EVGetStartDP(i) + record.EVGetStartFR(i) / 65536.0,
                          record.EVGetStartKM(i), record.EVGetType(i), record.EVGetLoss(i),
                          record.EVGetRefl(i)});
    }
    return events;
}

std::string cableKey(const std::string& name, const CT6& record) {
    std::string key;
    for (const char c : name)
        if (!std::isdigit(static_cast<unsigned char>(c))) key += c;
    const int32_t ns = record.PWCount() > 0 ? record.PWGetNanoSec(0) : 0;
    return key + "/" + std::to_string(record.DPOCount()) + "/" + std::to_string(ns) + "/" +
           std::to_string(record.GetResoNominalM());
}

double orDefault(double stored, double fallback) {
    return stored == 0.0 ? fallback : stored;
}

// Reads the file's events and thresholds, then analyses it with those thresholds.
bool load(const fs::path& path, Trace& trace) {
    auto record = std::make_unique<CT6>();
    if (record->DecompFile(path.u16string().c_str(), kCrcNotChecked) != T6_FILE_OK) return false;
    if (record->EVCount() < 2) return false; // no key events
    trace.name = path.filename().string();
    trace.cable = cableKey(trace.name, *record);
    trace.dxKM = record->KMFromDPFR(1, 0) - record->KMFromDPFR(0, 0);
    trace.instrument = eventsOf(*record);
    // Some instruments list reflections in the noise after the end they found.
    bool ended = false;
    for (Event& e : trace.instrument) {
        e.beyondEnd = ended;
        ended = ended || e.type == T6_EVENT_END;
    }
    for (const Event& e : trace.instrument) {
        const int32_t pp = record->PWGetPointsPerAtDP(static_cast<int32_t>(e.dp));
        trace.tolerance.push_back(std::max(kMinTolerancePoints, pp));
    }
    trace.lossDB = orDefault(record->GetThresholdLoss(), kDefaultLossDB);
    trace.reflDB = orDefault(record->GetThresholdRefl(), kDefaultReflDB);
    trace.breakDB = orDefault(record->GetThresholdBreak(), kDefaultBreakDB);
    T6SetFASParms(trace.lossDB, trace.reflDB, trace.breakDB, 1, 0, -40.0);
    if (record->FAS() != T6_FAS_DONE) return false;
    trace.ours = eventsOf(*record);
    return true;
}

// Pairs closest first, so that one near pair is not spoilt by a greedy
// earlier choice.
void match(Trace& trace) {
    struct Pair {
        double distance;
        int32_t theirs, ours;
    };
    std::vector<Pair> pairs;
    for (size_t t = 0; t < trace.instrument.size(); ++t) {
        for (size_t o = 0; o < trace.ours.size(); ++o) {
            const double d = std::fabs(trace.instrument[t].dp - trace.ours[o].dp);
            if (d <= trace.tolerance[t])
                pairs.push_back({d, static_cast<int32_t>(t), static_cast<int32_t>(o)});
        }
    }
    std::sort(pairs.begin(), pairs.end(),
              [](const Pair& a, const Pair& b) { return a.distance < b.distance; });
    for (const Pair& p : pairs) {
        Event& theirs = trace.instrument[static_cast<size_t>(p.theirs)];
        Event& ours = trace.ours[static_cast<size_t>(p.ours)];
        if (theirs.partner >= 0 || ours.partner >= 0 || theirs.beyondEnd) continue;
        theirs.partner = p.ours;
        ours.partner = p.theirs;
    }
}

// Within tolerance of an instrument event of `trace` (km of another fibre);
// only splices (non-reflective events and groups) when asked.
bool listedNear(const Trace& trace, double km, bool splicesOnly) {
    for (size_t t = 0; t < trace.instrument.size(); ++t) {
        const Event& e = trace.instrument[t];
        const bool splice = e.type == T6_EVENT_NON_REFLECTIVE || e.type == T6_EVENT_GROUP;
        if (e.beyondEnd || (splicesOnly && !splice)) continue;
        if (std::fabs(e.km - km) <= trace.tolerance[t] * trace.dxKM) return true;
    }
    return false;
}

// One of ours that its own instrument did not list is confirmed when another
// fibre's instrument lists a splice there and this fibre's lists nothing.
void confirmByCable(std::vector<Trace>& traces) {
    for (Trace& trace : traces) {
        for (Event& ours : trace.ours) {
            if (ours.partner >= 0 || listedNear(trace, ours.km, false)) continue;
            for (const Trace& other : traces) {
                if (&other != &trace && other.cable == trace.cable &&
                    listedNear(other, ours.km, true))
                    ours.confirmed = true;
            }
        }
    }
}

char typeLetter(int32_t type) {
    static const char letters[] = "LRNGE";
    return type >= 0 && type <= T6_EVENT_END ? letters[type] : '?';
}

std::string describe(const Event& e) {
    char text[64];
    if (e.reflDB != 0.0) {
        std::snprintf(text, sizeof text, "%10.4f %c %6.3f %6.1f", e.km, typeLetter(e.type),
                      e.lossDB, e.reflDB);
    } else {
        std::snprintf(text, sizeof text, "%10.4f %c %6.3f       ", e.km, typeLetter(e.type),
                      e.lossDB);
    }
    return text;
}

void printTrace(const Trace& trace) {
    std::printf("\n== %s  (loss %.3f dB, refl %.2f dB, break %.2f dB)\n", trace.name.c_str(),
                trace.lossDB, trace.reflDB, trace.breakDB);
    const char* columns = "        km t   loss   refl";
    std::printf("   %-26s | %-26s\n   %s | %s\n", "instrument", "ours", columns, columns);
    const std::string blank(26, ' ');
    size_t o = 0;
    const auto printOursUpTo = [&](double dp) {
        for (; o < trace.ours.size() && trace.ours[o].dp <= dp; ++o) {
            const Event& e = trace.ours[o];
            if (e.partner >= 0) continue;
            std::printf("   %s | %s  %s\n", blank.c_str(), describe(e).c_str(),
                        e.confirmed ? "extra, another fibre's instrument lists it" : "extra");
        }
    };
    for (const Event& e : trace.instrument) {
        printOursUpTo(e.dp);
        if (e.partner < 0) {
            std::printf("   %s | %s  %s\n", describe(e).c_str(), blank.c_str(),
                        e.beyondEnd ? "beyond the instrument's own end, not counted" : "missed");
            continue;
        }
        const Event& ours = trace.ours[static_cast<size_t>(e.partner)];
        std::printf("   %s | %s  %+.1f pt\n", describe(e).c_str(), describe(ours).c_str(),
                    ours.dp - e.dp);
    }
    printOursUpTo(1e12);
}

void add(const Trace& trace, Totals& totals) {
    ++totals.files;
    for (const Event& e : trace.instrument) {
        totals.beyondEnd += e.beyondEnd;
        totals.instrument += !e.beyondEnd;
        totals.found += e.partner >= 0;
    }
    totals.ours += static_cast<int32_t>(trace.ours.size());
    for (const Event& e : trace.ours) {
        totals.matched += e.partner >= 0;
        totals.confirmed += e.partner < 0 && e.confirmed;
    }
}

void printTotals(const char* label, const Totals& t) {
    const auto pct = [](int32_t a, int32_t b) { return b > 0 ? 100.0 * a / b : 0.0; };
    std::printf("%s: instrument events found %d/%d (%.1f %%), %d beyond its end not counted; "
                "ours matching %d/%d (%.1f %%), with other fibres' %d/%d (%.1f %%)\n",
                label, t.found, t.instrument, pct(t.found, t.instrument), t.beyondEnd, t.matched,
                t.ours, pct(t.matched, t.ours), t.matched + t.confirmed, t.ours,
                pct(t.matched + t.confirmed, t.ours));
}

std::vector<fs::path> inputs(const std::vector<std::string>& args) {
    std::vector<fs::path> files;
    for (const std::string& arg : args) {
        if (!fs::is_directory(arg)) {
            files.emplace_back(arg);
            continue;
        }
        for (const auto& entry : fs::directory_iterator(arg)) {
            std::string ext = entry.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(),
                           [](unsigned char c) { return std::tolower(c); });
            if (ext == ".sor") files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args;
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "-q") {
            quiet = true;
        } else {
            args.emplace_back(argv[i]);
        }
    }
    if (args.empty()) args.emplace_back(VARNEL_SHARED_SAMPLES "/sor");

    std::vector<Trace> traces;
    for (const fs::path& path : inputs(args)) {
        Trace trace;
        if (!load(path, trace)) {
            std::printf("-- %s: not compared (unreadable, or no key events after the launch)\n",
                        path.filename().string().c_str());
            continue;
        }
        match(trace);
        traces.push_back(std::move(trace));
    }
    confirmByCable(traces);

    Totals totals;
    for (const Trace& trace : traces) {
        if (!quiet) printTrace(trace);
        Totals one;
        add(trace, one);
        if (!quiet) printTotals("   file", one);
        add(trace, totals);
    }
    std::printf("\n");
    printTotals("all files", totals);
    return 0;
}
