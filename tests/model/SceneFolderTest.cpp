// The desktop's scene folder on real files: file names that no scene name can lead out of the
// folder with, the folder made for the user only on the first save, replacing, listing, and
// folders and files that are read-only, oversized or no files at all.
#include "config/ini/SceneFolder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
std::vector<std::string> namesIn(const std::vector<StoredScene>& scenes) {
    std::vector<std::string> names;
    for (const StoredScene& scene : scenes) names.push_back(scene.name);
    return names;
}
} // namespace

TEST(SceneFolder, FileNamesKeepEveryNameInsideTheFolderAndApart) {
    EXPECT_EQ(sceneFileName("Messe Hannover-2025_b"), "Messe Hannover-2025_b.scene");
    EXPECT_EQ(sceneFileName("Grün"), "Grün.scene");
    EXPECT_EQ(sceneFileName("../../.bashrc"), "%2E%2E%2F%2E%2E%2F%2Ebashrc.scene");
    EXPECT_EQ(sceneFileName("/etc/passwd"), "%2Fetc%2Fpasswd.scene");
    EXPECT_EQ(sceneFileName("100%"), "100%25.scene");
    // Every byte alone and in company comes back as it was, so no two names share a file.
    for (int byte = 1; byte < 256; ++byte) {
        std::string name = "a";
        name += char(byte);
        name += "%41";
        const std::string file = sceneFileName(name);
        EXPECT_EQ(file.find('/'), std::string::npos) << byte;
        EXPECT_EQ(sceneNameOfFile(file), name) << byte;
    }
    EXPECT_EQ(sceneNameOfFile("Fair 2025.scene"), "Fair 2025") << "copied in by hand";
    EXPECT_EQ(sceneNameOfFile("odd%zz%4.scene"), "odd%zz%4");
    EXPECT_FALSE(sceneNameOfFile(".Fair.scene.Ab12Cd"));
    EXPECT_FALSE(sceneNameOfFile(".hidden.scene"));
    EXPECT_FALSE(sceneNameOfFile("kelo.ini"));
}

TEST(SceneFolder, TheFirstSaveMakesTheFolderForTheUserOnlyAndASaveReplaces) {
    TempFolder home;
    const SceneFolder folder(home / "config/niveau/scenes/");
    EXPECT_TRUE(folder.load(1000).empty()) << "no folder yet";
    ASSERT_TRUE(folder.store("../escape", "first"));
    struct stat info {};
    ASSERT_EQ(::stat((home / "config/niveau/scenes").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(readFile(home / "config/niveau/scenes/%2E%2E%2Fescape.scene"), "first");
    EXPECT_FALSE(fs::exists(home / "config/niveau/escape.scene"));

    ASSERT_TRUE(folder.store("../escape", "second"));
    ASSERT_TRUE(folder.store("Alpha", "a"));
    writeFile(home / "config/niveau/scenes/notes.txt", "not listed");
    writeFile(home / "config/niveau/scenes/.hidden.scene", "not listed");
    const std::vector<StoredScene> scenes = folder.load(1000);
    EXPECT_EQ(namesIn(scenes), (std::vector<std::string>{"../escape", "Alpha"}));
    EXPECT_EQ(scenes[0].file.text, "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(home / "config/niveau/scenes"),
                            fs::directory_iterator()),
              4)
        << "no temporary file stays behind";
}

TEST(SceneFolder, AReadOnlyFolderKeepsWhatItHas) {
    TempFolder scenes;
    const SceneFolder folder(scenes.path());
    ASSERT_TRUE(folder.store("Kept", "old"));
    fs::permissions(scenes.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(folder.store("Kept", "new"));
    EXPECT_FALSE(folder.store("New", "new"));
    const std::vector<StoredScene> stored = folder.load(1000);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].file.text, "old");
    EXPECT_FALSE(SceneFolder("").store("x", "y")) << "no folder known, nothing kept";
}

TEST(SceneFolder, OversizedFilesAndNonFilesAreListedWithoutTheirText) {
    TempFolder scenes;
    writeFile(scenes / "Big.scene", std::string(5000, '\n'));
    ASSERT_EQ(::mkfifo((scenes / "Pipe.scene").c_str(), 0600), 0);
    fs::create_directory(scenes / "Folder.scene");
    const std::vector<StoredScene> stored = SceneFolder(scenes.path()).load(1000);
    ASSERT_EQ(namesIn(stored), (std::vector<std::string>{"Big", "Folder", "Pipe"}));
    EXPECT_EQ(stored[0].file.outcome, ReadOutcome::Truncated);
    EXPECT_EQ(stored[1].file.outcome, ReadOutcome::Unusable);
    EXPECT_EQ(stored[2].file.outcome, ReadOutcome::Unusable) << "a FIFO does not block";
}

TEST(SceneFolder, AFolderOfTooManyFilesListsTheFirstOnly) {
    TempFolder scenes;
    for (std::size_t i = 0; i < maxStoredScenes + 5; ++i)
        writeFile(scenes / (std::to_string(1000 + i) + ".scene"), "");
    const std::vector<StoredScene> stored = SceneFolder(scenes.path()).load(1000);
    ASSERT_EQ(stored.size(), maxStoredScenes);
    EXPECT_EQ(stored.back().name, std::to_string(1000 + maxStoredScenes - 1));
}

TEST(SceneFolder, TheUsersFolderFollowsXdgConfigHome) {
    const char* before = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = before ? before : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/config-home", 1);
    EXPECT_EQ(SceneFolder::ofUser().folder(), "/tmp/config-home/niveau/scenes/");
    if (before)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}
