#include "core/printing/print_settings.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace orvane::printing {

namespace {

// Each section's values with their names, visited for reading and for
// writing alike. The defaults are the members' initial values.
template <class Layout, class Visit> void eachValue(Layout& l, Visit visit) {
    using T = std::remove_const_t<Layout>;
    if constexpr (std::is_same_v<T, ViewPrintLayout>) {
        visit("PlotTrace", l.plotTrace);
        visit("TraceInfo", l.traceInfo);
        visit("HeaderInfo", l.headerInfo);
        visit("FASEvents", l.fasEvents);
        visit("Primary", l.primaryOnly);
        visit("ExpandPlot", l.expandPlot);
        visit("Landscape", l.landscape);
    } else if constexpr (std::is_same_v<T, BatchPrintLayout>) {
        visit("PlotTrace", l.plotTrace);
        visit("TraceInfo", l.traceInfo);
        visit("HeaderInfo", l.headerInfo);
        visit("FASEvents", l.fasEvents);
        visit("DualPlot", l.dualPlot);
        visit("Landscape", l.landscape);
        visit("UseCurrentView", l.useCurrentView);
        visit("TracesPerPlot", l.tracesPerPlot);
    } else if constexpr (std::is_same_v<T, FramePrintLayout>) {
        visit("Rows", l.rows);
        visit("Columns", l.columns);
        visit("Landscape", l.landscape);
        visit("CurrentView", l.currentView);
        visit("TraceInfo", l.traceInfo);
        visit("TracesPerPlot", l.tracesPerPlot);
        visit("FixedFont", l.fixedFont);
    } else {
        visit("PlotTrace", l.plotTrace);
        visit("BiDirEvents", l.biDirEvents);
        visit("TraceInfo", l.traceInfo);
        visit("HeaderInfo", l.headerInfo);
        visit("UseCurrentView", l.useCurrentView);
        visit("Orientation", l.landscape);
    }
}

template <class Layout> Layout load(const SettingsStore& store, const char* section) {
    Layout layout;
    eachValue(layout, [&](const char* name, auto& value) {
        using V = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<V, std::string>)
            value = store.readText(section, name, value);
        else if constexpr (std::is_same_v<V, bool>)
            value = store.readInt(section, name, value ? 1 : 0) != 0;
        else
            value = store.readInt(section, name, value);
    });
    return layout;
}

template <class Layout> void save(SettingsStore& store, const char* section, const Layout& layout) {
    eachValue(layout, [&](const char* name, const auto& value) {
        using V = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<V, std::string>)
            store.writeText(section, name, value);
        else if constexpr (std::is_same_v<V, bool>)
            store.writeInt(section, name, value ? 1 : 0);
        else
            store.writeInt(section, name, value);
    });
}

int32_t clampCount(int32_t value, int32_t low, int32_t high) {
    return std::clamp(value, low, high);
}

} // namespace

PageLayoutSettings LoadPageLayout(const SettingsStore& store) {
    PageLayoutSettings s;
    s.view = load<ViewPrintLayout>(store, kViewPrintSection);
    s.batch = load<BatchPrintLayout>(store, kBatchPrintSection);
    s.frame = load<FramePrintLayout>(store, kFramePrintSection);
    s.bidir = load<BiDirPrintLayout>(store, kBiDirPrintSection);
    // Counts outside their ranges would make empty or unreadable pages.
    s.batch.tracesPerPlot = clampCount(s.batch.tracesPerPlot, kMinTracesPerPlot, kMaxTracesPerPlot);
    s.frame.tracesPerPlot = clampCount(s.frame.tracesPerPlot, kMinTracesPerPlot, kMaxTracesPerPlot);
    s.frame.rows = clampCount(s.frame.rows, kMinFrameCells, kMaxFrameCells);
    s.frame.columns = clampCount(s.frame.columns, kMinFrameCells, kMaxFrameCells);
    return s;
}

void SavePageLayout(SettingsStore& store, const PageLayoutSettings& s) {
    save(store, kViewPrintSection, s.view);
    save(store, kBatchPrintSection, s.batch);
    save(store, kFramePrintSection, s.frame);
    save(store, kBiDirPrintSection, s.bidir);
}

ReportPrintValues LoadReportPrintValues(const SettingsStore& store) {
    using bidir::kReportPrintSection;
    ReportPrintValues v;
    v.common = bidir::LoadReportPrintSettings(store);
    v.waveformInColor = store.readInt(kReportPrintSection, "WaveformInColor", 0) != 0;
    v.type = store.readInt(kReportPrintSection, "Type", v.type);
    v.referenceTrace = store.readInt(kReportPrintSection, "ReferenceTrace", 0);
    v.wavelengthNM = store.readInt(kReportPrintSection, "Wavelength", 0);
    v.fibersPerGroup = store.readInt(kReportPrintSection, "FibersPerGroup", 0);
    v.varFont = store.readText(kReportPrintSection, "VarFont", std::string());
    return v;
}

void SaveReportPrintValues(SettingsStore& store, const ReportPrintValues& v) {
    bidir::SaveReportPrintSettings(store, v.common);
    SaveReportPrintExtras(store, v);
}

void SaveReportPrintExtras(SettingsStore& store, const ReportPrintValues& v) {
    using bidir::kReportPrintSection;
    store.writeInt(kReportPrintSection, "WaveformInColor", v.waveformInColor ? 1 : 0);
    store.writeInt(kReportPrintSection, "Type", v.type);
    store.writeInt(kReportPrintSection, "ReferenceTrace", v.referenceTrace);
    store.writeInt(kReportPrintSection, "Wavelength", v.wavelengthNM);
    store.writeInt(kReportPrintSection, "FibersPerGroup", v.fibersPerGroup);
}

int32_t MarginStoredForm(double inches) {
    return static_cast<int32_t>((inches + 0.005) * 100.0);
}

double MarginInches(int32_t hundredths) {
    return hundredths / 100.0;
}

} // namespace orvane::printing
