// What the viewer's core asks of the browser: the settings text and the saved scenes in the
// browser's storage (localStorage), the page's clock, the paint loop's passes on animation frames
// (through `requestPasses`, which the WebViewer runs), and everything the user sees or answers
// through the page's script, an object whose methods are named after the Platform's.
#pragma once

#include "core/Platform.h"

#include <emscripten/val.h>

#include <functional>

class WebPlatform : public Platform {
  public:
    // `page` is the page's script object; `passes` starts the animation-frame loop.
    WebPlatform(emscripten::val page, std::function<void()> passes);

    SettingsTexts loadSettings() override;
    bool saveSettings(const std::string& text) override;
    double seconds() const override;
    void requestPasses() override;
    void refresh(unsigned changes) override;
    void showWindow(CoreWindow window) override;
    void closeMainWindow() override;
    void openLink(const std::string& url) override;
    bool openHelp(std::string& lookedAt) override;
    void showMessage(MessageKind kind, const std::string& title, const std::string& text) override;
    std::vector<StoredScene> storedScenes() override;
    bool storeScene(const std::string& name, const std::string& text) override;
    void askSceneName(const std::string& proposal, const std::vector<std::string>& names) override;
    void askSceneToImport() override;
    void askSceneExport(const std::string& proposal) override;

  private:
    emscripten::val page;
    std::function<void()> passes;
};

// The storage keys: the settings text as one entry, each scene as one entry under its name.
inline constexpr const char* settingsKey = "niveau/kelo.ini";
inline constexpr const char* sceneKeyPrefix = "niveau/scene/";
