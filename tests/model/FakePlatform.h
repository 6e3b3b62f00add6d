// A platform for the viewer's core without any shell: it keeps the settings text in memory, runs
// no clock of its own, keeps the scenes in memory, and records what the core asked for (passes,
// refreshes, windows, links, messages, questions), so that the core's commands can be tested
// without a display.
#pragma once

#include "core/Viewer.h"

#include <string>
#include <vector>

struct FakePlatform : Platform {
    SettingsTexts settings;
    std::vector<std::string> saved;
    double now = 0;
    int passRequests = 0;
    unsigned refreshed = 0; // every Change flag the core named since the last clear
    std::vector<CoreWindow> windows;
    int closeRequests = 0;
    std::vector<std::string> links;
    bool helpThere = false;
    std::vector<std::string> messages;
    std::vector<StoredScene> scenes; // the scene store, in memory
    bool sceneStoreFails = false;
    std::vector<std::string> questions; // "name:<proposal>", "import", "export:<proposal>"

    SettingsTexts loadSettings() override { return settings; }
    bool saveSettings(const std::string& text) override {
        saved.push_back(text);
        settings.own = text;
        return true;
    }
    double seconds() const override { return now; }
    void requestPasses() override { ++passRequests; }
    void refresh(unsigned changes) override { refreshed |= changes; }
    void showWindow(CoreWindow window) override { windows.push_back(window); }
    void closeMainWindow() override { ++closeRequests; }
    void openLink(const std::string& url) override { links.push_back(url); }
    bool openHelp(std::string& lookedAt) override {
        lookedAt = "/program/MONTAGE.HLP";
        return helpThere;
    }
    void showMessage(MessageKind, const std::string& title, const std::string& text) override {
        messages.push_back(title + ": " + text);
    }
    std::vector<StoredScene> storedScenes() override { return scenes; }
    bool storeScene(const std::string& name, const std::string& text) override {
        if (sceneStoreFails) return false;
        std::erase_if(scenes, [&](const StoredScene& scene) { return scene.name == name; });
        scenes.push_back({name, {ReadOutcome::Complete, text}});
        return true;
    }
    void askSceneName(const std::string& proposal, const std::vector<std::string>&) override {
        questions.push_back("name:" + proposal);
    }
    void askSceneToImport() override { questions.push_back("import"); }
    void askSceneExport(const std::string& proposal) override {
        questions.push_back("export:" + proposal);
    }
};

// The core on the start state of the main window, as it is once created (not yet shown).
struct CoreFixture {
    CoreFixture() {
        InitialiseSceneState(state);
        viewer.FormCreate();
        viewer.FormResize(800, 600);
        platform.refreshed = 0;
    }
    // Ends the running loop as the shell's passes would once both demos are stopped.
    void stopDemos() {
        state.levelDemoRunning = state.swingDemoRunning = false;
        while (viewer.painting()) viewer.PassDone();
    }
    SceneState state;
    FakePlatform platform;
    Viewer viewer{state, platform};
};
