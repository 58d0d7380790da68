#include "widgets/shell/preferences_dialog.h"

#include "core/platform/prompt.h"
#include "core/shell/application_state.h"
#include "core/shell/preferences_edit.h"
#include "widgets/shell/preferences_pages.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvane {

CPreferencesDialog::CPreferencesDialog(const Preferences& preferences,
                                       const std::string& programDirectory, QWidget* parent)
    : QDialog(parent), m_original(preferences), m_tabs(new QTabWidget(this)) {
    setWindowTitle(tr("Preferences"));
    m_pages = {new AnalysisPage(preferences),   new DisplayPage(preferences),
               new UnitsPage(preferences),      new TimeDatePage(preferences),
               new PowerMeterPage(preferences), new LanguagePage(preferences, programDirectory)};
    const QStringList titles = {tr("Analysis"),  tr("Display"),     tr("Units"),
                                tr("Time/Date"), tr("Power Meter"), tr("Language")};
    for (size_t i = 0; i < m_pages.size(); ++i)
        m_tabs->addTab(m_pages[i], titles[static_cast<int>(i)]);
    m_tabs->setUsesScrollButtons(false); // all six page titles in view
    m_shown.insert(0);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CPreferencesDialog::onPageChanged);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPreferencesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPreferencesDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

bool CPreferencesDialog::validatePage(int index) {
    const std::string message = m_pages.at(static_cast<size_t>(index))->validate();
    if (message.empty()) return true;
    tell("", message, PromptIcon::Exclamation);
    return false;
}

void CPreferencesDialog::onPageChanged(int index) {
    if (m_reverting) return;
    if (!validatePage(m_current)) {
        // The page stays open and its value keeps the focus.
        m_reverting = true;
        m_tabs->setCurrentIndex(m_current);
        m_reverting = false;
        m_pages.at(static_cast<size_t>(m_current))->validate(); // focus back on the value
        return;
    }
    m_current = index;
    m_shown.insert(index);
}

Preferences CPreferencesDialog::result() const {
    Preferences p = m_original;
    for (int index : m_shown)
        m_pages.at(static_cast<size_t>(index))->store(p);
    return p;
}

void CPreferencesDialog::accept() {
    if (!validatePage(m_current)) return;
    QDialog::accept();
}

void EditPreferences(QWidget* parent) {
    ApplicationState& app = application();
    if (app.busy) return;
    CPreferencesDialog dialog(app.preferences, app.programDirectory, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    applyAcceptedPreferences(dialog.result());
}

} // namespace orvane
