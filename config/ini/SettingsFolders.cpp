#include "config/ini/SettingsFolders.h"

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
