// The viewer in the browser: the scene state, the core's Viewer on it with the WebPlatform, the
// WebGL 2 context on the page's canvas with the GL 1.1 layer and the font lists, the paint loop's
// passes on the browser's animation frames, and the pictures saved as files. The page's script
// calls it (web/Bindings.cpp): input goes to the Viewer's handlers, menu entries, toolbar buttons
// and keys by their item names to `trigger`, and the models come back as JSON (web/ModelJson.h)
// whenever the platform's `refresh` names them.
#pragma once

#include "core/Viewer.h"
#include "scene/SceneState.h"
#include "web/Framebuffers.h"
#include "web/PointerInput.h"
#include "web/WebPlatform.h"

#include <emscripten/val.h>

#include <functional>
#include <memory>
#include <string>

class WebViewer {
  public:
    // On the canvas the CSS selector names; `page` is the page's script object the platform calls
    // (web/WebPlatform.h). The first pass of the paint loop follows on the next animation frame, so
    // calls made before it (the page's options, the size, a scene link) come first.
    WebViewer(const std::string& canvasSelector, emscripten::val page);
    ~WebViewer();
    WebViewer(const WebViewer&) = delete;
    WebViewer& operator=(const WebViewer&) = delete;

    // Empty when the viewer runs; otherwise why it cannot.
    const std::string& failure() const { return failureText; }
    // The page address's query string: see web/PageOptions.h.
    void applyPageOptions(const std::string& query);
    // The page address's fragment: a scene it carries is shown, a damaged one said in a message.
    void openSceneLink(const std::string& fragment);
    // The current configuration as the fragment of a link ("scene=...").
    std::string sceneLink() const;

    // The canvas's size in CSS pixels and the device pixels of one; frames use every device pixel.
    void resize(double cssWidth, double cssHeight, double devicePixelRatio);

    // The view's input, in CSS pixels of the view. `buttons` is PointerEvent.buttons, whose left,
    // right and middle bits are the core's PointerButton.
    void mouseDown(double x, double y);
    void mouseMove(double x, double y, unsigned buttons, bool shift);
    void wheel(double deltaY, int deltaMode, bool ctrl);
    void touchDown(int id, double x, double y);
    void touchMove(int id, double x, double y);
    void touchUp(int id);
    void leftStripDoubleClick() { viewer.Image1DblClick(); }

    // The controls over the view by their names: callouts, demo and zoom buttons.
    void calloutClick(const std::string& name) { viewer.Label1Click(name); }
    void calloutHovered(const std::string& name) { viewer.Label1MouseMove(name); }
    void buttonHovered(const std::string& name) { viewer.ButtonHovered(name); }
    void buttonClick(const std::string& name);
    // A zoom button held zooms by a step every 40 ms until it is released.
    void zoomPressed(const std::string& name);
    void zoomReleased();

    // Menu entries, toolbar buttons and keys by item name; false for a name without a command.
    bool trigger(const std::string& name) { return viewer.trigger(name); }
    // The browser left full screen by itself (its own Esc): the black screen, the stage and full
    // screen end.
    void fullScreenLeft();
    void setBlackScreen(bool on) { viewer.setBlackScreen(on); }
    // The window is closed: demos stopped, settings saved.
    void close() { viewer.FormClose(); }
    // The settings as they are now into the browser's storage (the page is hidden or left).
    void saveSettings();

    // Models and states as the page shows them.
    std::string menuBar() const;
    std::string stepToolbar() const;
    std::string keys() const;
    std::string callouts() const;
    std::string buttons() const;
    bool barsShown() const { return viewer.barsShown(); }
    bool controlsShown() const { return viewer.controlsShown(); }
    bool wantsFullScreen() const { return viewer.wantsFullScreen(); }
    bool pointerHidden() const { return viewer.pointerHidden(); }
    bool blackScreen() const { return viewer.blackScreen(); }
    std::string text(const std::string& key) const { return viewer.text(key); }
    std::string windowCaption() const { return viewer.windowCaption(); }
    std::string languageCode() const { return state->languageCode; }
    // The background colour as CSS "rgb(r, g, b)".
    std::string backgroundColour() const;

    // The options dialog: its model, opened (its lists filled in the language of the moment, as
    // the desktop fills them when the dialog is made) and its controls.
    std::string options();
    void openOptions();
    void optionsType(int entry) { viewer.options().ComboBox4Change(entry); }
    void optionsHeight(const std::string& text) { viewer.options().Edit6Change(text); }
    void optionsMidiConnection(int entry) { viewer.options().MidiConnectionChange(entry); }
    void optionsMidiFloat(int entry) { viewer.options().MidiFloatChange(entry); }
    void optionsStandard(int connection, int floatEntry);
    void optionsFullColour(int entry) { viewer.options().ComboBox1Change(entry); }
    void optionsEmptyColour(int entry) { viewer.options().ComboBox2Change(entry); }
    void optionsRail(bool aluminium);
    // Box 1 "Messskala" ... 4 "Dämpfungsfeder unten".
    void optionsBox(int box, bool checked);

    // The colour dialog.
    std::string colour();
    void colourShow() { viewer.colourChoice().FormShow(); }
    void colourSlider(int slider, int position) {
        viewer.colourChoice().ScrollBarChange(slider, position);
    }
    void colourApply() { viewer.colourChoice().Apply(); }
    void colourDefault() { viewer.colourChoice().BitBtn3Click(); }

    // The about and contact windows' texts; the frame-rate window's texts of the last second.
    std::string windowTexts() const;
    std::string frameRate();

    // Scenes: the name the user gave, a file chosen for import (its first bytes, up to one more
    // than sceneFileLimit; `readable` false where the browser could not read it), an export's
    // text.
    void saveScene(const std::string& name) { viewer.SaveScene(name); }
    void importScene(const std::string& fileName, const emscripten::val& bytes, bool readable);
    int sceneFileLimit() const { return int(maxSceneFileBytes); }
    std::string sceneFileText(const std::string& name) const { return viewer.sceneFileText(name); }

    // The picture sizes a picture is saved at: the view's own, 1920 x 1080 and 3840 x 2160, as
    // [{width, height, caption}, ...].
    emscripten::val pictureSizes() const;
    // The current frame drawn off-screen at `width` x `height` with the read-outs and labels
    // placed for that shape, always with smooth edges where the browser multisamples, as RGBA bytes
    // (a Uint8ClampedArray, rows top first); null where the browser cannot make a framebuffer of
    // that size.
    emscripten::val renderPicture(int width, int height);
    // The options dialog's type picture at `cssWidth` x `cssHeight` CSS pixels, as
    // {width, height, pixels} in device pixels; null where the browser cannot draw it.
    emscripten::val typePicture(double cssWidth, double cssHeight, double devicePixelRatio);

    // For the benchmark and the tests: frames drawn so far, when the first one was drawn (ms of
    // the page's clock, performance.now()), the renderer's name and a few states.
    int framesDrawn() const { return frames; }
    double firstFrameTime() const { return firstFrameMs; }
    std::string renderer() const { return rendererName; }
    bool levelDemoRunning() const { return state->levelDemoRunning; }
    bool swingDemoRunning() const { return state->swingDemoRunning; }
    bool smoothEdges() const { return state->smoothEdges; }

  private:
    void schedulePass();
    static int runPass(double time, void* viewer);
    static void zoomTick(void* viewer);
    void renderFrame();
    emscripten::val renderOffscreen(int width, int height, int samples,
                                    const std::function<void()>& draw);
    int smoothSamples() const;
    void touched(const std::vector<TouchPoint>& points);

    std::string canvasSelector;
    std::string failureText;
    std::string rendererName;
    std::unique_ptr<SceneState> state;
    WebPlatform platform;
    Viewer viewer;
    TouchFingers fingers;
    bool optionsMade = false;
    int pixelWidth = 0, pixelHeight = 0; // the canvas's device pixels
    int maxSamples = 0;
    std::unique_ptr<Framebuffer> multisampled; // the view's frames while edges are smooth
    long passRequest = 0;                      // the pending animation frame, 0 for none
    long zoomTimer = 0;                        // the held zoom button's interval, 0 for none
    int frames = 0;
    double firstFrameMs = 0;
};
