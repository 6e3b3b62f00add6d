#include "config/ini/Settings.h"
#include "config/ini/IniFile.h"

#include "TempFolder.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <tuple>
#include <vector>

namespace {

// An imagined file system holding exactly the listed paths.
PathCheck existingPaths(std::set<std::string> paths) {
    return [paths = std::move(paths)](const std::string& p) { return paths.count(p) > 0; };
}

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// Every entry below `folder`, so that a test can tell that nothing was written there.
std::set<std::string> treeOf(const std::string& folder) {
    std::set<std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        entries.insert(entry.path().string());
    return entries;
}

// An installed layout inside a temporary folder T: the program folder T/usr/bin/ next to the
// data folder T/usr/share/niveau/. The main window's rule would turn T/usr/bin/ into T/, just as
// it turns /usr/bin/ into /. The system-wide folders are T/xdg/ and T/etc/xdg/, with no file yet.
struct InstalledTree {
    TempFolder root;
    std::string program = root / "usr/bin/";
    std::string data = root / "usr/share/niveau/";
    std::string config = root / "config/"; // XDG_CONFIG_HOME, not there until the first write
    std::string userFile = config + "niveau/kelo.ini";
    std::string firstDefaults = root / "xdg/niveau/kelo.ini";
    std::string secondDefaults = root / "etc/xdg/niveau/kelo.ini";
    ScopedVariable xdg{"XDG_CONFIG_HOME", config};
    ScopedVariable dirs{"XDG_CONFIG_DIRS", root / "xdg:" + root / "etc/xdg"};
    InstalledTree() {
        std::filesystem::create_directories(program);
        std::filesystem::create_directories(data);
        std::filesystem::create_directories(root / "xdg/niveau");
        std::filesystem::create_directories(root / "etc/xdg/niveau");
    }
};

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

TEST(SettingsFolders, InstalledLocationIsABinFolderBesideShareNiveau) {
    EXPECT_EQ(installedDataFolder("/usr/bin/"), "/usr/share/niveau/");
    EXPECT_EQ(installedDataFolder("/usr/local/bin"), "/usr/local/share/niveau/");
    EXPECT_EQ(installedDataFolder("/bin/"), "/share/niveau/");
    EXPECT_EQ(installedDataFolder("/usr/sbin/"), "");
    EXPECT_EQ(installedDataFolder("/demo/Program/"), "");

    EXPECT_TRUE(isInstalledLocation("/usr/bin/", existingPaths({"/usr/share/niveau/"})));
    EXPECT_FALSE(isInstalledLocation("/usr/bin/", existingPaths({"/usr/share/"})));
    EXPECT_FALSE(isInstalledLocation("/demo/Program/", existingPaths({"/demo/share/niveau/"})));
}

TEST(SettingsFolders, UserFolderFollowsXdgConfigHomeElseTheHomeFolder) {
    EXPECT_EQ(userSettingsFolder("/x/config", "/home/u"), "/x/config/niveau/");
    EXPECT_EQ(userSettingsFolder("/x/config/", "/home/u"), "/x/config/niveau/");
    EXPECT_EQ(userSettingsFolder(nullptr, "/home/u"), "/home/u/.config/niveau/");
    EXPECT_EQ(userSettingsFolder("", "/home/u/"), "/home/u/.config/niveau/");
    EXPECT_EQ(userSettingsFolder("relative/config", "/home/u"), "/home/u/.config/niveau/")
        << "a relative XDG_CONFIG_HOME is ignored";
    // Without a usable HOME the account's home folder serves.
    const std::string fromAccount = userSettingsFolder(nullptr, "relative");
    EXPECT_EQ(fromAccount, userSettingsFolder(nullptr, nullptr));
    ASSERT_FALSE(fromAccount.empty());
    EXPECT_EQ(fromAccount.front(), '/');
    EXPECT_TRUE(fromAccount.ends_with("/.config/niveau/")) << fromAccount;

    TempFolder root;
    const ScopedVariable xdg("XDG_CONFIG_HOME", root / "config");
    EXPECT_EQ(userSettingsFolder(), root / "config/niveau/");
}

TEST(SettingsFolders, SystemFoldersFollowXdgConfigDirsElseEtcXdg) {
    using Folders = std::vector<std::string>;
    EXPECT_EQ(systemSettingsFolders("/a:/b/"), (Folders{"/a/niveau/", "/b/niveau/"}));
    EXPECT_EQ(systemSettingsFolders("relative:/c::"), Folders{"/c/niveau/"})
        << "relative and empty entries are ignored";
    EXPECT_EQ(systemSettingsFolders(nullptr), Folders{"/etc/xdg/niveau/"});
    EXPECT_EQ(systemSettingsFolders(""), Folders{"/etc/xdg/niveau/"});
    EXPECT_EQ(systemSettingsFolders("relative"), Folders{"/etc/xdg/niveau/"});

    const ScopedVariable dirs("XDG_CONFIG_DIRS", "/site/xdg");
    EXPECT_EQ(systemSettingsFolders(), Folders{"/site/xdg/niveau/"});
}

TEST(SettingsPlace, InstalledProgramUsesTheUsersFolderNeverTheRoot) {
    const std::string user = "/home/u/.config/niveau/";
    SettingsChecks checks;
    checks.fileExists = existingPaths({});
    checks.folderExists = existingPaths({"/", "/usr/bin/", "/usr/share/niveau/"});
    checks.folderWritable = existingPaths({}); // a normal user
    const std::vector<std::string> system = {"/etc/xdg/niveau/"};
    SettingsPlace place = mainWindowSettingsPlace("/usr/bin/", user, checks, system);
    EXPECT_EQ(place.folder, user);
    EXPECT_TRUE(place.personal);
    EXPECT_EQ(place.defaults, "") << "no system-wide file";
    checks.folderWritable = existingPaths({"/", "/usr/bin/"}); // root
    place = mainWindowSettingsPlace("/usr/bin/", user, checks, system);
    EXPECT_EQ(place.folder, user);
    EXPECT_TRUE(place.personal);

    // Files beside or above the program folder do not count, writable or not.
    checks.fileExists = existingPaths({"/kelo.ini", "/usr/kelo.ini", "/usr/bin/kelo.ini"});
    place = mainWindowSettingsPlace("/usr/bin/", user, checks, system);
    EXPECT_EQ(place.folder, user);
    EXPECT_TRUE(place.personal);
    EXPECT_EQ(place.defaults, "");
}

TEST(SettingsPlace, InstalledProgramTakesTheFirstSystemFileAsDefaults) {
    const std::string user = "/home/u/.config/niveau/";
    SettingsChecks checks;
    checks.folderExists = existingPaths({"/usr/bin/", "/usr/share/niveau/"});
    const std::vector<std::string> system = {"/site/niveau/", "/etc/xdg/niveau/"};
    checks.fileExists = existingPaths({"/etc/xdg/niveau/kelo.ini"});
    EXPECT_EQ(mainWindowSettingsPlace("/usr/bin/", user, checks, system).defaults,
              "/etc/xdg/niveau/kelo.ini");
    checks.fileExists = existingPaths({"/site/niveau/kelo.ini", "/etc/xdg/niveau/kelo.ini"});
    EXPECT_EQ(mainWindowSettingsPlace("/usr/bin/", user, checks, system).defaults,
              "/site/niveau/kelo.ini");
    // Also without a user folder (no home folder known) the defaults are read.
    const SettingsPlace homeless = mainWindowSettingsPlace("/usr/bin/", "", checks, system);
    EXPECT_EQ(homeless.folder, "");
    EXPECT_EQ(homeless.defaults, "/site/niveau/kelo.ini");

    // A copied program has no system-wide defaults.
    checks.folderExists = existingPaths({"/demo/", "/demo/Program/"});
    checks.folderWritable = existingPaths({"/demo/"});
    checks.fileExists = existingPaths({"/site/niveau/kelo.ini"});
    EXPECT_EQ(mainWindowSettingsPlace("/demo/Program/", user, checks, system).defaults, "");
    checks.folderWritable = existingPaths({});
    EXPECT_EQ(mainWindowSettingsPlace("/demo/Program/", user, checks, system).defaults, "");
}

TEST(SettingsPlace, CopiedProgramKeepsTheRuleFolderWhileItIsWritable) {
    const std::string user = "/home/u/.config/niveau/";
    SettingsChecks checks;
    checks.fileExists = existingPaths({});
    checks.folderExists = existingPaths({"/demo/", "/demo/Program/"});
    checks.folderWritable = existingPaths({"/demo/"});
    SettingsPlace place = mainWindowSettingsPlace("/demo/Program/", user, checks);
    EXPECT_EQ(place.folder, "/demo/");
    EXPECT_FALSE(place.personal);

    checks.folderWritable = existingPaths({"/demo/Program/"}); // only the rule folder counts
    place = mainWindowSettingsPlace("/demo/Program/", user, checks);
    EXPECT_EQ(place.folder, user);
    EXPECT_TRUE(place.personal);

    checks.fileExists = existingPaths({"/demo/kelo.ini"}); // a read-only file is read as before
    place = mainWindowSettingsPlace("/demo/Program/", user, checks);
    EXPECT_EQ(place.folder, "/demo/");
    EXPECT_FALSE(place.personal);
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
    const SettingsFile file = ReadSettings(state, program);
    EXPECT_EQ(state.versionText, "3.0.0");
    EXPECT_EQ(state.languageCode, "gb");
    EXPECT_EQ(file.place().folder, root.path());
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.643f);
    EXPECT_FLOAT_EQ(state.backgroundGreen, 0.745f);
    EXPECT_FLOAT_EQ(state.backgroundBlue, 1.0f);

    ASSERT_TRUE(WriteSettings(state, file));
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
    const SettingsFile file = ReadSettings(state, program);
    EXPECT_EQ(state.languageCode, "d");
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.1f);
    EXPECT_FLOAT_EQ(state.backgroundGreen, 0.2f);
    EXPECT_FLOAT_EQ(state.backgroundBlue, 0.3f);

    state.backgroundRed = 1;
    state.backgroundGreen = 0.5f;
    state.backgroundBlue = 0.0004f;
    ASSERT_TRUE(WriteSettings(state, file));
    std::string expected = original;
    expected.replace(expected.find("Red = 0.1"), 9, "Red=1.000");
    expected.replace(expected.find("Green = 0.2"), 11, "Green=0.500");
    expected.replace(expected.find("Blue = 0.3"), 10, "Blue=0.000");
    EXPECT_EQ(readFile(root / "kelo.ini"), expected);
}

TEST(Settings, SmoothEdgesAreKeptOnlyOnceChosenAndTheRestOfTheFileStays) {
    TempFolder root;
    const std::string program = root / "Program/";
    std::filesystem::create_directories(program);
    const std::string original = "[optionen]\r\nlanguage=deutsch\r\n; a comment\r\n";
    writeFile(root / "kelo.ini", original);
    SceneState state;
    const SettingsFile file = ReadSettings(state, program);
    EXPECT_FALSE(state.smoothEdgesChosen) << "the renderer decides";
    ASSERT_TRUE(WriteSettings(state, file));
    EXPECT_EQ(readFile(root / "kelo.ini").find("smoothedges"), std::string::npos);

    state.smoothEdges = true;
    state.smoothEdgesChosen = true;
    ASSERT_TRUE(WriteSettings(state, file));
    EXPECT_EQ(readFile(root / "kelo.ini"),
              "[optionen]\r\nlanguage=deutsch\r\nsmoothedges=ein\r\n; a comment\r\n\r\n"
              "[backgroundcolor]\r\nred=0.643\r\ngreen=0.745\r\nblue=1.000\r\n");

    for (const auto& [value, chosen, smooth] :
         {std::tuple{"ein", true, true}, std::tuple{"aus", true, false},
          std::tuple{"Ein", false, false}, std::tuple{"1", false, false}}) {
        writeFile(root / "kelo.ini", std::string("[optionen]\nsmoothedges=") + value + "\n");
        SceneState read;
        ReadSettings(read, program);
        EXPECT_EQ(read.smoothEdgesChosen, chosen) << value;
        EXPECT_EQ(read.smoothEdges, smooth) << value;
    }
}

TEST(Settings, WritingFailsSilentlyWhereThereIsNoFolder) {
    SceneState state;
    EXPECT_FALSE(WriteSettings(state, SettingsFile(SettingsPlace{}))) << "no folder known";
    EXPECT_FALSE(WriteSettings(
        state, SettingsFile(SettingsPlace{"/nonexistent-niveau-folder/", false, ""})));
}

TEST(Settings, InstalledProgramKeepsItsSettingsInTheUsersOwnFile) {
    InstalledTree tree;
    const std::set<std::string> before = treeOf(tree.root.path());
    SceneState state;
    const SettingsFile file = ReadSettings(state, tree.program);
    EXPECT_EQ(file.place().folder, tree.config + "niveau/");
    EXPECT_TRUE(file.place().personal);
    EXPECT_EQ(state.languageCode, "gb");
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.643f);

    // The first close creates the file with its folders, readable by the user only.
    state.backgroundGreen = 0.5f;
    ASSERT_TRUE(WriteSettings(state, file));
    EXPECT_EQ(readFile(tree.userFile), "[backgroundcolor]\nred=0.643\ngreen=0.500\nblue=1.000\n");
    struct stat info {};
    ASSERT_EQ(::stat((tree.config + "niveau").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    std::set<std::string> after = treeOf(tree.root.path());
    for (const std::string& path : before) after.erase(path);
    EXPECT_EQ(after, (std::set<std::string>{tree.root / "config", tree.root / "config/niveau",
                                            tree.userFile}))
        << "nothing is written beside or above the program";

    // The next run reads language and colour back from the user's file.
    writeFile(tree.userFile, "[optionen]\nlanguage=deutsch\n[backgroundcolor]\nred=0.25\n");
    SceneState next;
    ReadSettings(next, tree.program);
    EXPECT_EQ(next.languageCode, "d");
    EXPECT_FLOAT_EQ(next.backgroundRed, 0.25f);
}

TEST(Settings, FilesBesideOrAboveAnInstalledProgramAreNeitherReadNorWritten) {
    InstalledTree tree;
    const std::string foreign = "[optionen]\nlanguage=deutsch\n[backgroundcolor]\nred=0.1\n";
    for (const std::string& path :
         {tree.root / "kelo.ini", tree.root / "usr/kelo.ini", tree.program + "kelo.ini"}) {
        writeFile(path, foreign);
    }
    SceneState state;
    const SettingsFile file = ReadSettings(state, tree.program);
    EXPECT_EQ(file.place().folder, tree.config + "niveau/");
    EXPECT_EQ(state.languageCode, "gb");
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.643f);
    ASSERT_TRUE(WriteSettings(state, file));
    EXPECT_EQ(readFile(tree.userFile), "[backgroundcolor]\nred=0.643\ngreen=0.745\nblue=1.000\n");
    for (const std::string& path :
         {tree.root / "kelo.ini", tree.root / "usr/kelo.ini", tree.program + "kelo.ini"}) {
        EXPECT_EQ(readFile(path), foreign) << path;
    }
}

TEST(Settings, InstalledProgramTakesWhatTheUsersFileLacksFromTheSystemDefaults) {
    InstalledTree tree;
    const std::string defaults = "; site defaults\n[optionen]\nlanguage=deutsch\n"
                                 "smoothedges=aus\nversion=7\n[backgroundcolor]\nred=0.25\n"
                                 "green=0.5\n";
    writeFile(tree.secondDefaults, defaults);
    SceneState state;
    const SettingsFile file = ReadSettings(state, tree.program);
    EXPECT_EQ(state.languageCode, "d");
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.25f);
    EXPECT_FLOAT_EQ(state.backgroundGreen, 0.5f);
    EXPECT_FLOAT_EQ(state.backgroundBlue, 1.0f) << "missing there too: the built-in default";
    EXPECT_TRUE(state.smoothEdgesChosen);
    EXPECT_FALSE(state.smoothEdges);
    ReadVersion(state, tree.program);
    EXPECT_EQ(state.versionText, "3.0.0") << "the version comes from the data folder only";

    // The first close writes the program's own keys into a new user file, nothing more, and
    // leaves the defaults as they were.
    state.backgroundBlue = 0.75f;
    ASSERT_TRUE(WriteSettings(state, file));
    EXPECT_EQ(readFile(tree.userFile), "[optionen]\nsmoothedges=aus\n\n[backgroundcolor]\n"
                                       "red=0.250\ngreen=0.500\nblue=0.750\n");
    EXPECT_EQ(readFile(tree.secondDefaults), defaults);

    // Keys the user's file lacks keep following the defaults; those it has win.
    writeFile(tree.userFile, "[backgroundcolor]\nred=0.125\n");
    SceneState next;
    ReadSettings(next, tree.program);
    EXPECT_EQ(next.languageCode, "d");
    EXPECT_FLOAT_EQ(next.backgroundRed, 0.125f);
    EXPECT_FLOAT_EQ(next.backgroundGreen, 0.5f);
    writeFile(tree.userFile, "[optionen]\nlanguage=englisch\n");
    SceneState english;
    english.languageCode = "d";
    ReadSettings(english, tree.program);
    EXPECT_EQ(english.languageCode, "gb");

    // The first folder of XDG_CONFIG_DIRS with a file wins.
    writeFile(tree.firstDefaults, "[backgroundcolor]\nred=0.875\n");
    std::filesystem::remove(tree.userFile);
    SceneState first;
    ReadSettings(first, tree.program);
    EXPECT_FLOAT_EQ(first.backgroundRed, 0.875f);
    EXPECT_FLOAT_EQ(first.backgroundGreen, 0.745f) << "files further on are not read";
    EXPECT_EQ(first.languageCode, "gb");
}

TEST(Settings, CopiedProgramIgnoresTheSystemDefaults) {
    TempFolder root;
    const ScopedVariable xdg("XDG_CONFIG_HOME", root / "config");
    const ScopedVariable dirs("XDG_CONFIG_DIRS", root / "xdg");
    std::filesystem::create_directories(root / "xdg/niveau");
    writeFile(root / "xdg/niveau/kelo.ini", "[optionen]\nlanguage=deutsch\n");
    const std::string program = root / "Program/";
    std::filesystem::create_directories(program);
    SceneState state;
    const SettingsFile file = ReadSettings(state, program);
    EXPECT_EQ(state.languageCode, "gb");
    EXPECT_EQ(file.place().folder, root.path());
}

TEST(Settings, CopiedProgramWritesBesideItselfAndLeavesTheUsersFolderAlone) {
    TempFolder root;
    const ScopedVariable xdg("XDG_CONFIG_HOME", root / "config");
    const std::string program = root / "Program/";
    std::filesystem::create_directories(program);
    SceneState state;
    const SettingsFile file = ReadSettings(state, program);
    EXPECT_FALSE(file.place().personal);
    ASSERT_TRUE(WriteSettings(state, file));
    EXPECT_TRUE(std::filesystem::exists(root / "kelo.ini"));
    EXPECT_FALSE(std::filesystem::exists(root / "config"));
}

TEST(Settings, UnwritableRuleFolderSendsTheSettingsToTheUsersFolder) {
    TempFolder root;
    const ScopedVariable xdg("XDG_CONFIG_HOME", root / "config");
    const std::string shared = root / "shared/";
    const std::string program = shared + "Program/";
    std::filesystem::create_directories(program);
    // No write bit for anyone: read-only for the superuser too.
    using std::filesystem::perms;
    std::filesystem::permissions(shared,
                                 perms::owner_write | perms::group_write | perms::others_write,
                                 std::filesystem::perm_options::remove);
    SceneState state;
    const SettingsFile file = ReadSettings(state, program);
    std::filesystem::permissions(shared, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(file.place().folder, root / "config/niveau/");
    EXPECT_TRUE(file.place().personal);
}

TEST(Settings, WithoutAUsableUserFolderNothingIsWritten) {
    InstalledTree tree;
    SceneState state;
    const SettingsFile none = ReadSettings(state, tree.program, "");
    EXPECT_EQ(none.place().folder, "");
    EXPECT_FLOAT_EQ(state.backgroundBlue, 1.0f);
    EXPECT_FALSE(WriteSettings(state, none));

    // A user folder that cannot be made (a file stands in its way): the write fails silently.
    writeFile(tree.root / "blocked", "");
    const SettingsFile blocked = ReadSettings(state, tree.program, tree.root / "blocked/niveau/");
    EXPECT_TRUE(blocked.place().personal);
    EXPECT_FALSE(WriteSettings(state, blocked));
}

TEST(Settings, InstalledVersionComesFromTheDataFolderOnly) {
    InstalledTree tree;
    for (const std::string& path : {tree.program + "kelo.ini", tree.root / "usr/kelo.ini",
                                    tree.program + "Install/kelo.ini", tree.root / "kelo.ini"}) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        writeFile(path, "[optionen]\nversion=9\n");
    }
    std::filesystem::create_directories(tree.config + "niveau");
    writeFile(tree.userFile, "[optionen]\nversion=9\n");
    SceneState state;
    ReadVersion(state, tree.program);
    EXPECT_EQ(state.versionText, "3.0.0") << "the built-in version";
    writeFile(tree.data + "kelo.ini", "[optionen]\nversion=3.1\n");
    ReadVersion(state, tree.program);
    EXPECT_EQ(state.versionText, "3.1");

    // The same layout without share/niveau/ is a copied program and follows the version rule.
    std::filesystem::remove_all(tree.root / "usr/share");
    SceneState copied;
    ReadVersion(copied, tree.program);
    EXPECT_EQ(copied.versionText, "9");
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
    EXPECT_FALSE(parseColourComponent("+-0.5")) << "one sign at most";
    EXPECT_FALSE(parseColourComponent("++0.5"));
    EXPECT_EQ(parseColourComponent("-0.5"), -0.5f);
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
