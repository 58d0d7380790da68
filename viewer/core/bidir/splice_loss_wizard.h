// RunSpliceLossWizard's processing without windows: the selected traces'
// names decoded and checked as one cable's set, then, as the flags ask, the
// exception report, a smart splice template per direction (saved and added
// to the list), the template applied to every trace of its direction, and
// the splice-loss summary, one-directional or averaged over both directions.
#pragma once

#include "core/bidir/cable_set.h"
#include "core/bidir/event_correlation.h"
#include "core/bidir/exception_criteria.h"
#include "core/bidir/report_print_settings.h"
#include "core/bidir/report_table.h"
#include "core/bidir/smart_template_settings.h"
#include "core/bidir/splice_summary.h"
#include "core/bidir/template_apply.h"
#include "core/bidir/trace_sequence.h"
#include "core/platform/progress.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane::bidir {

struct WizardSettings {
    bool oneDirectional = false;
    // "Auto1Bi": the processing asked for.
    bool exceptReport = true;
    bool buildTemplates = true;
    bool applyTemplates = true;
    bool summaryReport = true;
    // "Do you want to continue?" before the processing (a report export
    // that only reads the traces does not ask).
    bool askToContinue = true;
    std::u16string convention;
    bool instrumentNames = false; // "NV8FN Enabled": dot-separated fields instead
    InstrumentFormat instrumentFormat = kDefaultInstrumentFormat;
    ReportPrintSettings report;
    SmartTemplateSettings smartTemplate;
    TemplateApplySettings apply;
    ExceptionCriteria criteria;
};

// The traces of the run, as the trace list or the command line holds them.
class WizardTraces : public TraceSequence {
public:
    virtual std::u16string path(std::size_t i) const = 0;
    // Saves a trace the template was applied to, to its own path.
    virtual bool save(std::size_t i, CT6& trace) = 0;
    // Saves a built template (native format) under the given file name beside
    // the traces and adds it to the list.
    virtual bool addTemplate(CT6& splicesTemplate, const std::u16string& fileName) = 0;
};

// One splice position of one fibre; positions run along the A->B direction.
struct FiberSplice {
    double positionKM = 0.0;
    std::optional<double> aToB;
    std::optional<double> bToA;
    std::optional<double> average; // the bi-directional mean
};

struct FiberSplices {
    int32_t fiber = 0;
    std::vector<FiberSplice> splices;
};

struct WizardResult {
    bool finished = false; // false: a check refused the set or a step was cancelled
    std::string message;   // the refusal
    std::optional<CableSet> set;
    std::vector<std::string> exceptionRows; // "/trace/label/information"
    std::vector<double> positionsKM;        // the summary's columns along A->B
    std::vector<FiberSplices> fibers;
    SpliceSummary summary;
    // One "Smart Splice Template Report" per template built, when asked for.
    std::vector<Report> templateReports;
};

// The messages go through the prompt service; the refusals with a stop icon,
// then "Do you want to continue?" before anything is changed.
// Building each template shows its progress, whose Cancel ends the run.
WizardResult RunSpliceLossWizard(WizardTraces& traces, const WizardSettings& settings,
                                 Progress* progress = nullptr);

// "Template file name" of a direction: from, to and wavelength codes + ".SST".
std::u16string templateFileName(const CableDirection& direction);

} // namespace orvane::bidir
