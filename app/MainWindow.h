// The main window, the desktop's shell around the viewer's core: the 3D view with the callouts and
// the button row over it, the menu bar and the step toolbar, all built from the core's models
// and refreshed when the core says they changed. Every event goes to the core's handler of the
// same name; the window implements the platform the core asks for (settings file, clock, passes
// of the paint loop, windows, links, help, messages and the saved scenes' folder and dialogs).
#pragma once

#include "config/ini/Settings.h"
#include "core/Viewer.h"
#include "dialogs/KeLoGradForm.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <map>

class CalloutLabel;
class GLView;
class ImageButton;
class QAction;
class QMenu;
class QMenuBar;
class QNativeGestureEvent;
class QToolBar;
class QTouchEvent;
class QWheelEvent;
class Tfps_Form1;
class ViewArea;
struct MenuItem;

// The windows besides the main window: shown when the core opens them, refreshed when their
// models change.
struct SecondaryWindows {
    std::function<void()> showOptions;
    std::function<void()> showBackgroundColour;
    std::function<void()> showAbout;
    std::function<void()> showContact;
    std::function<void()> refreshOptions;
    std::function<void()> refreshColour;
};

class TfrmCube : public TGradientForm, public Platform {
    Q_OBJECT
  public:
    // The settings file is looked for from the program's folder (tests pass a folder of their own).
    TfrmCube(SceneState& state, const std::string& programFolder, QWidget* parent = nullptr);

    Viewer& core() { return viewer; }
    void FormPaint() { viewer.FormPaint(); }
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
    // Runs every 40 ms while a zoom button is held.
    QTimer* zoomInTimer() { return &ZoomInTimer; }
    QTimer* zoomOutTimer() { return &ZoomOutTimer; }
    void setSecondaryWindows(SecondaryWindows windows) { secondary = std::move(windows); }
    // Runs when the window closes, after the settings were saved.
    std::function<void()> onClose;
    const SettingsFile& settingsFile() const { return settings; }

    // Handlers with the names of the window's components and events, handed to the core.
    void Label1Click(CalloutLabel* label);
    void Image1DblClick() { viewer.Image1DblClick(); }
    void Start_Stop_Image_UpDownClick() { viewer.Start_Stop_Image_UpDownClick(); }
    void Defaul1Click() { viewer.Defaul1Click(); }
    void Hilfe2Click() { viewer.Hilfe2Click(); }
    void ApplyGermanCaptions() { viewer.ApplyGermanCaptions(); }
    void ApplyEnglishCaptions() { viewer.ApplyEnglishCaptions(); }
    void setFullScreen(bool on) { viewer.setFullScreen(on); }
    void setSmoothEdges(bool on) { viewer.setSmoothEdges(on); }

    // Pictures of the view for slides. Writes the view rendered at `pixels` (read-outs included)
    // to `path` as PNG; a failure is said in a message box and leaves any file already there as
    // it was.
    bool SavePicture(const QString& path, QSize pixels);
    void SavePictureClick();
    void CopyPictureClick();

    // The platform of the core.
    SettingsTexts loadSettings() override;
    bool saveSettings(const std::string& text) override;
    double seconds() const override;
    void requestPasses() override;
    void refresh(unsigned changes) override;
    void showWindow(CoreWindow window) override;
    void closeMainWindow() override { close(); }
    void openLink(const std::string& url) override;
    bool openHelp(std::string& lookedAt) override;
    void showMessage(MessageKind kind, const std::string& title, const std::string& text) override;
    std::vector<StoredScene> storedScenes() override;
    bool storeScene(const std::string& name, const std::string& text) override;
    void askSceneName(const std::string& proposal, const std::vector<std::string>& names) override;
    void askSceneToImport() override;
    void askSceneExport(const std::string& proposal) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The wheel zooms wherever the pointer is over the window: view, controls, bars and strip.
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormResize(int clientWidth, int clientHeight);
    void createView();
    void createControls();
    void addControl(QWidget* control);
    void createMenus();
    QMenu* addMenu(QMenu* menu, const MenuItem& model);
    void createStepToolbar();
    void createKeys();
    void showCaptions();
    void showMenus();
    void showMenuEntries();
    void showCallouts();
    void showButtons();
    void showBars();
    void showFullScreen(bool on);
    void showStage();
    void showPointer();
    void limitViewToScreens();
    bool viewInput(QEvent* event);
    void viewTouch(QTouchEvent* event);
    void viewGesture(QNativeGestureEvent* event);
    void hoverLeftStrip(int x, int y);
    void stopZooming();
    void chooseItem(const QString& name);

    SceneState& state;
    Viewer viewer;
    SettingsFile settings;
    QElapsedTimer clock;
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
    SecondaryWindows secondary;
    int lastHeight = 0, lastWidth = 0; // the outer window size at the last resize
    QTimer leftStripHint;              // shows the strip's tooltip once the pointer rests on it
    QPoint leftStripHintAt;            // where, in global coordinates
    bool leftStripTipShown = false;
    bool maximizedBeforeFullScreen = true;
    QTimer pointerCheck;       // hides the pointer on the stage once it rests
    QObject* anyKey = nullptr; // ends the black screen at the next key or click
    QString pictureFolder;     // where the last picture went
    SceneFolder scenes;
    QString sceneFilesFolder; // where the last scene file was imported from or exported to
};
