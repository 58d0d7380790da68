#include "core/bidir/wizard_settings.h"

#include "core/platform/text.h"

#include <varnel/varnel.h>

namespace orvane::bidir {

namespace {

constexpr int32_t kEventDeterminationTemplate = 0;
constexpr int32_t kEventDeterminationMerge = 1;

// "FileNameConv" and "FileExtConv" are one text on the page.
std::u16string conventionOf(const Preferences& p) {
    if (p.fileExtConv.empty()) return toUtf16(p.fileNameConv);
    return toUtf16(p.fileNameConv + "." + p.fileExtConv);
}

void splitConvention(const std::u16string& convention, Preferences& p) {
    const std::string text = toUtf8(convention);
    const std::size_t dot = text.rfind('.');
    p.fileNameConv = dot == std::string::npos ? text : text.substr(0, dot);
    p.fileExtConv = dot == std::string::npos ? std::string() : text.substr(dot + 1);
}

} // namespace

WizardSettings WizardSettingsFrom(const Preferences& p, const StoredReportSettings& stored,
                                  bool oneDirectional) {
    WizardSettings s;
    s.oneDirectional = oneDirectional;
    s.exceptReport = p.auto1Bi.exceptReport != 0;
    s.buildTemplates = p.auto1Bi.buildSST != 0;
    s.applyTemplates = p.auto1Bi.applySST != 0;
    s.summaryReport = p.auto1Bi.slsReport != 0;
    s.convention = conventionOf(p);
    s.instrumentNames = p.nv8fnEnabled != 0;
    s.instrumentFormat = p.nv8fnFormat;
    s.report = stored.print;
    s.smartTemplate.numSplices = p.smartTemplate.numSplices;
    s.smartTemplate.lossThresDB = p.smartTemplate.lossThres;
    s.smartTemplate.minFrequency = p.smartTemplate.minFrequency;
    s.smartTemplate.adjustForHelix = p.smartTemplate.adjustForHelix != 0;
    s.smartTemplate.eventFreqDist = p.smartTemplate.eventFreqDist != 0;
    s.smartTemplate.printReport = p.smartTemplate.printReport != 0;
    s.apply.merge = p.fasTemplate.eventDetermination == kEventDeterminationMerge;
    s.apply.tracePriority = p.fasTemplate.tracePriority != 0;
    s.apply.percentDis = p.fasTemplate.percentDis;
    // "AbsoluteDis" is entered and kept in the display unit.
    s.apply.absoluteDisKM = T6KMFromCurDist(p.fasTemplate.absoluteDis);
    s.apply.snapTo = p.fasTemplate.snapTo;
    s.criteria = stored.criteria;
    return s;
}

void KeepWizardSettings(const WizardSettings& s, Preferences& p, StoredReportSettings& stored) {
    p.auto1Bi.exceptReport = s.exceptReport ? 1 : 0;
    p.auto1Bi.buildSST = s.buildTemplates ? 1 : 0;
    p.auto1Bi.applySST = s.applyTemplates ? 1 : 0;
    p.auto1Bi.slsReport = s.summaryReport ? 1 : 0;
    splitConvention(s.convention, p);
    p.smartTemplate.numSplices = s.smartTemplate.numSplices;
    p.smartTemplate.lossThres = s.smartTemplate.lossThresDB;
    p.smartTemplate.minFrequency = s.smartTemplate.minFrequency;
    p.smartTemplate.adjustForHelix = s.smartTemplate.adjustForHelix ? 1 : 0;
    p.smartTemplate.eventFreqDist = s.smartTemplate.eventFreqDist ? 1 : 0;
    p.smartTemplate.printReport = s.smartTemplate.printReport ? 1 : 0;
    // The run forces "Template" and "Snap to Trace End" for itself only; the
    // stored application settings keep the user's choice.
    p.fasTemplate.eventDetermination =
        s.apply.merge ? kEventDeterminationMerge : kEventDeterminationTemplate;
    p.fasTemplate.tracePriority = s.apply.tracePriority ? 1 : 0;
    p.fasTemplate.percentDis = s.apply.percentDis;
    p.fasTemplate.absoluteDis = T6CurDistFromKM(s.apply.absoluteDisKM);
    p.fasTemplate.snapTo = s.apply.snapTo;
    stored.print = s.report;
    stored.criteria = s.criteria;
}

} // namespace orvane::bidir
