// Preferences: stored forms, defaults and fall-backs, what the library gets,
// and the steps that follow an accepted dialog.
#include "core/platform/view.h"
#include "core/shell/application_state.h"
#include "core/shell/preferences_edit.h"
#include "core/shell/preferences_store.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Preferences, AnEmptyStoreGivesTheDefaults) {
    MemorySettingsStore store;
    EXPECT_EQ(LoadPreferences(store), Preferences());
    const Preferences p = LoadPreferences(store);
    EXPECT_EQ(p.distanceUnits, T6_UNIT_KM);
    EXPECT_EQ(p.fasTemplate.percentDis, 2.0);
    EXPECT_EQ(p.nv8fnFormat, (std::array<int32_t, 6>{1, 2, 3, 4, 0, 5}));
}

TEST(Preferences, RoundTripKeepsEveryValueInItsStoredForm) {
    Preferences p;
    p.distanceUnits = T6_UNIT_FT;
    p.saveTracePrompt = false;
    p.batchSize = 3;
    p.batchKeepPrimary = true;
    p.dbPerKM = 0.35;
    p.sortMaskName = "312";
    p.endNthReflThres = -42.5;
    p.timeFormat = kTime24Seconds;
    p.dateFormat = 2;
    p.pgmLanguage = "FRA";
    p.nv8fnSort = {6, 5, 4, 3, 2, 1};
    p.fasTemplate.percentDis = 1.234;
    p.smartTemplate.lossThres = 0.25;
    p.auto1Bi.buildSST = 0;
    MemorySettingsStore store;
    SavePreferences(store, p);

    EXPECT_EQ(store.readText("Preferences", "Distance Units", ""), "Feet");
    EXPECT_EQ(store.readText("Preferences", "Save Trace Prompt", ""), "Off");
    EXPECT_EQ(store.readText("Preferences", "Batch Size", ""), "3");
    EXPECT_EQ(store.readText("Preferences", "dB/km", ""), "0.350000");
    EXPECT_EQ(store.readText("Preferences", "TimeFormat", ""), "24s");
    EXPECT_EQ(store.readText("Preferences", "DateFormat", ""), "DDMMM");
    EXPECT_EQ(store.readText("Preferences", "NV8FN Sort", ""), "6 5 4 3 2 1");
    EXPECT_EQ(store.readText("FASTemplate", "PercentDis", ""), "123");
    EXPECT_EQ(store.readText("SmartTemplate", "LossThres", ""), "0.250000");

    Preferences back = LoadPreferences(store);
    EXPECT_DOUBLE_EQ(back.fasTemplate.percentDis, 1.23);
    back.fasTemplate.percentDis = p.fasTemplate.percentDis;
    EXPECT_EQ(back, p);
}

TEST(Preferences, UnreadableValuesFallBack) {
    MemorySettingsStore store;
    auto batchSizeOf = [&](const char* text) {
        store.writeText("Preferences", "Batch Size", text);
        return LoadPreferences(store).batchSize;
    };
    EXPECT_EQ(batchSizeOf("abc"), 8);
    EXPECT_EQ(batchSizeOf("0"), 8);
    EXPECT_EQ(batchSizeOf("12"), 8);
    EXPECT_EQ(batchSizeOf("3"), 3);

    store.writeText("Preferences", "EndNthReflThres", "45");
    store.writeText("Preferences", "EndNthReflCnt", "-2");
    store.writeText("Preferences", "Distance Units", "  meters ");
    store.writeText("Preferences", "TimeFormat", "25");
    store.writeText("Preferences", "LossThreshold", "lots");
    store.writeText("Preferences", "NV8FN Format", "1 2 3");
    store.writeText("Preferences", "P6DBDecimalPlaces", "9");
    const Preferences p = LoadPreferences(store);
    EXPECT_EQ(p.endNthReflThres, -45.0);
    EXPECT_EQ(p.endNthReflCnt, 1);
    EXPECT_EQ(p.distanceUnits, T6_UNIT_M);
    EXPECT_EQ(p.timeFormat, kTime12);
    EXPECT_EQ(p.lossThreshold, 5);
    EXPECT_EQ(p.nv8fnFormat, Preferences().nv8fnFormat);
    EXPECT_EQ(p.p6DBDecimalPlaces, 2);
}

TEST(Preferences, LibraryTakesTheDistanceUnit) {
    Preferences p;
    p.distanceUnits = T6_UNIT_M;
    ApplyPreferencesToLibrary(p);
    EXPECT_EQ(T6GetCurDistUnits(), T6_UNIT_M);
    ApplyPreferencesToLibrary(Preferences());
    EXPECT_EQ(T6GetCurDistUnits(), T6_UNIT_KM);
}

TEST(PreferencesDialogRules, SortMasksAndRanges) {
    EXPECT_TRUE(isValidSortMask(""));
    EXPECT_TRUE(isValidSortMask("123456789"));
    EXPECT_FALSE(isValidSortMask("12a"));
    EXPECT_FALSE(isValidSortMask("102"));
    EXPECT_FALSE(rangeMessage(-10.0, kReflThresholdRange));
    EXPECT_EQ(rangeMessage(-70.1, kReflThresholdRange),
              "Please enter a number between -70.0 and -10.0.");
}

class HintRecorder : public View {
public:
    std::vector<HintCode> codes;
    void onUpdate(View*, const Hint& hint) override { codes.push_back(hint.code); }
};

TEST(PreferencesDialogRules, AcceptedChangesSendTheirHintsToTheCurrentList) {
    Document list;
    HintRecorder view;
    view.attach(&list);
    application().preferences = Preferences();
    application().currentTraceList = &list;

    Preferences languageOnly;
    languageOnly.pgmLanguage = "FRA";
    int unitReloads = 0;
    PreferenceFollowUps f = applyAcceptedPreferences(languageOnly, {[&] { ++unitReloads; }, {}});
    EXPECT_TRUE(view.codes.empty());
    EXPECT_EQ(application().preferences.pgmLanguage, "FRA");

    Preferences changed = languageOnly;
    changed.distanceUnits = T6_UNIT_M;
    changed.sortMaskExt = "21";
    changed.orlRelOrigin = 1;
    f = applyAcceptedPreferences(changed, {[&] { ++unitReloads; }, {}});
    EXPECT_EQ(unitReloads, 1);
    EXPECT_FALSE(f.refreshPowerMeterViews);
    EXPECT_EQ(view.codes, (std::vector<HintCode>{HINT_LIST_RESORT, HINT_PREFERENCES,
                                                 HINT_MEASUREMENT_SETTINGS}));
    EXPECT_EQ(T6GetCurDistUnits(), T6_UNIT_M);

    application().currentTraceList = nullptr;
    applyAcceptedPreferences(Preferences());
}

} // namespace
} // namespace orvane
