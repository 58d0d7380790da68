#include "widgets/printing/page_layout_dialog.h"

#include "core/printing/print_state.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvane::printing {

namespace {

QCheckBox* check(QWidget* page, QLayout* layout, const QString& text, bool on) {
    auto* box = new QCheckBox(text, page);
    box->setChecked(on);
    layout->addWidget(box);
    return box;
}

QSpinBox* count(QWidget* page, int low, int high, int value) {
    auto* box = new QSpinBox(page);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

template <class O> void addOrientation(QWidget* page, QLayout* layout, O& o, bool landscape) {
    auto* group = new QGroupBox(QObject::tr("Orientation"), page);
    auto* row = new QHBoxLayout(group);
    o.portrait = new QRadioButton(QObject::tr("P&ortrait"), group);
    o.landscape = new QRadioButton(QObject::tr("&Landscape"), group);
    row->addWidget(o.portrait);
    row->addWidget(o.landscape);
    (landscape ? o.landscape : o.portrait)->setChecked(true);
    layout->addWidget(group);
}

} // namespace

CPageLayoutDialog::CPageLayoutDialog(const PageLayoutSettings& settings, QWidget* parent)
    : QDialog(parent), m_original(settings) {
    setWindowTitle(tr("Page Layout"));
    m_tabs = new QTabWidget(this);
    m_tabs->addTab(viewPage(settings.view), tr("View"));
    m_tabs->addTab(batchPage(settings.batch), tr("Batch"));
    m_tabs->addTab(framePage(settings.frame), tr("Frame"));
    m_tabs->addTab(biDirPage(settings.bidir), tr("Bi-Dir"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

QWidget* CPageLayoutDialog::viewPage(const ViewPrintLayout& s) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_view.plot = check(page, layout, tr("Trace &Plot"), s.plotTrace);
    m_view.info = check(page, layout, tr("Trace &Information"), s.traceInfo);
    m_view.header = check(page, layout, tr("&Header Information"), s.headerInfo);
    m_view.events = check(page, layout, tr("&Event Table"), s.fasEvents);
    addOrientation(page, layout, m_view.orientation, s.landscape);
    auto* traces = new QGroupBox(tr("Traces"), page);
    auto* row = new QHBoxLayout(traces);
    m_view.all = new QRadioButton(tr("&All Displayed Traces"), traces);
    m_view.primary = new QRadioButton(tr("P&rimary Trace Only"), traces);
    row->addWidget(m_view.all);
    row->addWidget(m_view.primary);
    (s.primaryOnly ? m_view.primary : m_view.all)->setChecked(true);
    layout->addWidget(traces);
    m_view.expand = check(page, layout, tr("E&xpand to Right Edge"), s.expandPlot);
    layout->addStretch();
    return page;
}

QWidget* CPageLayoutDialog::batchPage(const BatchPrintLayout& s) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_batch.plot = check(page, layout, tr("Trace &Plot"), s.plotTrace);
    m_batch.info = check(page, layout, tr("Trace &Information"), s.traceInfo);
    m_batch.header = check(page, layout, tr("&Header Information"), s.headerInfo);
    m_batch.events = check(page, layout, tr("&Event Table"), s.fasEvents);
    auto* form = new QFormLayout;
    m_batch.perPlot = count(page, kMinTracesPerPlot, kMaxTracesPerPlot, s.tracesPerPlot);
    form->addRow(tr("Traces per Plot"), m_batch.perPlot);
    layout->addLayout(form);
    m_batch.dual = check(page, layout, tr("&Dual Plot"), s.dualPlot);
    m_batch.currentView = check(page, layout, tr("Use Current &View"), s.useCurrentView);
    addOrientation(page, layout, m_batch.orientation, s.landscape);
    layout->addStretch();
    return page;
}

QWidget* CPageLayoutDialog::framePage(const FramePrintLayout& s) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    m_frame.columns = count(page, kMinFrameCells, kMaxFrameCells, s.columns);
    m_frame.rows = count(page, kMinFrameCells, kMaxFrameCells, s.rows);
    m_frame.perPlot = count(page, kMinTracesPerPlot, kMaxTracesPerPlot, s.tracesPerPlot);
    form->addRow(tr("Columns"), m_frame.columns);
    form->addRow(tr("Rows"), m_frame.rows);
    form->addRow(tr("Traces per Plot"), m_frame.perPlot);
    layout->addLayout(form);
    m_frame.info = check(page, layout, tr("Trace &Information"), s.traceInfo);
    m_frame.currentView = check(page, layout, tr("Use Current &View"), s.currentView);
    addOrientation(page, layout, m_frame.orientation, s.landscape);
    layout->addStretch();
    return page;
}

QWidget* CPageLayoutDialog::biDirPage(const BiDirPrintLayout& s) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_bidir.plot = check(page, layout, tr("Trace &Plot"), s.plotTrace);
    m_bidir.events = check(page, layout, tr("Bi-Dir &Event Table"), s.biDirEvents);
    m_bidir.info = check(page, layout, tr("Trace &Information"), s.traceInfo);
    m_bidir.header = check(page, layout, tr("&Header Information"), s.headerInfo);
    m_bidir.currentView = check(page, layout, tr("Use Current &View"), s.useCurrentView);
    addOrientation(page, layout, m_bidir.orientation, s.landscape);
    layout->addStretch();
    return page;
}

PageLayoutSettings CPageLayoutDialog::result() const {
    PageLayoutSettings s = m_original;
    s.view.plotTrace = m_view.plot->isChecked();
    s.view.traceInfo = m_view.info->isChecked();
    s.view.headerInfo = m_view.header->isChecked();
    s.view.fasEvents = m_view.events->isChecked();
    s.view.landscape = m_view.orientation.landscape->isChecked();
    s.view.primaryOnly = m_view.primary->isChecked();
    s.view.expandPlot = m_view.expand->isChecked();

    s.batch.plotTrace = m_batch.plot->isChecked();
    s.batch.traceInfo = m_batch.info->isChecked();
    s.batch.headerInfo = m_batch.header->isChecked();
    s.batch.fasEvents = m_batch.events->isChecked();
    s.batch.tracesPerPlot = m_batch.perPlot->value();
    s.batch.dualPlot = m_batch.dual->isChecked();
    s.batch.useCurrentView = m_batch.currentView->isChecked();
    s.batch.landscape = m_batch.orientation.landscape->isChecked();

    s.frame.columns = m_frame.columns->value();
    s.frame.rows = m_frame.rows->value();
    s.frame.tracesPerPlot = m_frame.perPlot->value();
    s.frame.traceInfo = m_frame.info->isChecked();
    s.frame.currentView = m_frame.currentView->isChecked();
    s.frame.landscape = m_frame.orientation.landscape->isChecked();

    s.bidir.plotTrace = m_bidir.plot->isChecked();
    s.bidir.biDirEvents = m_bidir.events->isChecked();
    s.bidir.traceInfo = m_bidir.info->isChecked();
    s.bidir.headerInfo = m_bidir.header->isChecked();
    s.bidir.useCurrentView = m_bidir.currentView->isChecked();
    s.bidir.landscape = m_bidir.orientation.landscape->isChecked();
    return s;
}

void EditPageLayout(QWidget* parent) {
    CPageLayoutDialog dialog(pageLayout(), parent);
    if (dialog.exec() == QDialog::Accepted) pageLayout() = dialog.result();
}

} // namespace orvane::printing
