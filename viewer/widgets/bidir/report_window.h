// The reports a wizard run produced, one tab each: every row laid over the
// report's columns, emphasised fields in bold, "Export..." to write the
// shown report as a text file and "Print..." to print it.
#pragma once

#include "core/bidir/report_table.h"

#include <QDialog>

#include <vector>

class QTabWidget;

namespace orvane {

class CReportWindow : public QDialog {
    Q_OBJECT
public:
    explicit CReportWindow(std::vector<bidir::Report> reports, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    const std::vector<bidir::Report>& reports() const { return m_reports; }
    // Export...: the shown report through the export file dialog.
    bool exportShown();

private:
    std::vector<bidir::Report> m_reports;
    QTabWidget* m_tabs = nullptr;
};

} // namespace orvane
