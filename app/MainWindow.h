// The main window: the 3D view, the callout labels and the button row, the menu bar and the step
// toolbar (hidden until the strip at the left edge is double-clicked), and the handlers that
// change the scene state and ask for a redraw.
#pragma once

#include "app/frame/Camera.h"
#include "scene/SceneState.h"

#include "dialogs/KeLoGradForm.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <map>

struct CaptionSet;
class CalloutLabel;
class GLView;
class ImageButton;
class QAction;
class QMenu;
class QNativeGestureEvent;
class QTouchEvent;
class QWheelEvent;
class QMenuBar;
class QToolBar;
class Tfps_Form1;
class ViewArea;

// Windows the menus open; the main window only shows them.
struct SecondaryWindows {
    std::function<void()> showOptions;
    std::function<void()> showBackgroundColour;
    std::function<void()> showAbout;
    std::function<void()> showContact;
    std::function<void()> restoreDefaults; // the options dialog's default settings
    std::function<void()> showAccessories; // the options dialog's boxes after the flags
};

class TfrmCube : public TGradientForm {
    Q_OBJECT
  public:
    // The settings file is looked for from the program's folder (tests pass a folder of their own).
    TfrmCube(SceneState& state, const std::string& programFolder, QWidget* parent = nullptr);

    void FormPaint();
    // Shown, no longer minimised, raised and active: a second launch asks for it.
    void bringToFront();
    // The window's own colour := the background colour, each component rounded to a byte.
    void applyBackgroundColour();
    // Menu entries and submenus by their item names ("Rohr1", "Schnitt1", "GLLINE1", ...).
    QAction* menuItem(const QString& name) const;
    CalloutLabel* callout(const QString& name) const;
    ImageButton* imageButton(const QString& name) const;
    QToolBar* menuToolbar() const { return TBToolbar1; }
    QToolBar* stepToolbar() const { return TBToolbar2; }
    GLView* view() const { return glView; }
    Tfps_Form1* frameRateWindow() const { return fps; }
    QTimer* zoomInTimer() { return &ZoomInTimer; }
    QTimer* zoomOutTimer() { return &ZoomOutTimer; }
    void setSecondaryWindows(SecondaryWindows windows) { secondary = std::move(windows); }

    // Display-mode check marks, as the "Default" command resets them.
    void CheckDisplayModeEntries();
    // Write the captions of one language into menus, callouts and the window caption.
    void ApplyGermanCaptions();
    void ApplyEnglishCaptions();
    // Runs when the window closes, after the settings were saved.
    std::function<void()> onClose;

    // Handlers with the names of the window's components and events.
    void FormMouseDown(int x, int y);
    // A left drag pans; with Shift held it turns the model.
    void FormMouseMove(int x, int y, Qt::MouseButtons buttons,
                       Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void FormMouseWheel(int delta);
    // One finger drags like the left button; two pinch to zoom and turn the model.
    void FormTouch(QTouchEvent* event);
    // A touchpad's pinch zooms, its rotation turns the model.
    void FormGesture(QNativeGestureEvent* event);
    void Label1Click(CalloutLabel* label);
    void Label1MouseMove(CalloutLabel* label);
    void Image1DblClick();
    void Start_Stop_ImageClick();
    void Start_Stop_Image_UpDownClick();
    void N5Click();
    void nichtsgeschnitten1Click();
    void Defaul1Click();
    void Hilfe2Click();

    // Presenting: full screen without the caption bar, smooth edges, the picture of the view.
    void setFullScreen(bool on);
    void setSmoothEdges(bool on);
    // Writes the view rendered at `pixels` (read-outs included) to `path` as PNG; a failure is
    // said in a message box and leaves any file already there as it was.
    bool SavePicture(const QString& path, QSize pixels);
    void SavePictureClick();
    void CopyPictureClick();
    // Each callout's panel after the flag it switches.
    void showAccessoryStates();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The wheel zooms wherever the pointer is over the window: view, controls, bars and strip.
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void FormResize(int clientWidth, int clientHeight);
    void applyCaptions(const CaptionSet& captions);
    void addControl(QWidget* control);
    void createCallouts();
    void createButtonRow();
    void createMenus();
    void createFileMenu(QMenuBar* bar);
    void createPictureMenu(QMenuBar* bar);
    void createDisplayMenu(QMenuBar* bar);
    void createViewsMenu(QMenu* display);
    void createPolygonMenu(QMenu* display);
    void createSequenceMenu(QMenuBar* bar);
    void createHelpMenu(QMenuBar* bar);
    QMenu* addTopMenu(QMenuBar* bar, const char* name, const char* caption);
    QMenu* addSubmenu(QMenu* parent, const char* name, const char* caption);
    QMenu* nameMenu(QMenu* menu, const char* name);
    void createStepToolbar();
    void createPresentingItems(QMenu* picture);
    void createView();
    void limitViewToScreens();
    bool viewInput(QEvent* event);
    void hoverLeftStrip(int x, int y);
    void stopZooming();
    void showBars(bool shown); // the menu bar and the step toolbar
    QMenu* addModeMenu(QMenu* parent, const char* name, const char* caption,
                       const std::array<const char*, 3>& itemNames,
                       const std::array<const char*, 3>& captions, DisplayMode DisplayModes::*mode,
                       const std::array<int, 3>& values);
    QAction* addItem(QMenu* menu, const char* name, const char* caption,
                     std::function<void()> handler, const QKeySequence& shortcut = {});
    void addShortcut(const QKeySequence& keys, std::function<void()> handler);
    void setModeChecks(const std::array<const char*, 3>& itemNames, int checkedIndex);
    void setPolygonMode(int mode, const char* itemName);
    void showRunningPictures();

    SceneState& state;
    QMainWindow* dock;  // holds the view, the menu bar and the toolbars below the caption bar
    ViewArea* viewHost; // the area the view fills, with the controls over the view
    GLView* glView;
    Tfps_Form1* fps;
    QToolBar* TBToolbar1;
    QToolBar* TBToolbar2;
    QTimer ZoomInTimer;
    QTimer ZoomOutTimer;
    std::map<QString, QAction*> items;
    std::map<QString, CalloutLabel*> callouts;
    std::map<QString, ImageButton*> buttons;
    std::map<QString, QWidget*> buttonPanels;
    SecondaryWindows secondary;
    std::string programFolder;
    int lastMouseX = 0;
    int lastMouseY = 0;
    WheelAccumulator wheel;
    qsizetype touchFingers = 0; // fingers on the view at the last touch event
    QTimer leftStripHint;       // shows the strip's tooltip once the pointer rests on it
    QPoint leftStripHintAt;     // where, in global coordinates
    bool leftStripTipShown = false;
    bool maximizedBeforeFullScreen = true;
    bool barsShownBeforeFullScreen = false;
    QString pictureFolder; // where the last picture went
};
