// The desktop's store of saved scenes: one file per scene, "<name>.scene", in the user's own
// "$XDG_CONFIG_HOME/niveau/scenes/" (~/.config/niveau/scenes/ without XDG_CONFIG_HOME), so that
// a scene can be copied, mailed and edited like any small text file. Plain POSIX, no Qt.
#pragma once

#include "config/ini/FileAccess.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A stored scene as any store hands it over: the name it is kept under and its text, or why
// there is none (too large, unreadable).
struct StoredScene {
    std::string name;
    FileRead file;
};

// A menu of more scenes than this would be of no use; the ones beyond, in the order of their
// file names, are not listed.
inline constexpr std::size_t maxStoredScenes = 200;

// The file name of a scene name: ASCII letters and digits, blanks, '-', '_' and every byte of a
// non-ASCII character stay as they are, every other byte becomes "%XX"; then ".scene". So no
// name leads out of the folder ('/' and '.' are written as "%2F" and "%2E"), makes a hidden file,
// or gives the file of another name.
std::string sceneFileName(std::string_view name);
// The name a file of the folder holds, "%XX" read back; nothing for a file that does not end in
// ".scene" or is hidden. A file copied in by hand ("Fair 2025.scene") gives its name as it stands.
std::optional<std::string> sceneNameOfFile(std::string_view fileName);

class SceneFolder {
  public:
    // `folder` ends with '/'; empty when no folder is known (no home folder), which keeps nothing.
    explicit SceneFolder(std::string folder) : where(std::move(folder)) {}
    // "scenes/" in the user's own settings folder.
    static SceneFolder ofUser();

    const std::string& folder() const { return where; }
    // The scenes of the folder in the order of their file names, each read up to `limit` bytes
    // (a larger one comes as Truncated). Never fails: a missing folder holds no scenes.
    std::vector<StoredScene> load(std::size_t limit) const;
    // Replaces or creates the scene's file as a whole (see replaceFileAtomically); the folder is
    // made first where it is missing, readable by the user only. False when nothing was written.
    bool store(const std::string& name, const std::string& text) const;

  private:
    std::string where;
};
