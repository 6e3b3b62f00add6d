// The 3D view with a core of its own and no main window around it, for the benchmark's replay of
// one frame and for tests of the view alone: the platform it gives the core runs the view's
// passes and has no settings, windows, links, help or scenes.
#pragma once

#include "app/GLView.h"
#include "core/Viewer.h"

#include <QElapsedTimer>

class StandaloneView : public Platform {
  public:
    explicit StandaloneView(SceneState& state);

    GLView& view() { return glView; }
    Viewer& core() { return viewer; }

    SettingsTexts loadSettings() override { return {}; }
    bool saveSettings(const std::string&) override { return false; }
    double seconds() const override { return double(clock.nsecsElapsed()) / 1e9; }
    void requestPasses() override { glView.startPasses(); }
    void refresh(unsigned) override {}
    void showWindow(CoreWindow) override {}
    void closeMainWindow() override {}
    void openLink(const std::string&) override {}
    bool openHelp(std::string&) override { return false; }
    void showMessage(MessageKind, const std::string&, const std::string&) override {}
    std::vector<StoredScene> storedScenes() override { return {}; }
    bool storeScene(const std::string&, const std::string&) override { return false; }
    void askSceneName(const std::string&, const std::vector<std::string>&) override {}
    void askSceneToImport() override {}
    void askSceneExport(const std::string&) override {}

  private:
    QElapsedTimer clock;
    Viewer viewer;
    GLView glView;
};
