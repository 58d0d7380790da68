#include "widgets/bidir/report_window.h"

#include "core/bidir/report_export.h"
#include "widgets/printing/report_print.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

namespace {

std::size_t fieldCount(const std::string& line) {
    if (line.empty()) return 0;
    return static_cast<std::size_t>(std::count(line.begin() + 1, line.end(), line.front()) + 1);
}

QTableWidget* reportTable(const bidir::Report& report) {
    std::size_t columns = 0;
    for (const std::string& line : report.lines)
        columns = std::max(columns, fieldCount(line));
    auto* table =
        new QTableWidget(static_cast<int>(report.lines.size()), static_cast<int>(columns));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setShowGrid(false);
    for (std::size_t row = 0; row < report.lines.size(); ++row) {
        const std::vector<bidir::ReportField> fields = bidir::splitRow(report.lines[row], columns);
        for (std::size_t column = 0; column < fields.size(); ++column) {
            if (fields[column].text.empty()) continue;
            auto* item = new QTableWidgetItem(QString::fromStdString(fields[column].text));
            if (fields[column].emphasis) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            table->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    table->resizeColumnsToContents();
    return table;
}

} // namespace

CReportWindow::CReportWindow(std::vector<bidir::Report> reports, QWidget* parent)
    : QDialog(parent), m_reports(std::move(reports)) {
    setWindowTitle(tr("Reports"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget;
    for (const bidir::Report& report : m_reports)
        m_tabs->addTab(reportTable(report), QString::fromStdString(report.title));
    layout->addWidget(m_tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* exportButton = buttons->addButton(tr("Export..."), QDialogButtonBox::ActionRole);
    connect(exportButton, &QPushButton::clicked, this, &CReportWindow::exportShown);
    QPushButton* printButton = buttons->addButton(tr("Print..."), QDialogButtonBox::ActionRole);
    connect(printButton, &QPushButton::clicked, this, [this] {
        const int shown = m_tabs->currentIndex();
        if (shown >= 0) printing::PrintReports(this, {m_reports[static_cast<std::size_t>(shown)]});
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(900, 600);
}

bool CReportWindow::exportShown() {
    const int shown = m_tabs->currentIndex();
    if (shown < 0) return false;
    return bidir::ExportBuiltReport(m_reports[static_cast<std::size_t>(shown)]);
}

} // namespace orvane
