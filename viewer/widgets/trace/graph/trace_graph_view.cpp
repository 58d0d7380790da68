#include "widgets/trace/graph/trace_graph_view.h"

#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/shell/application_state.h"
#include "core/trace/graph/measurement.h"
#include "widgets/trace/graph/cursor_bar.h"
#include "widgets/trace/graph/graph_thumbnail.h"
#include "widgets/trace/graph/trace_graph_widget.h"
#include "widgets/trace/graph/trace_info_bar.h"

#include <algorithm>

#include <QGridLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orvane::graph {
namespace {

std::optional<ScrollAction> ActionOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollAction::LineBack;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollAction::LineForward;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollAction::PageBack;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollAction::PageForward;
    case QAbstractSlider::SliderMove:
        return ScrollAction::Thumb;
    case QAbstractSlider::SliderToMinimum:
        return ScrollAction::Top;
    case QAbstractSlider::SliderToMaximum:
        return ScrollAction::Bottom;
    default:
        return std::nullopt;
    }
}

QScrollBar* MakeBar(Qt::Orientation orientation, int minimum, int maximum, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setRange(minimum, maximum);
    bar->setPageStep((maximum - minimum) / 20);
    return bar;
}

} // namespace

CTraceGraphView::CTraceGraphView(QWidget* parent) : QWidget(parent) {
    m_graph.SetNotify([this](int hint) { OnGraphHint(hint); });
    m_window = new TraceGraphWidget(m_graph, this);
    m_hScroll = MakeBar(Qt::Horizontal, 0, kScrollRange, this);
    m_vScroll = MakeBar(Qt::Vertical, 0, kScrollRange, this);
    m_distanceBar = MakeBar(Qt::Horizontal, 0, kScrollRange, this);
    m_levelBar = MakeBar(Qt::Vertical, kLevelBarMin, kLevelBarMax, this);
    m_cursorBar = new CursorBar(m_graph, this);
    m_infoBar = new TraceInfoBar(this);

    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    grid->addWidget(m_window, 0, 0);
    grid->addWidget(m_vScroll, 0, 1);
    grid->addWidget(m_levelBar, 0, 2);
    grid->addWidget(m_hScroll, 1, 0);
    grid->addWidget(m_distanceBar, 2, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_infoBar);
    layout->addLayout(grid, 1);
    layout->addWidget(m_cursorBar);

    ConnectScrollBar(m_hScroll, &TraceGraph::ScrollHorizontal);
    ConnectScrollBar(m_vScroll, &TraceGraph::ScrollVertical);
    ConnectScrollBar(m_distanceBar, &TraceGraph::ZoomDistanceBar);
    ConnectScrollBar(m_levelBar, &TraceGraph::ZoomLevelBar);
    GraphHintInput units;
    TakeDistanceUnit(units);
    m_graph.SetDistanceUnitFactor(units.unitFactor);
    connect(m_cursorBar, &CursorBar::orlRequested, this, &CTraceGraphView::RunOrl);
    connect(m_cursorBar->Thumbnail(), &GraphThumbnail::centreRequested, this, [this](double km) {
        ViewWindow w = m_graph.Window();
        w.x0 = km - w.width / 2;
        m_graph.SetWindow(w);
    });
    // A new graph starts as the user last chose with Stack Traces.
    if (application().preferences.stacked != 0) m_graph.ToggleStack();
}

CTraceGraphView::~CTraceGraphView() {
    m_graph.SetNotify({});
}

void CTraceGraphView::ConnectScrollBar(QScrollBar* bar,
                                       void (TraceGraph::*scroll)(ScrollAction, int)) {
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, scroll](int action) {
        std::optional<ScrollAction> a = ActionOf(action);
        if (!a) return;
        (m_graph.*scroll)(*a, bar->sliderPosition());
        RefreshScrollBars();
    });
}

void CTraceGraphView::SetEntryResolver(std::function<CT6*(const void*)> resolver) {
    m_resolve = std::move(resolver);
}

void CTraceGraphView::SetPalette(const GraphPalette& palette) {
    m_window->SetPalette(palette);
    m_cursorBar->Thumbnail()->SetPalette(palette);
}

// The x axis follows the library's current distance unit.
void CTraceGraphView::TakeDistanceUnit(GraphHintInput& input) {
    char16_t label[kTextRoom] = {};
    double factor = 1;
    T6GetInfoCurDist(T6GetCurDistUnits(), label, factor);
    input.unitFactor = factor;
    m_window->SetDistanceLabel(QString::fromStdString(trimmed(toUtf8(label))));
}

void CTraceGraphView::onUpdate(View*, const Hint& hint) {
    GraphHintInput input;
    input.orlRelToOrigin = m_orlRelToOrigin;
    if (hint.code == HINT_PREFERENCES) TakeDistanceUnit(input);
    if (const HintEntries* entries = hint.entries()) {
        for (const void* entry : *entries)
            input.traces.push_back({entry, m_resolve ? m_resolve(entry) : nullptr});
        // Only the primary's new index of refraction stretches the graph.
        const bool primary =
            std::find(entries->begin(), entries->end(), m_graph.Primary()) != entries->end();
        if (hint.code == HINT_IOR_CHANGED && primary && m_iorRatio)
            input.iorRatio = m_iorRatio(m_graph.Primary());
    }
    React(hint.code, input);
}

void CTraceGraphView::React(HintCode code, const GraphHintInput& input) {
    Apply(ReactToHint(m_graph, code, input));
}

void CTraceGraphView::OnGraphHint(int hint) {
    // The graph's own notifications only ask for refreshes.
    GraphHintInput none;
    Apply(ReactToHint(m_graph, hint, none));
}

void CTraceGraphView::Apply(const ViewRefresh& r) {
    if (r.flipRefused) tell({}, kUnableToFlip);
    if (r.orlMessage) tell({}, *r.orlMessage);
    if (r.readouts || r.measurementText) {
        m_cursorBar->RefreshReadouts();
        const MeasurementReadout& m = m_graph.Readout();
        emit cursorReadoutChanged(QStringLiteral("A: %1  B: %2  AB: %3")
                                      .arg(QString::fromStdString(m.aText),
                                           QString::fromStdString(m.bText),
                                           QString::fromStdString(m.abText)));
    }
    if (r.infoBar) RefreshInfoBar();
    if (r.scrollBars) RefreshScrollBars();
    if (r.thumbnail) m_cursorBar->Thumbnail()->Rebuild();
    if (r.toolbar) emit modeChanged();
    if (r.forwardToList) emit forwardToList(*r.forwardToList);
    if (r.repaint) invalidate();
    m_cursorBar->Thumbnail()->update();
    emit graphChanged();
}

void CTraceGraphView::repaint() {
    m_window->update();
}

void CTraceGraphView::RefreshScrollBars() {
    QSignalBlocker h(m_hScroll), v(m_vScroll), d(m_distanceBar), l(m_levelBar);
    m_hScroll->setSliderPosition(m_graph.HorizontalThumb());
    m_vScroll->setSliderPosition(m_graph.VerticalThumb());
    m_distanceBar->setSliderPosition(m_graph.DistanceBarThumb());
    m_levelBar->setSliderPosition(m_graph.LevelBarThumb());
    m_hScroll->setEnabled(m_graph.Display() != DisplayMode::FromOrigin);
    m_vScroll->setEnabled(m_graph.Display() == DisplayMode::Free);
}

void CTraceGraphView::RefreshInfoBar() {
    const TraceCurve* primary = m_graph.PrimaryCurve();
    m_infoBar->Refresh(primary ? &primary->Record() : nullptr);
}

void CTraceGraphView::RunOrl() {
    if (std::optional<std::string> message = m_graph.RunORL(m_orlRelToOrigin)) tell({}, *message);
}

void CTraceGraphView::ShowLaunchLevel() {
    const TraceCurve* primary = m_graph.PrimaryCurve();
    if (!primary) return;
    tell({}, LaunchLevelText(primary->MeasuredRecord(), m_graph.CursorA(), m_graph.CursorB()),
         PromptIcon::Information);
}

} // namespace orvane::graph
