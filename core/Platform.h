// What the viewer's core asks of the shell it runs in, the desktop's windows or a web page: a
// place for the settings text, a clock, passes of the paint loop, the widgets to refresh after a
// change, the windows to open, and links, help and messages to show.
#pragma once

#include "config/ini/Settings.h"

#include <string>

// The parts of the shell that follow the core's models; a command names all it changed.
enum Change : unsigned {
    MenusChanged = 1u << 0,      // check marks and enabled entries
    CalloutsChanged = 1u << 1,   // panel and text colours
    ButtonsChanged = 1u << 2,    // the pictures of the button row
    BarsChanged = 1u << 3,       // menu bar and step toolbar shown or hidden
    FullScreenChanged = 1u << 4, // the window's full-screen state
    CaptionsChanged = 1u << 5,   // the language: every text
    BackgroundChanged = 1u << 6, // the window's own colour
    OptionsChanged = 1u << 7,    // the options dialog's controls
    ColourChanged = 1u << 8,     // the background colour dialog's sliders and swatch
    StageChanged = 1u << 9,      // the stage, the black screen and the controls over the view
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
};
