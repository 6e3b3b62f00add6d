// Where the program looks for its settings file "kelo.ini". Folders are written with '/' and end
// with one. The rules take the existence checks as parameters so that they can be tried on any
// example path; the defaults look at the real file system.
#pragma once

#include <functional>
#include <string>

inline constexpr const char* settingsFileName = "kelo.ini";

using PathCheck = std::function<bool(const std::string&)>;

bool isExistingFile(const std::string& path);   // exists and is not a folder
bool isExistingFolder(const std::string& path); // exists and is a folder

// The folder of the running executable, ending with '/'; "./" if it cannot be determined.
std::string executableFolder();

// Folder of the file the version text is read from: the program folder F if F/kelo.ini exists,
// else F/../ if F/../kelo.ini exists, else F/Install/ (whether or not a file is there).
std::string versionFolder(const std::string& programFolder,
                          const PathCheck& fileExists = isExistingFile);

// Folder of the main window's settings file: the program folder without the eight characters
// just before its final separator (so the parent for a folder name of seven characters), unless
// the folder path is eight characters or shorter. Where that folder does not exist, the program
// folder itself is used, so that the settings stay readable and writable.
std::string mainWindowSettingsFolder(const std::string& programFolder,
                                     const PathCheck& folderExists = isExistingFolder);
