// Where the program looks for its settings file "kelo.ini". Folders are written with '/' and end
// with one. The rules take the file-system checks as parameters so that they can be tried on any
// example path; the defaults look at the real file system.
#pragma once

#include <functional>
#include <string>
#include <vector>

inline constexpr const char* settingsFileName = "kelo.ini";

using PathCheck = std::function<bool(const std::string&)>;

bool isExistingFile(const std::string& path);   // exists and is not a folder
bool isExistingFolder(const std::string& path); // exists and is a folder
bool isWritableFolder(const std::string& path); // a folder this process may create files in

// The folder of the running executable, ending with '/'; "./" if it cannot be determined.
std::string executableFolder();

// Folder of the file a copied program reads its version text from: the program folder F if
// F/kelo.ini exists, else F/../ if F/../kelo.ini exists, else F/Install/ (whether or not a file
// is there).
std::string versionFolder(const std::string& programFolder,
                          const PathCheck& fileExists = isExistingFile);

// Folder of the main window's settings file: the program folder without the eight characters
// just before its final separator (so the parent for a folder name of seven characters), unless
// the folder path is eight characters or shorter. Where that folder does not exist, the program
// folder itself is used, so that the settings stay readable and writable.
std::string mainWindowSettingsFolder(const std::string& programFolder,
                                     const PathCheck& folderExists = isExistingFolder);

// The data folder of an installed program, "<prefix>/share/niveau/", for a program folder
// "<prefix>/bin/"; empty for a program folder with any other name.
std::string installedDataFolder(const std::string& programFolder);

// An installed program: its folder is "<prefix>/bin/" and "<prefix>/share/niveau/" exists (the
// install step puts the version file there). A program copied into a folder of its own, or run
// from its build folder, is not installed.
bool isInstalledLocation(const std::string& programFolder,
                         const PathCheck& folderExists = isExistingFolder);

// The user's own settings folder: "$XDG_CONFIG_HOME/niveau/" when XDG_CONFIG_HOME is an absolute
// path, else "<home>/.config/niveau/" with `home` (or, when that is not absolute, the home folder
// of the user's account). Empty when no home folder is known.
std::string userSettingsFolder(const char* xdgConfigHome, const char* home);
// The same from this process's environment.
std::string userSettingsFolder();

// The folders of system-wide defaults, "<dir>/niveau/" for each absolute entry of the
// colon-separated `xdgConfigDirs`, in its order; "/etc/xdg/niveau/" when it names none.
std::vector<std::string> systemSettingsFolders(const char* xdgConfigDirs);
// The same from this process's environment (XDG_CONFIG_DIRS).
std::vector<std::string> systemSettingsFolders();

// The file-system questions behind the choice of the main window's settings file.
struct SettingsChecks {
    PathCheck fileExists = isExistingFile;
    PathCheck folderExists = isExistingFolder;
    PathCheck folderWritable = isWritableFolder;
};

struct SettingsPlace {
    std::string folder;    // the file is folder + "kelo.ini"; empty: no file at all
    bool personal = false; // the user's own folder, created with the file on the first write
    std::string defaults;  // a system-wide "kelo.ini" for the keys the file lacks; never written
};

// Where the main window reads and writes its settings. An installed program uses the user's own
// folder `userFolder` and never looks beside or above its program folder (for /usr/bin/ that
// would be "/"); the first "kelo.ini" of `systemFolders` gives the values the user's file lacks.
// A copied program keeps its folder rule: a "kelo.ini" in the folder that
// mainWindowSettingsFolder gives is used as it is, so a program copied with its file stays
// portable; without one, a program whose rule folder is not writable uses `userFolder`, any other
// keeps the rule folder, where the file is created on the first write.
SettingsPlace
mainWindowSettingsPlace(const std::string& programFolder, const std::string& userFolder,
                        const SettingsChecks& checks = {},
                        const std::vector<std::string>& systemFolders = systemSettingsFolders());
