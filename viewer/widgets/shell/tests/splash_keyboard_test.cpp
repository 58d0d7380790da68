// The splash screen's ways of closing, and the on-screen keyboard process:
// started once from $NORVAK8_HOME/bin, closed with the main window.
#include "widgets/shell/on_screen_keyboard.h"
#include "widgets/shell/splash.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Splash, ClosesAtTheFirstKeyOrClickOrAfterItsTime) {
    QWidget window;
    window.show();
    {
        Splash splash("1.0");
        EXPECT_TRUE(splash.isShowing());
        QTest::keyClick(&window, Qt::Key_A);
        EXPECT_FALSE(splash.isShowing());
    }
    {
        Splash splash("1.0");
        QTest::mouseClick(&window, Qt::LeftButton);
        EXPECT_FALSE(splash.isShowing());
    }
    Splash splash("1.0");
    QTest::qWait(kSplashMs / 2);
    EXPECT_TRUE(splash.isShowing());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.isShowing(); }, kSplashMs));
}

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("NORVAK8_HOME", home.path().toUtf8()); }
    void TearDown() override { qunsetenv("NORVAK8_HOME"); }

    // A keyboard program that records each start and its working folder.
    void installKeyboard() {
        ASSERT_TRUE(QDir(home.path()).mkpath("bin"));
        QFile program(home.filePath(QString("bin/") + kKeyboardProgram));
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\npwd >> \"$NORVAK8_HOME/starts\"\nexec sleep 30\n");
        program.close();
        program.setPermissions(program.permissions() | QFile::ExeOwner);
    }
    QStringList starts() const {
        QFile log(home.filePath("starts"));
        if (!log.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir home;
};

TEST_F(KeyboardTest, StartsOnceInItsFolderAndEndsWithTheWindow) {
    installKeyboard();
    OnScreenKeyboard keyboard;
    keyboard.show();
    EXPECT_TRUE(keyboard.isRunning());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !starts().isEmpty(); }, 5000));
    keyboard.show(); // still running: nothing happens
    QTest::qWait(200);
    EXPECT_EQ(starts(), QStringList{QDir(home.filePath("bin")).canonicalPath()});
    keyboard.close();
    EXPECT_FALSE(keyboard.isRunning());
}

TEST_F(KeyboardTest, WithoutTheProgramOrItsFolderNothingStarts) {
    OnScreenKeyboard keyboard;
    keyboard.show();
    EXPECT_FALSE(keyboard.isRunning());
    qunsetenv("NORVAK8_HOME");
    keyboard.show();
    EXPECT_FALSE(keyboard.isRunning());
}

} // namespace
} // namespace orvane
