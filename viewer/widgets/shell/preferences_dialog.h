// File / Preferences...: a sheet of six pages over a copy of the
// preferences. OK copies back the pages that were shown; the caller applies
// the result (applyAcceptedPreferences).
#pragma once

#include "core/shell/preferences.h"

#include <QDialog>

#include <set>
#include <string>
#include <vector>

class QTabWidget;

namespace orvane {

class PreferencesPage;

class CPreferencesDialog : public QDialog {
    Q_OBJECT
public:
    CPreferencesDialog(const Preferences& preferences, const std::string& programDirectory,
                       QWidget* parent = nullptr);

    // The preferences with the shown pages' values; the others as given.
    Preferences result() const;
    PreferencesPage* page(int index) const { return m_pages.at(static_cast<size_t>(index)); }
    QTabWidget* tabs() const { return m_tabs; }

    void accept() override;

private:
    void onPageChanged(int index);
    // False (after the message) when the page holds a value that may not stay.
    bool validatePage(int index);

    Preferences m_original;
    QTabWidget* m_tabs;
    std::vector<PreferencesPage*> m_pages;
    std::set<int> m_shown;
    int m_current = 0;
    bool m_reverting = false;
};

// Runs the dialog over the application's preferences and applies an OK.
void EditPreferences(QWidget* parent);

} // namespace orvane
