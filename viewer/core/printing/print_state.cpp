#include "core/printing/print_state.h"

namespace orvane::printing {

PageLayoutSettings& pageLayout() {
    static PageLayoutSettings layout;
    return layout;
}

namespace {
SettingsStore* g_store = nullptr;
}

void LoadPrintSettings(SettingsStore& store) {
    g_store = &store;
    pageLayout() = LoadPageLayout(store);
}

SettingsStore* printSettingsStore() {
    return g_store;
}

void SavePrintSettings(SettingsStore& store) {
    SavePageLayout(store, pageLayout());
}

} // namespace orvane::printing
