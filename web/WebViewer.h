// The viewer in the browser: the scene state, the WebGL 2 context on the page's canvas with the
// GL 1.1 layer and the font lists, the paint loop on the browser's animation frames, the view's
// input and the pictures saved as files. The page's script calls it (web/Bindings.cpp) and shows
// what it says; the state changes themselves are those of the frame layer (app/frame/).
#pragma once

#include "app/frame/PaintLoop.h"
#include "scene/SceneState.h"
#include "web/Framebuffers.h"
#include "web/PointerInput.h"

#include <emscripten/val.h>

#include <memory>
#include <string>

class WebViewer {
  public:
    // On the canvas the CSS selector names; the first pass of the paint loop follows on the next
    // animation frame, so calls made before it (the page's options, the size) come first.
    explicit WebViewer(const std::string& canvasSelector);
    ~WebViewer();
    WebViewer(const WebViewer&) = delete;
    WebViewer& operator=(const WebViewer&) = delete;

    // Empty when the viewer runs; otherwise why it cannot.
    const std::string& failure() const { return failureText; }
    // The page address's query string: see web/PageOptions.h.
    void applyPageOptions(const std::string& query);

    // The canvas's size in CSS pixels and the device pixels of one; frames use every device pixel.
    void resize(double cssWidth, double cssHeight, double devicePixelRatio);
    void pointerDown(int id, bool touch, double x, double y);
    void pointerMove(int id, bool touch, double x, double y, unsigned buttons, bool shift);
    void pointerUp(int id);
    void wheel(double deltaY, int deltaMode, bool ctrl);

    // The button row: the two demos, the speed and the zoom buttons while held (+1 zoom in,
    // -1 zoom out, 0 released).
    void toggleLevelDemo();
    void toggleSwingDemo();
    void speedUp();
    void slowDown();
    void holdZoomButton(int direction);
    bool levelDemoRunning() const { return state->levelDemoRunning; }
    bool swingDemoRunning() const { return state->swingDemoRunning; }

    bool smoothEdges() const { return state->smoothEdges; }
    void setSmoothEdges(bool on);

    // The picture sizes a picture is saved at: the view's own, 1920 x 1080 and 3840 x 2160, as
    // [{width, height}, ...].
    emscripten::val pictureSizes() const;
    // The current scene drawn off-screen at `width` x `height` with the read-outs placed for
    // that shape, as RGBA bytes (a Uint8ClampedArray, rows top first); null where the browser
    // cannot make a framebuffer of that size.
    emscripten::val renderPicture(int width, int height);

    // For the benchmark and the tests: frames drawn so far, when the first one was drawn (ms of
    // the page's clock, performance.now()), and the renderer's name.
    int framesDrawn() const { return frames; }
    double firstFrameTime() const { return firstFrameMs; }
    std::string renderer() const { return rendererName; }

  private:
    void FormPaint();
    void schedulePass();
    static int runPass(double time, void* viewer);
    static void zoomTick(void* viewer);
    void renderFrame();
    void renderScene(int width, int height);
    int smoothSamples() const;

    std::string canvasSelector;
    std::string failureText;
    std::string rendererName;
    std::unique_ptr<SceneState> state;
    PointerInput input;
    int pixelWidth = 0, pixelHeight = 0; // the canvas's device pixels
    int cssHeight = 0;                   // the view's height for the level by the pointer
    int maxSamples = 0;
    std::unique_ptr<Framebuffer> multisampled; // the view's frames while edges are smooth
    PaintLoop loop;
    long passRequest = 0; // the pending animation frame, 0 for none
    long zoomTimer = 0;   // the held zoom button's interval, 0 for none
    int zoomDirection = 0;
    int frames = 0;
    double firstFrameMs = 0;
};
