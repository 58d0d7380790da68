#include "core/bidir/exception_criteria.h"

#include <cmath>
#include <cstdio>

namespace orvane::bidir {

const std::array<const char*, kSettingCriteria> kSettingCriterionNames = {
    "Wavelength",   "Range",         "Resolution",     "PulseWidth",  "IOR",
    "BackscatCoef", "AnalysisThres", "ORLParms",       "TraceFormat", "Instrument",
    "OpticsModule", "HeaderType",    "PatchCordSetup", "Smooth"};

const std::array<const char*, kSettingCriteria> kSettingCriterionLabels = {
    "Wavelength",
    "Range",
    "Resolution",
    "Pulse Width",
    "IOR",
    "Backscatter Coefficient",
    "Analysis Thresholds",
    "ORL Parameters",
    "Trace Format",
    "Instrument",
    "Optics Module",
    "Header Type",
    "Patch Cord Setup",
    "Smooth"};

namespace {

// Reads or writes every value through one list, so that both sides agree.
template <typename Store> class Visitor {
public:
    explicit Visitor(Store& store) : m_store(store) {}

    void flag(const char* name, bool& value) {
        if constexpr (std::is_const_v<Store>)
            value = m_store.readInt(kExceptionSection, name, value ? 1 : 0) != 0;
        else
            m_store.writeInt(kExceptionSection, name, value ? 1 : 0);
    }

    void integer(const char* name, int32_t& value) {
        if constexpr (std::is_const_v<Store>)
            value = m_store.readInt(kExceptionSection, name, value);
        else
            m_store.writeInt(kExceptionSection, name, value);
    }

    void real(const char* name, double& value) {
        if constexpr (std::is_const_v<Store>) {
            const std::string text = m_store.readText(kExceptionSection, name, std::string());
            double read = 0;
            if (std::sscanf(text.c_str(), "%lf", &read) == 1 && std::isfinite(read)) value = read;
        } else {
            char text[64];
            std::snprintf(text, sizeof text, "%f", value);
            m_store.writeText(kExceptionSection, name, text);
        }
    }

private:
    Store& m_store;
};

template <typename Store, typename Criteria> void visit(Visitor<Store>& v, Criteria& c) {
    for (std::size_t i = 0; i < kSettingCriteria; ++i)
        v.flag(kSettingCriterionNames[i], c.setting[i]);
    v.flag("EndLocation", c.endLocation);
    v.real("EndLocationPrcnt", c.endLocationPrcnt);
    v.flag("EndEndLoss", c.endEndLoss);
    v.real("EndEndLossPrcnt", c.endEndLossPrcnt);
    v.flag("ORL", c.orl);
    v.real("ORLPrcnt", c.orlPrcnt);
    v.flag("EventLoc", c.eventLoc);
    v.real("EventLocPrcnt", c.eventLocPrcnt);
    v.real("EventLocKm", c.eventLocKm);
    v.flag("HorzShift", c.horzShift);
    v.real("HorzShiftPrcnt", c.horzShiftPrcnt);
    v.flag("NumSplices", c.numSplices);
    v.integer("NumSplicesMax", c.numSplicesMax);
    v.flag("None", c.none);
    v.flag("UnusualEnd", c.unusualEnd);
    v.flag("UserCreated", c.userCreated);
    v.flag("UserEdited", c.userEdited);
    v.flag("LossOutside", c.lossOutside);
    v.real("LossOutsideMin", c.lossOutsideMin);
    v.real("LossOutsideMax", c.lossOutsideMax);
    v.flag("NotSpliceLoss", c.notSpliceLoss);
    v.flag("UnusualNonEnd", c.unusualNonEnd);
    v.flag("ReflSplice", c.reflSplice);
    v.flag("SpanLoss", c.spanLoss);
    v.real("SpanLossValue", c.spanLossValue);
    v.flag("Averages", c.averages);
    v.integer("AveragesMin", c.averagesMin);
    v.flag("UnusualTrace", c.unusualTrace);
    v.flag("DuplicateWaveform", c.duplicateWaveform);
}

} // namespace

ExceptionCriteria LoadExceptionCriteria(const SettingsStore& store) {
    ExceptionCriteria criteria;
    Visitor<const SettingsStore> visitor(store);
    visit(visitor, criteria);
    return criteria;
}

void SaveExceptionCriteria(SettingsStore& store, const ExceptionCriteria& criteria) {
    ExceptionCriteria copy = criteria;
    Visitor<SettingsStore> visitor(store);
    visit(visitor, copy);
}

} // namespace orvane::bidir
