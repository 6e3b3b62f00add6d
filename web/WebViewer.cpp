#include "web/WebViewer.h"

#include "app/frame/Demo.h"
#include "app/frame/FrameRender.h"
#include "app/frame/Renderer.h"
#include "app/frame/StartScene.h"
#include "gles/Layer.h"
#include "overlay/gl/FontLists.h"
#include "web/PageOptions.h"
#include "web/WebGlContext.h"

#include <emscripten/eventloop.h>
#include <emscripten/html5.h>
#include <emscripten/html5_webgl.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {
// As many samples as the desktop view takes for smooth edges, where the browser offers them.
constexpr int wantedSamples = 4;
// The zoom buttons' tick while held, as on the desktop.
constexpr double zoomTickMs = 40;

void reportToConsole(const std::string& message) {
    emscripten::val::global("console").call<void>("error", "niveau: " + message);
}

void* esProcAddress(const char* name) {
    return emscripten_webgl_get_proc_address(name);
}

// A size in whole pixels, 0 .. 16384, of whatever number the page hands over.
int wholePixels(double size) {
    return std::isfinite(size) ? int(std::lround(std::clamp(size, 0.0, 16384.0))) : 0;
}
} // namespace

WebViewer::WebViewer(const std::string& canvasSelector)
    : canvasSelector(canvasSelector), state(std::make_unique<SceneState>()), input(*state) {
    InitialiseSceneState(*state);
    BuildStartScene(*state);
    if (!CreateWebGlContext(canvasSelector, failureText)) return;
    if (!gles::StartLayer(esProcAddress, reportToConsole)) {
        failureText = "the GL 1.1 layer did not start on WebGL 2";
        return;
    }
    glEnable(GL_DEPTH_TEST);
    BuildFontLists(DrawFontPictures());
    rendererName = webGlRendererName();
    maxSamples = maximumSamples();
    // The browser smooths by multisampling alone, which a software renderer cannot afford.
    state->smoothEdges = smoothSamples() > 0 &&
                         smoothEdgesByDefault(rendererName, SmoothingWay::Multisampling, 0, 0);
    FormPaint();
}

WebViewer::~WebViewer() {
    if (passRequest) emscripten_cancel_animation_frame(passRequest);
    if (zoomTimer) emscripten_clear_interval(zoomTimer);
    multisampled.reset();
    gles::StopLayer();
}

void WebViewer::applyPageOptions(const std::string& query) {
    const PageOptions options = parsePageOptions(query);
    if (!options.demosRunning) state->levelDemoRunning = state->swingDemoRunning = false;
    if (options.smoothEdges) setSmoothEdges(*options.smoothEdges);
}

void WebViewer::resize(double cssWidth, double cssHeight, double devicePixelRatio) {
    if (!failureText.empty()) return;
    const double ratio =
        devicePixelRatio > 0 && std::isfinite(devicePixelRatio) ? devicePixelRatio : 1;
    pixelWidth = wholePixels(cssWidth * ratio);
    pixelHeight = wholePixels(cssHeight * ratio);
    this->cssHeight = wholePixels(cssHeight);
    emscripten_set_canvas_element_size(canvasSelector.c_str(), pixelWidth, pixelHeight);
    ApplyProjection(pixelWidth, pixelHeight);
    FormPaint(); // a canvas given a new size is cleared; a running loop draws it anyway
}

void WebViewer::pointerDown(int id, bool touch, double x, double y) {
    input.down(id, touch, x, y);
}

void WebViewer::pointerMove(int id, bool touch, double x, double y, unsigned buttons, bool shift) {
    if (input.move(id, touch, x, y, buttons, shift, cssHeight)) FormPaint();
}

void WebViewer::pointerUp(int id) {
    input.up(id);
}

void WebViewer::wheel(double deltaY, int deltaMode, bool ctrl) {
    if (input.wheel(deltaY, WheelUnit(std::clamp(deltaMode, 0, 2)), ctrl)) FormPaint();
}

void WebViewer::toggleLevelDemo() {
    state->levelDemoRunning = !state->levelDemoRunning;
    FormPaint();
}

void WebViewer::toggleSwingDemo() {
    state->swingDemoRunning = !state->swingDemoRunning;
    FormPaint();
}

void WebViewer::speedUp() {
    SpeedUp(*state);
    FormPaint();
}

void WebViewer::slowDown() {
    SlowDown(*state);
    FormPaint();
}

void WebViewer::holdZoomButton(int direction) {
    if (zoomTimer) emscripten_clear_interval(zoomTimer);
    zoomTimer = 0;
    zoomDirection = direction > 0 ? 1 : direction < 0 ? -1 : 0;
    if (zoomDirection != 0) zoomTimer = emscripten_set_interval(zoomTick, zoomTickMs, this);
}

void WebViewer::zoomTick(void* viewer) {
    auto& self = *static_cast<WebViewer*>(viewer);
    if (self.zoomDirection > 0)
        ZoomInTick(*self.state);
    else
        ZoomOutTick(*self.state);
    self.FormPaint();
}

void WebViewer::setSmoothEdges(bool on) {
    state->smoothEdges = on && smoothSamples() > 0;
    state->smoothEdgesChosen = true;
    if (!state->smoothEdges) multisampled.reset(); // its memory is not needed any more
    FormPaint();
}

int WebViewer::smoothSamples() const {
    return std::min(wantedSamples, maxSamples);
}

emscripten::val WebViewer::pictureSizes() const {
    emscripten::val sizes = emscripten::val::array();
    for (const auto& [width, height] :
         {std::pair{pixelWidth, pixelHeight}, std::pair{1920, 1080}, std::pair{3840, 2160}}) {
        emscripten::val size = emscripten::val::object();
        size.set("width", width);
        size.set("height", height);
        sizes.call<void>("push", size);
    }
    return sizes;
}

emscripten::val WebViewer::renderPicture(int width, int height) {
    if (!failureText.empty() || width <= 0 || height <= 0) return emscripten::val::null();
    const int samples = state->smoothEdges ? smoothSamples() : 0;
    Framebuffer drawn(width, height, samples);
    std::unique_ptr<Framebuffer> resolved;
    if (samples > 0) resolved = std::make_unique<Framebuffer>(width, height, 0);
    if (!drawn.valid() || (resolved && !resolved->valid())) return emscripten::val::null();
    drawn.bind();
    ApplyProjection(width, height);
    renderScene(width, height);
    if (resolved) drawn.copyTo(resolved.get());
    const std::vector<std::uint8_t> rgba = (resolved ? *resolved : drawn).readRgba();
    ApplyProjection(pixelWidth, pixelHeight);
    FormPaint();
    // A copy the page keeps: a view on the module's memory would not outlive its next growth.
    return emscripten::val::global("Uint8ClampedArray")
        .new_(emscripten::typed_memory_view(rgba.size(), rgba.data()));
}

// A redraw request: starts the paint loop where it does not run; a running loop shows the
// change with its next frame.
void WebViewer::FormPaint() {
    if (!failureText.empty() || !loop.begin()) return;
    schedulePass();
}

void WebViewer::schedulePass() {
    passRequest = emscripten_request_animation_frame(runPass, this);
}

// One pass of the paint loop on an animation frame: demo step, frame, and the next pass while a
// demo runs. Input arrives between the passes, as events between the desktop loop's frames.
int WebViewer::runPass(double, void* viewer) {
    auto& self = *static_cast<WebViewer*>(viewer);
    self.passRequest = 0;
    DemoStep(*self.state);
    self.renderFrame();
    if (self.loop.passDone(*self.state)) self.schedulePass();
    return 0;
}

void WebViewer::renderFrame() {
    if (state->smoothEdges && pixelWidth > 0 && pixelHeight > 0) {
        if (!multisampled || multisampled->width() != pixelWidth ||
            multisampled->height() != pixelHeight)
            multisampled = std::make_unique<Framebuffer>(pixelWidth, pixelHeight, smoothSamples());
        if (!multisampled->valid()) { // smooth edges are not to be had at this size
            multisampled.reset();
            state->smoothEdges = false;
        }
    }
    if (multisampled && state->smoothEdges) {
        multisampled->bind();
        renderScene(pixelWidth, pixelHeight);
        multisampled->copyTo(nullptr);
    } else {
        renderScene(pixelWidth, pixelHeight);
    }
    if (frames++ == 0) firstFrameMs = emscripten_get_now();
}

// The frame sets the clear colour only after its clear, so that a new background colour would
// show one frame late; setting it first shows it at once, as in the desktop view.
void WebViewer::renderScene(int width, int height) {
    glClearColor(state->backgroundRed, state->backgroundGreen, state->backgroundBlue, 0);
    RenderScene(*state, width, height);
}
