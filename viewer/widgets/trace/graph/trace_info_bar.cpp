#include "widgets/trace/graph/trace_info_bar.h"

#include "core/platform/text.h"

#include <varnel/varnel.h>

#include <QHBoxLayout>
#include <QLabel>

namespace orvane::graph {
namespace {

constexpr int32_t kNanoSecondsOnly = 0;
constexpr char kToBeDone[] = "TBD";

const std::array<const char*, TraceInfoBar::kFieldCount> kFieldNames = {
    "Range",      "Resolution", "Pulse Width", "Horizontal Shift", "Vertical Shift", "Index",
    "Wavelength", "# Avg",      "Flags"};

std::array<std::string, TraceInfoBar::kFieldCount> FieldsOf(const CT6& r) {
    bool hasPulse = r.PWCount() > 0;
    bool hasSpan = r.SpanCount() > 0;
    return {
        textOf([&](char16_t* b) { return r.GetRangeNominal(b, T6_WITH_UNITS); }),
        textOf([&](char16_t* b) { return r.GetResoNominal(b, T6_WITH_UNITS); }),
        hasPulse
            ? textOf([&](char16_t* b) { return r.PWGetPW(0, b, kNanoSecondsOnly, T6_WITH_UNITS); })
            : std::string(kToBeDone),
        textOf([&](char16_t* b) { return r.GetHorzShift(b, T6_WITH_UNITS); }),
        textOf([&](char16_t* b) { return r.GetVertShift(b, T6_WITH_UNITS); }),
        hasSpan ? textOf([&](char16_t* b) { return r.SpanGetIOR(0, b); }) : std::string(kToBeDone),
        textOf([&](char16_t* b) { return r.GetWavelengthNominal(b, T6_WITH_UNITS); }),
        textOf([&](char16_t* b) { return r.GetAvgComplete(b); }),
        textOf([&](char16_t* b) { return r.GetTraceFlags(b); }),
    };
}

} // namespace

TraceInfoBar::TraceInfoBar(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    for (int i = 0; i < kFieldCount; ++i) {
        layout->addWidget(new QLabel(tr(kFieldNames[static_cast<size_t>(i)]) + ':', this));
        m_values[static_cast<size_t>(i)] = new QLabel(tr("TBD"), this);
        layout->addWidget(m_values[static_cast<size_t>(i)]);
    }
    layout->addStretch(1);
}

void TraceInfoBar::Refresh(const CT6* primary) {
    if (!primary) {
        for (QLabel* value : m_values)
            value->setText(tr("TBD"));
        return;
    }
    auto fields = FieldsOf(*primary);
    for (size_t i = 0; i < fields.size(); ++i)
        m_values[i]->setText(fields[i] == kToBeDone ? tr("TBD")
                                                    : QString::fromStdString(fields[i]));
}

QString TraceInfoBar::FieldText(int index) const {
    if (index < 0 || index >= kFieldCount) return {};
    return m_values[static_cast<size_t>(index)]->text();
}

} // namespace orvane::graph
