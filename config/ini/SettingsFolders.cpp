#include "config/ini/SettingsFolders.h"

#include "config/ini/FileAccess.h"

#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// `folder` with a '/' appended unless it already ends with one.
std::string withSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

} // namespace

bool isExistingFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool isExistingFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isWritableFolder(const std::string& path) {
    return isExistingFolder(path) && isWritablePath(path) && ::access(path.c_str(), X_OK) == 0;
}

std::string executableFolder() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return "./";
        if (static_cast<std::size_t>(length) < buffer.size()) {
            const std::string path(buffer.data(), static_cast<std::size_t>(length));
            const std::size_t slash = path.rfind('/');
            return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
        }
        buffer.resize(buffer.size() * 2); // the path may have been cut short
    }
}

std::string versionFolder(const std::string& programFolder, const PathCheck& fileExists) {
    const std::string folder = withSeparator(programFolder);
    if (fileExists(folder + settingsFileName)) return folder;
    if (fileExists(folder + "../" + settingsFileName)) return folder + "../";
    return folder + "Install/";
}

std::string mainWindowSettingsFolder(const std::string& programFolder,
                                     const PathCheck& folderExists) {
    const std::string folder = withSeparator(programFolder);
    std::string shortened = folder;
    const std::size_t length = shortened.size();
    if (length > 8) shortened.erase(length - 9, 8);
    return folderExists(shortened) ? shortened : folder;
}

std::string installedDataFolder(const std::string& programFolder) {
    const std::string folder = withSeparator(programFolder);
    const std::string bin = "/bin/";
    if (folder.size() < bin.size() || folder.compare(folder.size() - bin.size(), bin.size(), bin))
        return {};
    return folder.substr(0, folder.size() - bin.size() + 1) + "share/niveau/";
}

bool isInstalledLocation(const std::string& programFolder, const PathCheck& folderExists) {
    const std::string data = installedDataFolder(programFolder);
    return !data.empty() && folderExists(data);
}

std::string userSettingsFolder(const char* xdgConfigHome, const char* home) {
    // Relative values are invalid by the XDG base directory rules and are ignored.
    if (xdgConfigHome && xdgConfigHome[0] == '/') return withSeparator(xdgConfigHome) + "niveau/";
    std::string homeFolder = home && home[0] == '/' ? home : "";
    if (homeFolder.empty()) {
        const passwd* account = ::getpwuid(::getuid());
        if (account && account->pw_dir && account->pw_dir[0] == '/') homeFolder = account->pw_dir;
    }
    if (homeFolder.empty()) return {};
    return withSeparator(homeFolder) + ".config/niveau/";
}

std::string userSettingsFolder() {
    return userSettingsFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::vector<std::string> systemSettingsFolders(const char* xdgConfigDirs) {
    std::vector<std::string> folders;
    const std::string list = xdgConfigDirs ? xdgConfigDirs : "";
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const std::string entry = list.substr(start, end - start);
        // Relative entries are invalid by the XDG base directory rules and are ignored.
        if (entry.starts_with('/')) folders.push_back(withSeparator(entry) + "niveau/");
        start = end + 1;
    }
    if (folders.empty()) folders.push_back("/etc/xdg/niveau/");
    return folders;
}

std::vector<std::string> systemSettingsFolders() {
    return systemSettingsFolders(std::getenv("XDG_CONFIG_DIRS"));
}

SettingsPlace mainWindowSettingsPlace(const std::string& programFolder,
                                      const std::string& userFolder, const SettingsChecks& checks,
                                      const std::vector<std::string>& systemFolders) {
    if (isInstalledLocation(programFolder, checks.folderExists)) {
        const auto found = std::find_if(systemFolders.begin(), systemFolders.end(),
                                        [&](const std::string& folder) {
                                            return checks.fileExists(folder + settingsFileName);
                                        });
        return {userFolder, true, found == systemFolders.end() ? "" : *found + settingsFileName};
    }
    const std::string ruleFolder = mainWindowSettingsFolder(programFolder, checks.folderExists);
    if (checks.fileExists(ruleFolder + settingsFileName)) return {ruleFolder, false, {}};
    if (!checks.folderWritable(ruleFolder)) return {userFolder, true, {}};
    return {ruleFolder, false, {}};
}
