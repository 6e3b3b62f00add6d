#include "config/ini/Settings.h"
#include "config/ini/IniFile.h"

#include "TempFolder.h"

#include <clocale>
#include <gtest/gtest.h>
#include <set>

namespace {

// An imagined file system holding exactly the listed paths.
PathCheck existingPaths(std::set<std::string> paths) {
    return [paths = std::move(paths)](const std::string& p) { return paths.count(p) > 0; };
}

} // namespace

TEST(SettingsFolders, VersionFileIsLookedForBesideTheProgramThenAboveThenInInstall) {
    EXPECT_EQ(versionFolder("/demo/Program", existingPaths({"/demo/Program/kelo.ini"})),
              "/demo/Program/");
    EXPECT_EQ(versionFolder("/demo/Program/", existingPaths({"/demo/Program/../kelo.ini"})),
              "/demo/Program/../");
    EXPECT_EQ(versionFolder("/demo/Program/", existingPaths({})), "/demo/Program/Install/");
    EXPECT_EQ(versionFolder("/", existingPaths({"/kelo.ini"})), "/");
}

TEST(SettingsFolders, MainWindowDropsTheEightCharactersBeforeTheFinalSeparator) {
    const PathCheck all = [](const std::string&) { return true; };
    EXPECT_EQ(mainWindowSettingsFolder("/demo/Program/", all), "/demo/");
    EXPECT_EQ(mainWindowSettingsFolder("/demo/Program", all), "/demo/");
    EXPECT_EQ(mainWindowSettingsFolder("/demo/Programm/", all), "/demo//");
    EXPECT_EQ(mainWindowSettingsFolder("/", all), "/");
    EXPECT_EQ(mainWindowSettingsFolder("/abcdef/", all), "/abcdef/"); // eight characters: kept
    EXPECT_EQ(mainWindowSettingsFolder("/abcdefg/", all), "/");
    // Where the shortened folder does not exist, the program folder serves.
    EXPECT_EQ(mainWindowSettingsFolder("/opt/niveau/bin/", existingPaths({"/opt/niveau/bin/"})),
              "/opt/niveau/bin/");
    EXPECT_EQ(mainWindowSettingsFolder("/demo/Program/", existingPaths({"/demo/"})), "/demo/");
}

TEST(SettingsFolders, RulesHoldOnARealFolderTree) {
    TempFolder root;
    const std::string program = root / "Program/";
    std::filesystem::create_directories(program);
    EXPECT_EQ(mainWindowSettingsFolder(program), root.path());
    EXPECT_EQ(versionFolder(program), program + "Install/");
    writeFile(root / "kelo.ini", "");
    EXPECT_EQ(versionFolder(program), program + "../");
    std::filesystem::create_directory(program + "kelo.ini"); // a folder is no settings file
    EXPECT_EQ(versionFolder(program), program + "../");

    const std::string eightLetters = root / "Programm/";
    std::filesystem::create_directories(eightLetters);
    EXPECT_EQ(mainWindowSettingsFolder(eightLetters), root.path() + "/");
    const std::string longName = root / "ProgramFolder/";
    std::filesystem::create_directories(longName);
    EXPECT_EQ(mainWindowSettingsFolder(longName), longName);
}

TEST(SettingsFolders, ExecutableFolderIsTheFolderOfTheTestProgram) {
    const std::string folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(isExistingFolder(folder));
}

TEST(Settings, FirstRunUsesDefaultsAndWritesOnlyTheBackgroundColour) {
    TempFolder root;
    const std::string program = root / "Program/";
    std::filesystem::create_directories(program);
    SceneState state;
    ReadVersion(state, program);
    ReadSettings(state, program);
    EXPECT_EQ(state.versionText, "3.0.0");
    EXPECT_EQ(state.languageCode, "gb");
    EXPECT_EQ(state.settingsDir, root.path());
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.643f);
    EXPECT_FLOAT_EQ(state.backgroundGreen, 0.745f);
    EXPECT_FLOAT_EQ(state.backgroundBlue, 1.0f);

    ASSERT_TRUE(WriteSettings(state));
    EXPECT_EQ(readFile(root / "kelo.ini"),
              "[backgroundcolor]\nred=0.643\ngreen=0.745\nblue=1.000\n");
}

TEST(Settings, LanguageIsRecognisedOnlyInItsExactSpelling) {
    TempFolder root;
    const std::string program = root / "Program/";
    std::filesystem::create_directories(program);
    const auto languageFor = [&](const std::string& value) {
        writeFile(root / "kelo.ini", "[optionen]\nlanguage=" + value + "\n");
        SceneState state;
        ReadSettings(state, program);
        return state.languageCode;
    };
    EXPECT_EQ(languageFor("deutsch"), "d");
    EXPECT_EQ(languageFor("englisch"), "gb");
    EXPECT_EQ(languageFor("Deutsch"), "gb");
    EXPECT_EQ(languageFor("german"), "gb");

    // Any value other than the two leaves the code as it was.
    writeFile(root / "kelo.ini", "[optionen]\nlanguage=Englisch\n");
    SceneState german;
    german.languageCode = "d";
    ReadSettings(german, program);
    EXPECT_EQ(german.languageCode, "d");
}

TEST(Settings, VersionIsReadFromTheVersionFolder) {
    TempFolder root;
    const std::string program = root / "Program/";
    std::filesystem::create_directories(program + "Install");
    writeFile(program + "Install/kelo.ini", "[optionen]\nversion=4.1\n");
    SceneState state;
    ReadVersion(state, program);
    EXPECT_EQ(state.versionText, "4.1");
    writeFile(root / "kelo.ini", "[optionen]\nversion=4.2\n");
    ReadVersion(state, program);
    EXPECT_EQ(state.versionText, "4.2");
    writeFile(root / "kelo.ini", "[optionen]\n");
    ReadVersion(state, program);
    EXPECT_EQ(state.versionText, "4.2") << "a missing key keeps the current text";
}

TEST(Settings, WindowsFileIsReadAndRewrittenWithoutLosingALine) {
    TempFolder root;
    const std::string program = root / "Program/";
    std::filesystem::create_directories(program);
    const std::string original = "\xEF\xBB\xBF; settings\r\n"
                                 "[OPTIONEN]\r\n"
                                 "Language = deutsch\r\n"
                                 "Version = 4.1\r\n"
                                 "\r\n"
                                 "[Extra]\r\n"
                                 "something=else\r\n"
                                 "\r\n"
                                 "[BackgroundColor]\r\n"
                                 "Red = 0.1\r\n"
                                 "Green = 0.2\r\n"
                                 "Blue = 0.3\r\n";
    writeFile(root / "kelo.ini", original);
    SceneState state;
    ReadSettings(state, program);
    EXPECT_EQ(state.languageCode, "d");
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.1f);
    EXPECT_FLOAT_EQ(state.backgroundGreen, 0.2f);
    EXPECT_FLOAT_EQ(state.backgroundBlue, 0.3f);

    state.backgroundRed = 1;
    state.backgroundGreen = 0.5f;
    state.backgroundBlue = 0.0004f;
    ASSERT_TRUE(WriteSettings(state));
    std::string expected = original;
    expected.replace(expected.find("Red = 0.1"), 9, "Red=1.000");
    expected.replace(expected.find("Green = 0.2"), 11, "Green=0.500");
    expected.replace(expected.find("Blue = 0.3"), 10, "Blue=0.000");
    EXPECT_EQ(readFile(root / "kelo.ini"), expected);
}

TEST(Settings, WritingFailsSilentlyWhereThereIsNoFolder) {
    SceneState state;
    EXPECT_FALSE(WriteSettings(state)) << "no folder determined yet";
    state.settingsDir = "/nonexistent-niveau-folder/";
    EXPECT_FALSE(WriteSettings(state));
}

TEST(SettingsColour, MalformedComponentsFallBackEachOnItsOwn) {
    TempFolder root;
    const std::string program = root / "Program/";
    std::filesystem::create_directories(program);
    writeFile(root / "kelo.ini", "[backgroundcolor]\nred=0,5\ngreen=0.5x\nblue=2.5\n");
    SceneState state;
    ReadSettings(state, program);
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.643f);
    EXPECT_FLOAT_EQ(state.backgroundGreen, 0.745f);
    EXPECT_FLOAT_EQ(state.backgroundBlue, 2.5f) << "values outside 0..1 are kept";

    EXPECT_EQ(parseColourComponent("+.25"), 0.25f);
    EXPECT_EQ(parseColourComponent("1e-1"), 0.1f);
    EXPECT_FALSE(parseColourComponent(""));
    EXPECT_FALSE(parseColourComponent("nan"));
    EXPECT_FALSE(parseColourComponent("1e999"));
    EXPECT_FALSE(parseColourComponent("1e300")) << "too large for a 32-bit float";
}

TEST(SettingsColour, FormatHasThreeDecimalsAndAtLeastFiveCharacters) {
    EXPECT_EQ(formatColourComponent(0.643f), "0.643");
    EXPECT_EQ(formatColourComponent(1.0f), "1.000");
    EXPECT_EQ(formatColourComponent(0.0f), "0.000");
    EXPECT_EQ(formatColourComponent(0.9996f), "1.000");
    EXPECT_EQ(formatColourComponent(-0.25f), "-0.250");
    EXPECT_EQ(formatColourComponent(12.5f), "12.500");
}

TEST(SettingsColour, DecimalPointHoldsUnderAGermanLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    const auto red = parseColourComponent("0.643");
    const std::string written = formatColourComponent(0.745f);
    const auto comma = parseColourComponent("0,643");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(red, 0.643f);
    EXPECT_EQ(written, "0.745");
    EXPECT_FALSE(comma);
}
