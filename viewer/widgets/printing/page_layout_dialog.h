// CPageLayoutDialog: the sheet "Page Layout" with one page per trace print
// kind, "View", "Batch", "Frame" and "Bi-Dir", and no Apply button.
#pragma once

#include "core/printing/print_settings.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace orvane::printing {

class CPageLayoutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CPageLayoutDialog(const PageLayoutSettings& settings, QWidget* parent = nullptr);

    PageLayoutSettings result() const;
    QTabWidget* tabs() const { return m_tabs; }

private:
    struct Orientation {
        QRadioButton* portrait = nullptr;
        QRadioButton* landscape = nullptr;
    };
    QWidget* viewPage(const ViewPrintLayout& s);
    QWidget* batchPage(const BatchPrintLayout& s);
    QWidget* framePage(const FramePrintLayout& s);
    QWidget* biDirPage(const BiDirPrintLayout& s);

    PageLayoutSettings m_original;
    QTabWidget* m_tabs = nullptr;
    struct {
        QCheckBox *plot, *info, *header, *events, *expand;
        QRadioButton *all, *primary;
        Orientation orientation;
    } m_view{};
    struct {
        QCheckBox *plot, *info, *header, *events, *dual, *currentView;
        QSpinBox* perPlot;
        Orientation orientation;
    } m_batch{};
    struct {
        QSpinBox *columns, *rows, *perPlot;
        QCheckBox *info, *currentView;
        Orientation orientation;
    } m_frame{};
    struct {
        QCheckBox *plot, *events, *info, *header, *currentView;
        Orientation orientation;
    } m_bidir{};
};

// File / Page Layout...: edits the program's print settings record.
void EditPageLayout(QWidget* parent);

} // namespace orvane::printing
