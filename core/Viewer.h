// The viewer's behaviour without a widget toolkit: every input and command of the main window,
// the paint loop's passes, and the models the shells draw (menus, step toolbar, keys, callouts,
// button row). Each command writes the state and tells the shell what to refresh through the
// Platform; the redraw request is FormPaint. The options and colour dialogs' behaviour lives in
// Options and ColourChoice, which the viewer owns.
#pragma once

#include "app/frame/Camera.h"
#include "app/frame/PaintLoop.h"
#include "app/frame/Renderer.h"
#include "core/ColourChoice.h"
#include "core/Controls.h"
#include "core/Glide.h"
#include "core/Menus.h"
#include "core/Options.h"
#include "core/Platform.h"
#include "core/SceneFile.h"
#include "overlay/gl/PartLabels.h"
#include "scene/SceneState.h"

#include <string>
#include <string_view>
#include <vector>

enum PointerButton : unsigned {
    LeftButton = 1u << 0,
    RightButton = 1u << 1,
    MiddleButton = 1u << 2
};

// One finger on the view: where it is now and where it was at the last touch event.
struct TouchPoint {
    float x, y, lastX, lastY;
};

enum class Gesture { Zoom, Rotate };

class Viewer {
  public:
    Viewer(SceneState& state, Platform& platform);
    Viewer(const Viewer&) = delete;
    Viewer& operator=(const Viewer&) = delete;

    const SceneState& state() const { return scene; }

    // The main window's life: built (start scene, settings), shown (captions of the language,
    // the first redraw request), closed (demos stopped, settings saved).
    void FormCreate();
    void FormShow();
    void FormClose();

    // The paint loop. FormPaint is the redraw request; a pass is the demo step, then the frame
    // the shell renders (RenderFrame, in its GL context), then PassDone, which says whether
    // another pass follows.
    void FormPaint();
    void DemoStep();
    void RenderFrame(int pixelWidth, int pixelHeight);
    bool PassDone();
    bool painting() const { return loop.running(); }
    // Redraw requests so far, whether they started the loop or came while it ran.
    int redrawRequests() const { return redraws; }
    // The frames rendered since the last call: the frame-rate window's count.
    int takeFrameCount();

    // The view's size in the pointer's units (logical pixels), for the level by the pointer,
    // the options gesture and the button row.
    void FormResize(int clientWidth, int clientHeight);
    int viewWidth() const { return clientWidth; }
    int viewHeight() const { return clientHeight; }

    // Pointer, wheel, touch and gestures over the view.
    void FormMouseDown(int x, int y);
    // A left drag pans; with Shift it turns the model. Without the left or the right button the
    // pointer sets the level.
    void FormMouseMove(int x, int y, unsigned buttons, bool shift = false);
    void FormMouseWheel(int delta);
    void FormTouch(const std::vector<TouchPoint>& points, bool ended);
    void FormGesture(Gesture gesture, float value);

    // The controls over the view.
    void Label1Click(std::string_view label);
    void Label1MouseMove(std::string_view label);
    void ButtonHovered(std::string_view button);
    void Start_Stop_ImageClick();
    void Start_Stop_Image_UpDownClick();
    // A held zoom button zooms by one step every 40 ms while it is held; the shell's timer calls
    // ZoomTick while zooming() says so.
    void ZoomButtonPressed(std::string_view button);
    void ZoomButtonReleased();
    bool zooming() const { return zoomingIn || zoomingOut; }
    void ZoomTick();
    void Image1DblClick();

    // Menu entries, toolbar buttons and keys by item name ("aus1", "TBItemA+", "Escape"...).
    // False for a name that has no command.
    bool trigger(std::string_view name);
    void N5Click();
    void nichtsgeschnitten1Click();
    void Defaul1Click();
    void Hilfe2Click();
    void ApplyGermanCaptions();
    void ApplyEnglishCaptions();

    // Presenting: full screen, smooth edges.
    void setFullScreen(bool on);
    bool fullScreen() const { return fullScreenOn; }
    // The stage: full screen with the model and its read-outs alone, the pointer hidden after
    // two seconds without moving. Leaving it brings back what was shown before.
    void setStage(bool on);
    bool stage() const { return stageOn; }
    // A black screen, until any key.
    void setBlackScreen(bool on);
    bool blackScreen() const { return black; }
    // The window is full screen: chosen, or for the stage.
    bool wantsFullScreen() const { return fullScreenOn || stageOn; }
    // The callouts and the button row stand over the view.
    bool controlsShown() const { return !stageOn && !black; }
    // On the stage and the black screen the pointer hides two seconds after it last moved.
    bool pointerHidden() const;
    // Zoom and pan that show the whole model at about 85 % of the view, its rotation kept.
    void FitModelClick();
    // The level at a share of the display height, or moved by one; the level demo stops first.
    void SetLevelPercent(float percent);
    void StepLevel(float percent);
    bool levelFollowsPointer() const { return pointerSetsLevel; }
    void setSmoothEdges(bool on);
    // The renderer is known, and the way the shell smooths edges on it (Off where it cannot).
    void rendererKnown(std::string_view renderer, SmoothingWay way);
    bool smoothingAvailable() const { return smoothing != SmoothingWay::Off; }
    // Whether the frame of pixelWidth x pixelHeight about to be drawn has smooth edges: until the
    // user chooses, the renderer, the way and the frame's size decide.
    bool smoothFrame(int pixelWidth, int pixelHeight);

    // Scenes: saved configurations, listed in the Scenes menu by name in alphabetical order
    // (core/ViewerScenes.cpp). The commands ask the user through the platform; the answers come
    // back here. A scene saved or imported under a name already stored replaces that scene.
    void SaveSceneClick();
    void SaveScene(const std::string& name);
    void ImportSceneClick();
    // `fileName` names the scene when the file itself has no name.
    void ImportScene(const std::string& fileName, const FileRead& file);
    void ExportSceneClick();
    // The current configuration as a scene file, named `name` where that is usable as a scene
    // name, else after the last scene recalled or saved.
    std::string sceneFileText(const std::string& name) const;
    // A stored scene, all at once; a scene that cannot be read is said in a message and changes
    // nothing.
    bool RecallScene(const std::string& name);
    // A recall in two parts, so that a tour can glide the view from one scene to the next:
    // everything but the camera and the level (the level stays where it is, within the new
    // range), then the camera and the level, which may be any values between two scenes' too.
    void applySceneSettings(const Scene& recalled);
    void applySceneView(const SceneCamera& camera, float level);
    // The stored scenes' names in the menu's order, and one of them read.
    std::vector<std::string> sceneNames() const;
    SceneReading storedScene(const std::string& name) const;
    // The tour (core/ViewerTour.cpp): the next or the previous stored scene after the last one
    // recalled or saved, its camera and level gliding there and its name shown as a title.
    void NextScene();
    void PreviousScene();
    // A glide or a title keeps the paint loop running.
    bool touring() const;

    // Part labels: short labels with leader lines beside the model, in every frame and picture,
    // in the interface language and clear of the controls over the view; those a frame of that
    // size shows.
    void setPartLabels(bool on);
    std::vector<PlacedLabel> partLabels(int pixelWidth, int pixelHeight) const;

    // Models.
    std::vector<MenuItem> menuBar() const;
    std::vector<ToolbarItem> stepToolbar() const;
    std::vector<KeyCommand> keys() const;
    std::vector<CalloutModel> callouts() const;
    std::vector<ButtonModel> buttons() const;
    // The menu bar and the step toolbar are shown (hidden until the left strip is double-clicked,
    // and while the window is full screen).
    bool barsShown() const { return barsWanted && !wantsFullScreen() && !black; }
    // A text of the interface language by key ("savePictureTitle", ...).
    std::string text(std::string_view key) const;
    std::string windowCaption() const;

    Options& options() { return optionsModel; }
    ColourChoice& colourChoice() { return colourModel; }

  private:
    void changed(unsigned changes);
    void setDisplayMode(DisplayMode DisplayModes::*mode, DisplayMode value);
    void setPolygonMode(int mode);
    void takeLevel();
    void pointerMoved();
    void applyCaptions(bool german);
    void clearHover();
    void loadScenes();
    void keepScene(const std::string& name, const std::string& text);
    void sceneMessage(const std::string& headline, const SceneReading& reading);
    std::string tourNeighbour(int direction) const;
    void tourStep(int direction);
    void advanceTour();
    bool titleShown() const;
    PartLabelTexts partLabelTexts() const;
    std::vector<ViewRegion> controlRegions() const;

    SceneState& scene;
    Platform& platform;
    Options optionsModel;
    ColourChoice colourModel;

    PaintLoop loop;
    int redraws = 0;
    int frameCount = 0;
    int clientWidth = 0, clientHeight = 0;
    int lastMouseX = 0, lastMouseY = 0;
    WheelAccumulator wheel;
    std::size_t touchFingers = 0; // fingers on the view at the last touch event
    bool hoverImageActive = true; // a button may show its hover picture
    std::string highlightedButton;
    std::string hoveredCallout;
    bool zoomingIn = false, zoomingOut = false;
    bool barsWanted = false;
    bool fullScreenOn = false;
    bool barsBeforeFullScreen = false;
    std::string rendererName;
    SmoothingWay smoothing = SmoothingWay::Multisampling;
    bool stageOn = false;
    bool black = false;
    double lastPointerMove = 0;
    bool pointerSetsLevel = true;
    std::vector<StoredScene> scenes; // in the menu's order
    std::string currentScene;        // the last recalled or saved
    Glide glide;
    SceneCamera glidedCamera; // where the glide's last step put the camera
    std::string title;        // the tour's scene name in the font's codes, until titleUntil
    double titleUntil = 0;
};
