#include "config/ini/SceneFolder.h"

#include "config/ini/SettingsFolders.h"

#include <algorithm>
#include <dirent.h>
#include <memory>

namespace {
constexpr std::string_view extension = ".scene";

bool keptAsItIs(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' ||
           c == '-' || c == '_' || c >= 0x80;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
} // namespace

std::string sceneFileName(std::string_view name) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string file;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (keptAsItIs(byte)) {
            file += c;
        } else {
            file += '%';
            file += hex[byte >> 4];
            file += hex[byte & 0xF];
        }
    }
    return file + std::string(extension);
}

std::optional<std::string> sceneNameOfFile(std::string_view fileName) {
    if (fileName.starts_with('.') || !fileName.ends_with(extension)) return std::nullopt;
    fileName.remove_suffix(extension.size());
    std::string name;
    for (std::size_t i = 0; i < fileName.size(); ++i) {
        const bool escaped = fileName[i] == '%' && i + 2 < fileName.size() &&
                             hexValue(fileName[i + 1]) >= 0 && hexValue(fileName[i + 2]) >= 0;
        if (escaped) {
            name += char(hexValue(fileName[i + 1]) * 16 + hexValue(fileName[i + 2]));
            i += 2;
        } else {
            name += fileName[i];
        }
    }
    return name;
}

SceneFolder SceneFolder::ofUser() {
    const std::string settings = userSettingsFolder();
    return SceneFolder(settings.empty() ? "" : settings + "scenes/");
}

std::vector<StoredScene> SceneFolder::load(std::size_t limit) const {
    std::vector<std::string> files;
    try {
        if (where.empty()) return {};
        {
            const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(where.c_str()), ::closedir);
            if (!dir) return {};
            while (const dirent* entry = ::readdir(dir.get()))
                if (sceneNameOfFile(entry->d_name)) files.emplace_back(entry->d_name);
        }
        std::sort(files.begin(), files.end());
        if (files.size() > maxStoredScenes) files.resize(maxStoredScenes);
        std::vector<StoredScene> scenes;
        for (const std::string& file : files) {
            FileRead read = readFileLimited(where + file, limit);
            if (read.outcome == ReadOutcome::Missing) continue; // gone since the listing
            scenes.push_back({*sceneNameOfFile(file), std::move(read)});
        }
        return scenes;
    } catch (...) {
        return {}; // out of memory
    }
}

bool SceneFolder::store(const std::string& name, const std::string& text) const {
    try {
        return !where.empty() && createFolders(where) &&
               replaceFileAtomically(where + sceneFileName(name), text);
    } catch (...) {
        return false;
    }
}
