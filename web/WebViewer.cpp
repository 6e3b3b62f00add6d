#include "web/WebViewer.h"

#include "app/frame/FrameRender.h"
#include "app/frame/Renderer.h"
#include "app/frame/TypePictureRender.h"
#include "app/frame/ViewReadout.h"
#include "config/Language.h"
#include "gles/Layer.h"
#include "overlay/gl/FontLists.h"
#include "web/ModelJson.h"
#include "web/PageMenus.h"
#include "web/PageOptions.h"
#include "web/SceneLink.h"
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

int pointerCoordinate(double value) {
    return std::isfinite(value) ? int(std::lround(std::clamp(value, -1e6, 1e6))) : 0;
}

} // namespace

WebViewer::WebViewer(const std::string& canvasSelector, emscripten::val page)
    : canvasSelector(canvasSelector), state(std::make_unique<SceneState>()),
      platform(std::move(page), [this] { schedulePass(); }), viewer(*state, platform) {
    InitialiseSceneState(*state);
    viewer.FormCreate();
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
    viewer.rendererKnown(rendererName,
                         smoothSamples() > 0 ? SmoothingWay::Multisampling : SmoothingWay::Off);
    viewer.FormShow();
    viewer.FormPaint();
}

WebViewer::~WebViewer() {
    if (passRequest) emscripten_cancel_animation_frame(passRequest);
    if (zoomTimer) emscripten_clear_interval(zoomTimer);
    multisampled.reset();
    if (failureText.empty()) gles::StopLayer();
}

void WebViewer::applyPageOptions(const std::string& query) {
    const PageOptions options = parsePageOptions(query);
    if (!options.demosRunning) {
        if (state->swingDemoRunning) viewer.Start_Stop_ImageClick();
        if (state->levelDemoRunning) viewer.Start_Stop_Image_UpDownClick();
    }
    if (options.smoothEdges) viewer.setSmoothEdges(*options.smoothEdges);
    if (options.german) {
        if (*options.german)
            viewer.ApplyGermanCaptions();
        else
            viewer.ApplyEnglishCaptions();
    }
}

void WebViewer::openSceneLink(const std::string& fragment) {
    const SceneLinkReading link = readSceneFragment(fragment, maxSceneFileBytes);
    if (!link.present) return;
    const CaptionSet& captions = captionsFor(state->languageCode);
    std::string message = text("sceneLinkDamaged");
    if (link.text) {
        const SceneReading reading = parseScene(*link.text);
        if (reading.ok()) {
            viewer.applySceneSettings(reading.scene);
            viewer.applySceneView(reading.scene.camera, reading.scene.level);
            return;
        }
        message += "\n" + sceneProblemText(reading, captions);
    }
    platform.showMessage(MessageKind::Warning, text("scenesTitle"), message);
}

std::string WebViewer::sceneLink() const {
    return sceneFragment(viewer.sceneFileText(""));
}

void WebViewer::resize(double cssWidth, double cssHeight, double devicePixelRatio) {
    const double ratio =
        devicePixelRatio > 0 && std::isfinite(devicePixelRatio) ? devicePixelRatio : 1;
    viewer.FormResize(wholePixels(cssWidth), wholePixels(cssHeight));
    if (!failureText.empty()) return;
    pixelWidth = wholePixels(cssWidth * ratio);
    pixelHeight = wholePixels(cssHeight * ratio);
    emscripten_set_canvas_element_size(canvasSelector.c_str(), pixelWidth, pixelHeight);
    ApplyProjection(pixelWidth, pixelHeight);
    viewer.FormPaint(); // a canvas given a new size is cleared; a running loop draws it anyway
}

void WebViewer::mouseDown(double x, double y) {
    viewer.FormMouseDown(pointerCoordinate(x), pointerCoordinate(y));
}

void WebViewer::mouseMove(double x, double y, unsigned buttons, bool shift) {
    viewer.FormMouseMove(pointerCoordinate(x), pointerCoordinate(y),
                         buttons & (LeftButton | RightButton | MiddleButton), shift);
}

void WebViewer::wheel(double deltaY, int deltaMode, bool ctrl) {
    if (ctrl) {
        if (const auto value = touchpadPinch(deltaY)) viewer.FormGesture(Gesture::Zoom, *value);
        return;
    }
    viewer.FormMouseWheel(desktopWheelDelta(deltaY, WheelUnit(std::clamp(deltaMode, 0, 2))));
}

void WebViewer::touched(const std::vector<TouchPoint>& points) {
    viewer.FormTouch(points, fingers.none());
}

void WebViewer::touchDown(int id, double x, double y) {
    touched(fingers.down(id, x, y));
}

void WebViewer::touchMove(int id, double x, double y) {
    const std::vector<TouchPoint> points = fingers.move(id, x, y);
    if (!points.empty()) touched(points);
}

void WebViewer::touchUp(int id) {
    touched(fingers.up(id));
}

void WebViewer::buttonClick(const std::string& name) {
    if (name == "Start_Stop_Image")
        viewer.Start_Stop_ImageClick();
    else if (name == "Start_Stop_Image_UpDown")
        viewer.Start_Stop_Image_UpDownClick();
}

void WebViewer::zoomPressed(const std::string& name) {
    viewer.ZoomButtonPressed(name);
    if (zoomTimer) emscripten_clear_interval(zoomTimer);
    zoomTimer = viewer.zooming() ? emscripten_set_interval(zoomTick, zoomTickMs, this) : 0;
}

void WebViewer::zoomReleased() {
    viewer.ZoomButtonReleased();
    if (zoomTimer) emscripten_clear_interval(zoomTimer);
    zoomTimer = 0;
}

void WebViewer::zoomTick(void* viewer) {
    static_cast<WebViewer*>(viewer)->viewer.ZoomTick();
}

void WebViewer::fullScreenLeft() {
    viewer.setBlackScreen(false);
    viewer.setStage(false);
    viewer.setFullScreen(false);
}

void WebViewer::saveSettings() {
    if (const auto text = SettingsToSave(*state, platform.loadSettings()))
        platform.saveSettings(*text);
}

std::string WebViewer::menuBar() const {
    std::vector<MenuItem> menus = viewer.menuBar();
    addPageEntries(menus, captionsFor(state->languageCode));
    return menuBarJson(menus);
}

std::string WebViewer::stepToolbar() const {
    return toolbarJson(viewer.stepToolbar());
}

std::string WebViewer::keys() const {
    return keysJson(viewer.keys());
}

std::string WebViewer::callouts() const {
    return calloutsJson(viewer.callouts());
}

std::string WebViewer::buttons() const {
    return buttonsJson(viewer.buttons());
}

std::string WebViewer::backgroundColour() const {
    return "rgb(" + std::to_string(colourByte(state->backgroundRed)) + ", " +
           std::to_string(colourByte(state->backgroundGreen)) + ", " +
           std::to_string(colourByte(state->backgroundBlue)) + ")";
}

std::string WebViewer::options() {
    return optionsJson(viewer.options());
}

void WebViewer::openOptions() {
    if (optionsMade) return;
    optionsMade = true;
    viewer.options().FormCreate();
}

// The Standard frame's two lists change together; the one not chosen keeps its entry.
void WebViewer::optionsStandard(int connection, int floatEntry) {
    viewer.options().StandardChange(connection, floatEntry);
}

void WebViewer::optionsRail(bool aluminium) {
    if (aluminium)
        viewer.options().RadioButton2Click();
    else
        viewer.options().RadioButton1Click();
}

void WebViewer::optionsBox(int box, bool checked) {
    Options& options = viewer.options();
    switch (box) {
    case 1:
        options.CheckBox1Click(checked);
        break;
    case 2:
        options.CheckBox2Click(checked);
        break;
    case 3:
        options.CheckBox3Click(checked);
        break;
    case 4:
        options.CheckBox4Click(checked);
        break;
    default:
        break;
    }
}

std::string WebViewer::colour() {
    return colourJson(viewer.colourChoice(), state->languageCode);
}

std::string WebViewer::windowTexts() const {
    return windowTextsJson(state->languageCode);
}

std::string WebViewer::frameRate() {
    std::string json =
        "{\"text\":" + jsonString(frameRateText(viewer.takeFrameCount())) + ",\"lines\":[";
    bool first = true;
    for (const std::string& line : viewReadoutLines(*state)) {
        if (!first) json += ',';
        json += jsonString(line);
        first = false;
    }
    return json + "]}";
}

void WebViewer::importScene(const std::string& fileName, const emscripten::val& bytes,
                            bool readable) {
    if (!readable) {
        viewer.ImportScene(fileName, {ReadOutcome::Unusable, ""});
        return;
    }
    const std::vector<std::uint8_t> content =
        emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
    const bool whole = content.size() <= maxSceneFileBytes;
    viewer.ImportScene(fileName, {whole ? ReadOutcome::Complete : ReadOutcome::Truncated,
                                  whole ? std::string(content.begin(), content.end()) : ""});
}

emscripten::val WebViewer::pictureSizes() const {
    emscripten::val sizes = emscripten::val::array();
    const std::tuple<int, int, const char*> offered[] = {
        {pixelWidth, pixelHeight, "pictureWindowSize"},
        {1920, 1080, "picture1920"},
        {3840, 2160, "picture3840"}};
    for (const auto& [width, height, key] : offered) {
        emscripten::val size = emscripten::val::object();
        size.set("width", width);
        size.set("height", height);
        size.set("caption", viewer.text(key));
        sizes.call<void>("push", size);
    }
    return sizes;
}

emscripten::val WebViewer::renderPicture(int width, int height) {
    return renderOffscreen(width, height, smoothSamples(), [&] {
        ApplyProjection(width, height);
        glClearColor(state->backgroundRed, state->backgroundGreen, state->backgroundBlue, 0);
        viewer.RenderFrame(width, height);
    });
}

emscripten::val WebViewer::typePicture(double cssWidth, double cssHeight, double devicePixelRatio) {
    const double ratio =
        devicePixelRatio > 0 && std::isfinite(devicePixelRatio) ? devicePixelRatio : 1;
    const int width = wholePixels(cssWidth * ratio), height = wholePixels(cssHeight * ratio);
    emscripten::val picture = renderOffscreen(
        width, height, 0, [&] { RenderTypePicture(viewer.options().state(), width, height); });
    if (picture.isNull()) return picture;
    emscripten::val sized = emscripten::val::object();
    sized.set("width", width);
    sized.set("height", height);
    sized.set("pixels", picture);
    return sized;
}

// Drawn into a framebuffer of its own, multisampled with `samples` above 0, then read back; the
// view's projection is set again after.
emscripten::val WebViewer::renderOffscreen(int width, int height, int samples,
                                           const std::function<void()>& draw) {
    if (!failureText.empty() || width <= 0 || height <= 0) return emscripten::val::null();
    Framebuffer drawn(width, height, samples);
    std::unique_ptr<Framebuffer> resolved;
    if (samples > 0) resolved = std::make_unique<Framebuffer>(width, height, 0);
    if (!drawn.valid() || (resolved && !resolved->valid())) return emscripten::val::null();
    drawn.bind();
    draw();
    if (resolved) drawn.copyTo(resolved.get());
    const std::vector<std::uint8_t> rgba = (resolved ? *resolved : drawn).readRgba();
    ApplyProjection(pixelWidth, pixelHeight);
    viewer.FormPaint();
    // A copy the page keeps: a view on the module's memory would not outlive its next growth.
    return emscripten::val::global("Uint8ClampedArray")
        .new_(emscripten::typed_memory_view(rgba.size(), rgba.data()));
}

int WebViewer::smoothSamples() const {
    return std::min(wantedSamples, maxSamples);
}

void WebViewer::schedulePass() {
    if (!failureText.empty() || passRequest) return;
    passRequest = emscripten_request_animation_frame(runPass, this);
}

// One pass of the paint loop on an animation frame: demo step, frame, and the next pass while
// the core says so. Input arrives between the passes, as events between the desktop loop's
// frames.
int WebViewer::runPass(double, void* viewer) {
    auto& self = *static_cast<WebViewer*>(viewer);
    self.passRequest = 0;
    self.viewer.DemoStep();
    self.renderFrame();
    if (self.viewer.PassDone()) self.schedulePass();
    return 0;
}

// The frame sets the clear colour only after its clear, so that a new background colour would
// show one frame late; setting it first shows it at once, as in the desktop view.
void WebViewer::renderFrame() {
    bool smooth = viewer.smoothFrame(pixelWidth, pixelHeight) && pixelWidth > 0 && pixelHeight > 0;
    if (smooth && (!multisampled || multisampled->width() != pixelWidth ||
                   multisampled->height() != pixelHeight)) {
        multisampled = std::make_unique<Framebuffer>(pixelWidth, pixelHeight, smoothSamples());
        if (!multisampled->valid()) multisampled.reset(); // not to be had at this size
    }
    if (!smooth) multisampled.reset(); // its memory is not needed any more
    smooth = smooth && multisampled;
    if (smooth) multisampled->bind();
    glClearColor(state->backgroundRed, state->backgroundGreen, state->backgroundBlue, 0);
    viewer.RenderFrame(pixelWidth, pixelHeight);
    if (smooth) multisampled->copyTo(nullptr);
    if (frames++ == 0) firstFrameMs = emscripten_get_now();
}
