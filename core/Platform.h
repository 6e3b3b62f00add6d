// What the viewer's core asks of the shell it runs in, the desktop's windows or a web page: a
// place for the settings text, a clock, passes of the paint loop, the widgets to refresh after a
// change, the windows to open, links, help and messages to show, and a place for saved scenes.
#pragma once

#include "config/ini/SceneFolder.h"
#include "config/ini/Settings.h"

#include <string>
#include <vector>

// The parts of the shell that follow the core's models; a command names all it changed.
enum Change : unsigned {
    MenusChanged = 1u << 0,       // check marks and enabled entries
    CalloutsChanged = 1u << 1,    // panel and text colours
    ButtonsChanged = 1u << 2,     // the pictures of the button row
    BarsChanged = 1u << 3,        // menu bar and step toolbar shown or hidden
    FullScreenChanged = 1u << 4,  // the window's full-screen state
    CaptionsChanged = 1u << 5,    // the language: every text
    BackgroundChanged = 1u << 6,  // the window's own colour
    OptionsChanged = 1u << 7,     // the options dialog's controls
    ColourChanged = 1u << 8,      // the background colour dialog's sliders and swatch
    MenuEntriesChanged = 1u << 9, // entries came or went: the stored scenes
    StageChanged = 1u << 10,      // the stage, the black screen and the controls over the view
};

// The windows the commands open besides the main window.
enum class CoreWindow { Options, BackgroundColour, FrameRate, About, Contact };

enum class MessageKind { Information, Warning };

class Platform {
  public:
    virtual ~Platform() = default;

    // The settings text kept between runs ("kelo.ini") and the system's defaults under it.
    virtual SettingsTexts loadSettings() = 0;
    // Replaces the own settings text; false when nothing was written.
    virtual bool saveSettings(const std::string& text) = 0;

    // Seconds of a clock that only goes forward.
    virtual double seconds() const = 0;

    // The paint loop started: the shell runs its passes, one per frame it presents
    // (Viewer::PaintPass), until a pass says that the loop has ended.
    virtual void requestPasses() = 0;
    // The models named by `changes` (Change flags) have changed.
    virtual void refresh(unsigned changes) = 0;

    virtual void showWindow(CoreWindow window) = 0;
    virtual void closeMainWindow() = 0;
    // Opens a web or mail address.
    virtual void openLink(const std::string& url) = 0;
    // Opens the help file "MONTAGE.HLP"; false, with `lookedAt` set to where it was looked for,
    // when there is none.
    virtual bool openHelp(std::string& lookedAt) = 0;
    virtual void showMessage(MessageKind kind, const std::string& title,
                             const std::string& text) = 0;

    // Saved scenes, kept between runs: each a scene file's text under the scene's name.
    virtual std::vector<StoredScene> storedScenes() = 0;
    // Keeps the text under the name, replacing a scene of that name; false when nothing was kept.
    virtual bool storeScene(const std::string& name, const std::string& text) = 0;
    // The user's part of the scene commands; the answer comes back through the viewer, at once or
    // later, and none when the user cancels. A name to save the current configuration under,
    // proposing one and offering the stored names (Viewer::SaveScene); a scene file to import
    // (Viewer::ImportScene); a file to export the current configuration into, proposing a name
    // (its text from Viewer::sceneFileText).
    virtual void askSceneName(const std::string& proposal,
                              const std::vector<std::string>& names) = 0;
    virtual void askSceneToImport() = 0;
    virtual void askSceneExport(const std::string& proposal) = 0;
};
