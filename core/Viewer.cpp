#include "core/Viewer.h"

#include "app/frame/Demo.h"
#include "app/frame/Fit.h"
#include "app/frame/FrameRender.h"
#include "app/frame/Renderer.h"
#include "app/frame/StartScene.h"
#include "config/Language.h"
#include "config/ini/Settings.h"

#include <algorithm>
#include <array>

Viewer::Viewer(SceneState& state, Platform& platform)
    : scene(state), platform(platform),
      optionsModel(
          state, [this](unsigned changes) { changed(changes); }, [this] { FormPaint(); }),
      colourModel(
          state, [this](unsigned changes) { changed(changes); }, [this] { FormPaint(); }) {}

void Viewer::changed(unsigned changes) {
    if (changes) platform.refresh(changes);
}

// The steps of window creation: the scene, the settings (language, background colour, smooth
// edges), the callouts and buttons after the state, the options dialog's lists in the language
// now known, and the stored scenes.
void Viewer::FormCreate() {
    BuildStartScene(scene);
    ApplySettings(scene, platform.loadSettings());
    optionsModel.FormCreate();
    loadScenes();
    changed(BackgroundChanged | CalloutsChanged | ButtonsChanged | MenusChanged |
            MenuEntriesChanged);
}

void Viewer::FormShow() {
    applyCaptions(isGerman(scene.languageCode));
}

// The demos stop first, so that the paint loop ends; a failed write leaves the old file and is
// not reported.
void Viewer::FormClose() {
    scene.levelDemoRunning = false;
    scene.swingDemoRunning = false;
    const SettingsTexts current = platform.loadSettings();
    if (const auto text = SettingsToSave(scene, current)) platform.saveSettings(*text);
}

void Viewer::FormPaint() {
    ++redraws;
    if (loop.begin()) platform.requestPasses();
}

void Viewer::DemoStep() {
    ::DemoStep(scene);
    advanceTour();
}

void Viewer::RenderFrame(int pixelWidth, int pixelHeight) {
    ++frameCount;
    if (black) {
        RenderBlackFrame();
        return;
    }
    RenderScene(scene, pixelWidth, pixelHeight);
    if (scene.partLabelsShown) DrawPartLabels(scene, partLabels(pixelWidth, pixelHeight));
    if (titleShown()) DrawViewTitle(scene, placeViewTitle(title, pixelWidth, pixelHeight));
}

bool Viewer::PassDone() {
    return loop.passDone(scene, touring());
}

int Viewer::takeFrameCount() {
    const int frames = frameCount;
    frameCount = 0;
    return frames;
}

void Viewer::FormResize(int width, int height) {
    clientWidth = width;
    clientHeight = height;
}

void Viewer::Label1Click(std::string_view label) {
    if (label == "Label4") {
        scene.switch1Visible = !scene.switch1Visible;
        scene.switch2Visible = !scene.switch2Visible;
    } else if (label == "Label5") {
        scene.transmitterVisible = !scene.transmitterVisible;
    } else if (label == "Label2") {
        scene.scaleVisible = !scene.scaleVisible;
    } else if (label == "Label1") {
        scene.insulationVisible = !scene.insulationVisible;
    } else if (label == "Label3") {
        scene.springTopVisible = !scene.springTopVisible;
        scene.springBottomVisible = !scene.springBottomVisible;
    } else if (label == "Label6") {
        SpeedUp(scene);
    } else if (label == "Label7") {
        SlowDown(scene);
    } else {
        return;
    }
    changed(CalloutsChanged | OptionsChanged);
    FormPaint();
}

void Viewer::Label1MouseMove(std::string_view label) {
    if (hoveredCallout == label) return;
    hoveredCallout = label;
    changed(CalloutsChanged);
}

// The next move over the view itself restores the normal pictures.
void Viewer::ButtonHovered(std::string_view button) {
    highlightedButton = button;
    hoverImageActive = true;
    changed(ButtonsChanged);
}

// A click shows what the next click does; the clicked button drops its hover picture.
void Viewer::Start_Stop_ImageClick() {
    scene.swingDemoRunning = !scene.swingDemoRunning;
    if (highlightedButton == "Start_Stop_Image") highlightedButton.clear();
    changed(ButtonsChanged);
    FormPaint();
}

void Viewer::Start_Stop_Image_UpDownClick() {
    scene.levelDemoRunning = !scene.levelDemoRunning;
    if (highlightedButton == "Start_Stop_Image_UpDown") highlightedButton.clear();
    changed(ButtonsChanged);
    FormPaint();
}

void Viewer::ZoomButtonPressed(std::string_view button) {
    zoomingIn = button == "ZoomIn_Image";
    zoomingOut = button == "ZoomOut_Image";
}

void Viewer::ZoomButtonReleased() {
    zoomingIn = zoomingOut = false;
}

void Viewer::ZoomTick() {
    if (zoomingIn) ZoomInTick(scene);
    if (zoomingOut) ZoomOutTick(scene);
    if (zooming()) FormPaint();
}

// The menu bar and the step toolbar appear and stay; in full screen once it is left.
void Viewer::Image1DblClick() {
    if (barsWanted) return;
    barsWanted = true;
    changed(BarsChanged);
}

void Viewer::setDisplayMode(DisplayMode DisplayModes::*mode, DisplayMode value) {
    scene.*mode = value;
    changed(MenusChanged);
    FormPaint();
}

// The new mode shows at once, also while no demo runs.
void Viewer::setPolygonMode(int mode) {
    scene.polygonMode = mode;
    changed(MenusChanged);
    FormPaint();
}

void Viewer::N5Click() {
    scene.pipeMode = scene.floatMode = scene.railMode = DisplayMode::Cut;
    scene.flapMode = DisplayMode::Whole;
    changed(MenusChanged);
    FormPaint();
}

void Viewer::nichtsgeschnitten1Click() {
    scene.pipeMode = scene.floatMode = scene.railMode = scene.flapMode = DisplayMode::Whole;
    changed(MenusChanged);
    FormPaint();
}

// The options dialog's default settings, then the polygon mode as the GL_FILL entry sets it.
void Viewer::Defaul1Click() {
    optionsModel.DefaultEinstellungen();
    FormPaint();
    setPolygonMode(glFillMode);
}

void Viewer::Hilfe2Click() {
    std::string lookedAt;
    if (platform.openHelp(lookedAt)) return;
    platform.showMessage(MessageKind::Information, text("helpTitle"),
                         text("helpMissing") + "\n" + lookedAt);
}

void Viewer::ApplyGermanCaptions() {
    applyCaptions(true);
}

void Viewer::ApplyEnglishCaptions() {
    applyCaptions(false);
}

// A caption set re-asserts its language code.
void Viewer::applyCaptions(bool german) {
    scene.languageCode = (german ? germanCaptions() : englishCaptions()).languageCode;
    changed(CaptionsChanged | MenusChanged | CalloutsChanged | ButtonsChanged);
}

void Viewer::setFullScreen(bool on) {
    if (on == fullScreenOn) return;
    fullScreenOn = on;
    changed(FullScreenChanged | BarsChanged | MenusChanged);
    FormPaint();
}

void Viewer::setStage(bool on) {
    if (on == stageOn) return;
    stageOn = on;
    lastPointerMove = platform.seconds();
    changed(StageChanged | FullScreenChanged | BarsChanged | MenusChanged);
    FormPaint();
}

void Viewer::setBlackScreen(bool on) {
    if (on == black) return;
    black = on;
    lastPointerMove = platform.seconds();
    changed(StageChanged | BarsChanged | MenusChanged);
    FormPaint();
}

bool Viewer::pointerHidden() const {
    return (stageOn || black) && platform.seconds() - lastPointerMove >= 2.0;
}

void Viewer::pointerMoved() {
    lastPointerMove = platform.seconds();
}

void Viewer::FitModelClick() {
    FitModel(scene, clientWidth, clientHeight);
    FormPaint();
}

// The keys set the level as the pointer would: the level demo stops, as it must for that.
void Viewer::takeLevel() {
    if (!scene.levelDemoRunning) return;
    scene.levelDemoRunning = false;
    changed(ButtonsChanged);
}

void Viewer::SetLevelPercent(float percent) {
    takeLevel();
    scene.level = LimitedLevel(scene, percent / 100 * scene.displayHeight);
    FormPaint();
}

void Viewer::StepLevel(float percent) {
    takeLevel();
    scene.level = LimitedLevel(scene, scene.level + percent / 100 * scene.displayHeight);
    FormPaint();
}

void Viewer::setSmoothEdges(bool on) {
    scene.smoothEdges = on && smoothingAvailable();
    scene.smoothEdgesChosen = true; // kept in kelo.ini from now on
    changed(MenusChanged);
    FormPaint();
}

void Viewer::setPartLabels(bool on) {
    scene.partLabelsShown = on;
    changed(MenusChanged);
    FormPaint();
}

std::vector<PlacedLabel> Viewer::partLabels(int pixelWidth, int pixelHeight) const {
    return layoutPartLabels(scene, partLabelTexts(), pixelWidth, pixelHeight, controlRegions());
}

PartLabelTexts Viewer::partLabelTexts() const {
    constexpr std::array<const char*, labelledPartCount> keys{
        "partChamber",  "partFloat",       "partFlaps",       "partRail",
        "partSwitches", "partTransmitter", "partConnections", "partTank"};
    PartLabelTexts texts;
    for (std::size_t i = 0; i < keys.size(); ++i) texts[i] = text(keys[i]);
    return texts;
}

// The callouts at the top left and the button row at the bottom left, with a margin, in
// fractions of the view; a picture of another size keeps the labels where the window has them.
std::vector<ViewRegion> Viewer::controlRegions() const {
    if (clientWidth <= 0 || clientHeight <= 0 || !controlsShown()) return {};
    constexpr int margin = 4;
    const int rowTop = buttonRowTop(clientHeight);
    int calloutsRight = 0, calloutsBottom = 0, rowRight = 0;
    for (const CalloutModel& c : callouts()) {
        if (c.inButtonRow) {
            rowRight = std::max(rowRight, c.left + c.width);
            continue;
        }
        calloutsRight = std::max(calloutsRight, c.left + c.width);
        calloutsBottom = std::max(calloutsBottom, c.top + c.height);
    }
    for (const ButtonModel& b : buttons()) rowRight = std::max(rowRight, b.left + buttonSize);
    const float w = float(clientWidth), h = float(clientHeight);
    return {{0, 0, float(calloutsRight + margin) / w, float(calloutsBottom + margin) / h},
            {0, float(rowTop - margin) / h, float(rowRight + margin) / w,
             float(rowTop + buttonSize + margin) / h}};
}

void Viewer::rendererKnown(std::string_view renderer, SmoothingWay way) {
    rendererName = renderer;
    smoothing = way;
    if (!smoothingAvailable()) scene.smoothEdges = false;
    changed(MenusChanged);
}

bool Viewer::smoothFrame(int pixelWidth, int pixelHeight) {
    if (!scene.smoothEdgesChosen) {
        const bool byDefault =
            smoothEdgesByDefault(rendererName, smoothing, pixelWidth, pixelHeight);
        if (byDefault != scene.smoothEdges) {
            scene.smoothEdges = byDefault;
            changed(MenusChanged);
        }
    }
    return scene.smoothEdges && smoothingAvailable();
}

std::string Viewer::text(std::string_view key) const {
    return std::string(captionsFor(scene.languageCode).textOf(key));
}

std::string Viewer::windowCaption() const {
    return ::windowCaption(captionsFor(scene.languageCode), scene.versionText);
}
