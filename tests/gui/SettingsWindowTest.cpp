// Language, version and background colour from the settings file, seen on the real window.
#include "app/CalloutLabel.h"
#include "app/MainWindow.h"
#include "config/ini/Settings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct ProgramFolder {
    QTemporaryDir dir;
    std::string path() const { return dir.path().toStdString() + "/"; }
    void writeSettings(const QByteArray& text) const {
        QFile file(dir.path() + "/kelo.ini");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray settings() const {
        QFile file(dir.path() + "/kelo.ini");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

struct ShownWindow {
    SceneState state;
    std::unique_ptr<TfrmCube> window;
    explicit ShownWindow(const ProgramFolder& folder) {
        InitialiseSceneState(state);
        ReadVersion(state, folder.path());
        state.levelDemoRunning = state.swingDemoRunning = false;
        window = std::make_unique<TfrmCube>(state, folder.path());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) ADD_FAILURE() << "window not shown";
    }
};

} // namespace

TEST(SettingsWindow, GermanSettingGivesGermanCaptionsAndTheVersionFollowsThePrefix) {
    ProgramFolder folder;
    folder.writeSettings("[optionen]\nlanguage=deutsch\nversion=4.1\n");
    ShownWindow shown(folder);
    EXPECT_EQ(shown.state.languageCode, "d");
    EXPECT_EQ(shown.window->windowTitle(), "MZA Roveroruvezodozo  4.1");
    EXPECT_EQ(shown.window->menuItem("Datei1")->text(), "&Datei");
    EXPECT_EQ(shown.window->menuItem("N5")->text(), "&alles gechnitten");
    EXPECT_EQ(shown.window->menuItem("Info1")->text(), "Info Prorammierer...");
    EXPECT_EQ(shown.window->menuItem("TBSubmenuItem1")->text(), "Ab&lauf");
    EXPECT_EQ(shown.window->menuItem("Flgeli2")->text(), QString::fromUtf8("Fl\u00FCgeli"))
        << "the views keep their design captions";
    EXPECT_EQ(shown.window->callout("Label1")->text(), " Armaflex Isolation");
}

TEST(SettingsWindow, CapitalisedLanguageValueLeavesEnglish) {
    ProgramFolder folder;
    folder.writeSettings("[optionen]\nlanguage=Deutsch\nversion=4.1\n");
    ShownWindow shown(folder);
    EXPECT_EQ(shown.state.languageCode, "gb");
    EXPECT_EQ(shown.window->windowTitle(), "MZA Dazivuva Vovorirov  4.1");
    EXPECT_EQ(shown.window->menuItem("Datei1")->text(), "&File");
    EXPECT_EQ(shown.window->menuItem("TBItem1")->text(), "&Erweitert...");
    EXPECT_EQ(shown.window->callout("Label4")->text(), " Switches");
}

TEST(SettingsWindow, ClosingSavesTheBackgroundColourAndKeepsTheRestOfTheFile) {
    ProgramFolder folder;
    folder.writeSettings("; kept\r\n[OPTIONEN]\r\nLanguage = deutsch\r\n[backgroundcolor]\r\n"
                         "red=0.1\r\ngreen=0.2\r\nblue=0.3\r\n");
    ShownWindow shown(folder);
    EXPECT_FLOAT_EQ(shown.state.backgroundRed, 0.1f);
    EXPECT_EQ(shown.window->palette().color(QPalette::Window), QColor(26, 51, 76));
    shown.state.backgroundGreen = 1;
    shown.window->close();
    EXPECT_FALSE(shown.state.levelDemoRunning);
    const QByteArray saved = folder.settings();
    EXPECT_TRUE(saved.contains("; kept\r\n[OPTIONEN]\r\nLanguage = deutsch\r\n")) << saved.data();
    EXPECT_TRUE(saved.contains("green=1.000\r\n")) << saved.data();
    EXPECT_TRUE(saved.contains("red=0.100\r\n")) << saved.data();
}

TEST(SettingsWindow, InstalledProgramKeepsTheColourInTheUsersOwnFile) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("usr/bin") &&
                QDir(root.path()).mkpath("usr/share/niveau"));
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", (root.path() + "/config").toUtf8());
    {
        SceneState state;
        InitialiseSceneState(state);
        state.levelDemoRunning = state.swingDemoRunning = false;
        TfrmCube window(state, root.path().toStdString() + "/usr/bin/");
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        state.backgroundGreen = 1;
        window.close();
    }
    if (oldConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);
    QFile saved(root.path() + "/config/niveau/kelo.ini");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("green=1.000\n"));
    EXPECT_FALSE(QFile::exists(root.path() + "/kelo.ini")) << "the rule folder stays untouched";
    EXPECT_FALSE(QFile::exists(root.path() + "/usr/bin/kelo.ini"));
}
