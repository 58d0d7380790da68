// The INI store keeps sections, names and texts as written.
#include "widgets/platform/ini_settings_store.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(IniSettingsStore, ValuesSurviveAReopenWithTheirSectionsAndNames) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tarvisk.ini");
    {
        IniSettingsStore store(path);
        store.writeText("Preferences", "Distance Units", "Meters");
        store.writeInt("Preferences", "LossThreshold", 7);
        store.writeText("Preferences", "NV8FN Format", "1 2 3 4 0 5");
        store.writeText("Main Frame", "Position", "10,20,810,620");
        store.flush();
    }
    IniSettingsStore store(path);
    EXPECT_EQ(store.readText("Preferences", "Distance Units", ""), "Meters");
    EXPECT_EQ(store.readInt("Preferences", "LossThreshold", 5), 7);
    EXPECT_EQ(store.readText("Preferences", "NV8FN Format", ""), "1 2 3 4 0 5");
    EXPECT_EQ(store.readText("Main Frame", "Position", ""), "10,20,810,620");
    EXPECT_FALSE(store.readText("Preferences", "Missing").has_value());
    EXPECT_EQ(store.readInt("Main Frame", "Position", 3), 3); // not a number
}

} // namespace
} // namespace orvane
