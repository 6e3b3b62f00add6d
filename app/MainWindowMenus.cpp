// The main window's menu bar and step toolbar, and the commands behind their entries.
#include "app/FpsWindow.h"
#include "app/GLView.h"
#include "app/MainWindow.h"
#include "app/ShowInFront.h"
#include "config/Language.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>
#include <QUrl>

#include <GL/gl.h>

namespace {
// The entries of each display-mode submenu: off, cut away, whole ("" where there is none).
const std::array<const char*, 3> pipeItems{"aus1", "Schnitt1", "ganz1"};
const std::array<const char*, 3> floatItems{"aus2", "Schnitt2", "ganz2"};
const std::array<const char*, 3> railItems{"aus3", "Schnitt3", "ganz3"};
const std::array<const char*, 3> flapItems{"aus4", "Schnitt4", "ganz4"};
const std::array<const char*, 3> tankItems{"aus5", "", "ein1"};
} // namespace

QAction* TfrmCube::addItem(QMenu* menu, const char* name, const char* caption,
                           std::function<void()> handler, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (handler) connect(action, &QAction::triggered, this, std::move(handler));
    addAction(action); // shortcuts work also while the menu bar is hidden
    items[name] = action;
    return action;
}

// A key that works anywhere in the window without a menu entry of its own.
void TfrmCube::addShortcut(const QKeySequence& keys, std::function<void()> handler) {
    auto* action = new QAction(this);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, std::move(handler));
    addAction(action);
}

void TfrmCube::setModeChecks(const std::array<const char*, 3>& itemNames, int checkedIndex) {
    for (int i = 0; i < 3; ++i)
        if (QAction* item = menuItem(itemNames[i])) item->setChecked(i == checkedIndex);
}

QMenu* TfrmCube::addModeMenu(QMenu* parent, const char* name, const char* caption,
                             const std::array<const char*, 3>& itemNames,
                             const std::array<const char*, 3>& captions,
                             DisplayMode DisplayModes::*mode, const std::array<int, 3>& values) {
    QMenu* menu = addSubmenu(parent, name, caption);
    for (int i = 0; i < 3; ++i) {
        if (!*itemNames[i]) continue;
        const int value = values[i];
        QAction* item = addItem(menu, itemNames[i], captions[i], nullptr);
        item->setCheckable(true);
        if (value < 0) {
            item->setEnabled(false);
            continue;
        }
        connect(item, &QAction::triggered, this, [this, itemNames, i, mode, value] {
            setModeChecks(itemNames, i);
            state.*mode = DisplayMode(value);
            FormPaint();
        });
    }
    return menu;
}

void TfrmCube::CheckDisplayModeEntries() {
    for (const auto* names : {&pipeItems, &floatItems, &railItems}) setModeChecks(*names, 1);
    setModeChecks(flapItems, 2);
    setModeChecks(tankItems, 2);
}

void TfrmCube::setPolygonMode(int mode, const char* itemName) {
    state.polygonMode = mode;
    for (const char* name : {"GLFILL1", "GLLINE1", "GLPOINTS1"})
        menuItem(name)->setChecked(QString(name) == itemName);
}

QMenu* TfrmCube::nameMenu(QMenu* menu, const char* name) {
    menu->menuAction()->setObjectName(name);
    items[name] = menu->menuAction();
    return menu;
}

QMenu* TfrmCube::addTopMenu(QMenuBar* bar, const char* name, const char* caption) {
    return nameMenu(bar->addMenu(QString::fromUtf8(caption)), name);
}

QMenu* TfrmCube::addSubmenu(QMenu* parent, const char* name, const char* caption) {
    return nameMenu(parent->addMenu(QString::fromUtf8(caption)), name);
}

// The menu bar lives on the first toolbar, hidden until the left strip is double-clicked.
void TfrmCube::createMenus() {
    auto* bar = new QMenuBar;
    bar->setNativeMenuBar(false);
    createFileMenu(bar);
    createPictureMenu(bar);
    createDisplayMenu(bar);
    createSequenceMenu(bar);
    createHelpMenu(bar);

    TBToolbar1 = new QToolBar("TBToolbar1", this);
    TBToolbar1->setObjectName("TBToolbar1");
    TBToolbar1->addWidget(bar);
    dock->addToolBar(Qt::TopToolBarArea, TBToolbar1);
    TBToolbar1->setVisible(false);
    TBToolbar1->installEventFilter(this); // the wheel
}

void TfrmCube::createFileMenu(QMenuBar* bar) {
    QMenu* file = addTopMenu(bar, "Datei1", "&Datei");
    addItem(
        file, "Beenden1", "&Beenden", [this] { close(); }, QKeySequence("Ctrl+X"));
}

// A display-mode submenu per component, the two shortcuts for all of them, the background colour.
void TfrmCube::createPictureMenu(QMenuBar* bar) {
    QMenu* picture = addTopMenu(bar, "Darstellung1", "Dar&stellung");
    const std::array<const char*, 3> modeCaptions{"&aus", "&Schnitt", "&ganz"};
    addModeMenu(picture, "Rohr1", "&Rohr", pipeItems, modeCaptions, &DisplayModes::pipeMode,
                {0, 1, 2});
    addModeMenu(picture, "Schwimmer1", "&Schwimmer", floatItems, modeCaptions,
                &DisplayModes::floatMode, {0, 1, 2});
    addModeMenu(picture, "Schiene1", "Sch&iene", railItems, modeCaptions, &DisplayModes::railMode,
                {0, 1, 2});
    addModeMenu(picture, "Flgeli1", "&Fl\u00FCgeli", flapItems, modeCaptions,
                &DisplayModes::flapMode, {0, -1, 2});
    addModeMenu(picture, "Tank1", "&Tank", tankItems, {"&aus", "", "&ein"}, &DisplayModes::tankMode,
                {0, -1, 2});
    addItem(
        picture, "N5", "alles geschnitten", [this] { N5Click(); }, QKeySequence("Ctrl+S"));
    addItem(
        picture, "nichtsgeschnitten1", "nichts geschnitten", [this] { nichtsgeschnitten1Click(); },
        QKeySequence("Ctrl+V"));
    picture->addSeparator();
    addItem(
        picture, "HintergrundFarbe1", "&Hintergrund Farbe...",
        [this] {
            if (secondary.showBackgroundColour) secondary.showBackgroundColour();
        },
        QKeySequence("Ctrl+C"));
    CheckDisplayModeEntries();
    createPresentingItems(picture);
}

// Smooth edges, full screen and the picture of the view, after the designed entries.
void TfrmCube::createPresentingItems(QMenu* picture) {
    picture->addSeparator();
    QAction* smooth = addItem(picture, "SmoothEdges1", "&Kanten glätten",
                              [this] { setSmoothEdges(!state.smoothEdges); });
    smooth->setCheckable(true);
    QAction* fullScreen = addItem(
        picture, "FullScreen1", "&Vollbild", [this] { setFullScreen(!isFullScreen()); },
        QKeySequence(Qt::Key_F11));
    fullScreen->setCheckable(true);
    // Esc leaves full screen and does nothing otherwise.
    addShortcut(QKeySequence(Qt::Key_Escape), [this] { setFullScreen(false); });
    addItem(
        picture, "SavePicture1", "Bild s&peichern...", [this] { SavePictureClick(); },
        QKeySequence("Ctrl+E"));
    addItem(
        picture, "CopyPicture1", "Bild k&opieren", [this] { CopyPictureClick(); },
        QKeySequence("Ctrl+Shift+C"));
    // The checks follow what the view does, which the renderer can decide for smoothing.
    connect(picture, &QMenu::aboutToShow, this, [this, smooth, fullScreen] {
        smooth->setChecked(state.smoothEdges);
        smooth->setEnabled(glView->smoothingAvailable());
        fullScreen->setChecked(isFullScreen());
    });
}

// Default, preset views, polygon mode, frame rate and options; Ctrl+D opens it at the pointer.
void TfrmCube::createDisplayMenu(QMenuBar* bar) {
    QMenu* display = addTopMenu(bar, "Anzeige1", "Anzeige");
    addShortcut(QKeySequence("Ctrl+D"), [display] { display->popup(QCursor::pos()); });
    addItem(display, "Defaul1", "&Default", [this] { Defaul1Click(); });
    createViewsMenu(display);
    display->addSeparator();
    createPolygonMenu(display);
    addItem(display, "FrameperSecond1", "Frame per Second", [this] { ShowInFront(fps, this); });
    addItem(display, "TBItem1", "&Erweitert...", [this] {
        if (secondary.showOptions) secondary.showOptions();
    });
}

void TfrmCube::createViewsMenu(QMenu* display) {
    QMenu* views = addSubmenu(display, "N4", "Ansichten");
    // The new view shows at once, also while no demo runs.
    addItem(views, "Flgeli2", "Fl\u00FCgeli", [this] {
        ApplyPresetView(state, PresetView::Flaps);
        FormPaint();
    });
    addItem(views, "Anschlussunten1", "Abschluss unten", [this] {
        ApplyPresetView(state, PresetView::BottomEnd);
        FormPaint();
    });
    addItem(views, "Seitenanschluss1", "Seitenanschluss", [this] {
        menuItem("aus5")->trigger(); // hides the tank as the Tank menu does
        ApplyPresetView(state, PresetView::SideConnection);
        FormPaint();
    });
    views->addSeparator();
    addItem(
        views, "ResetView1", "Ansicht &zurücksetzen",
        [this] {
            ResetView(state);
            FormPaint();
        },
        QKeySequence(Qt::Key_Home));
}

void TfrmCube::createPolygonMenu(QMenu* display) {
    QMenu* polygon = addSubmenu(display, "PolygonModus1", "&Polygon Modus");
    const std::tuple<const char*, const char*, int> polygonModes[] = {
        {"GLFILL1", "GL_FILL", GL_FILL},
        {"GLLINE1", "GL_LINE", GL_LINE},
        {"GLPOINTS1", "GL_POINTS", GL_POINT}};
    for (const auto& [name, caption, mode] : polygonModes) {
        addItem(polygon, name, caption, [this, n = name, m = mode] {
            setPolygonMode(m, n);
            FormPaint(); // the new mode shows at once, also while no demo runs
        })->setCheckable(true);
    }
    menuItem("GLFILL1")->setChecked(true);
}

// The sequence menu and its one entry take their captions from the caption sets; the entry has
// no command.
void TfrmCube::createSequenceMenu(QMenuBar* bar) {
    QMenu* sequence = addTopMenu(bar, "TBSubmenuItem1", "");
    addItem(sequence, "TBItem2", "", nullptr);
}

void TfrmCube::createHelpMenu(QMenuBar* bar) {
    QMenu* help = addTopMenu(bar, "Hilfe1", "&Hilfe");
    QAction* helpItem = addItem(help, "Hilfe2", "Hilfe", [this] { Hilfe2Click(); });
    helpItem->setVisible(false);
    // The entry stays hidden, but its key F1 opens the help from anywhere in the window.
    addShortcut(QKeySequence(Qt::Key_F1), [this] { Hilfe2Click(); });
    help->addSeparator()->setVisible(false);
    addItem(help, "KontaktAdresse1", "Kontakt Adresse...", [this] {
        if (secondary.showContact) secondary.showContact();
    });
    help->addSeparator();
    addItem(help, "Info1", "&About...", [this] {
        if (secondary.showAbout) secondary.showAbout();
    });
}

void TfrmCube::createStepToolbar() {
    TBToolbar2 = new QToolBar("TBToolbar2", this);
    TBToolbar2->setObjectName("TBToolbar2");
    const std::pair<const char*, ViewStep> steps[] = {
        {"A+", ViewStep::Aplus},  {"B+", ViewStep::Bplus},  {"C+", ViewStep::Cplus},
        {"A-", ViewStep::Aminus}, {"B-", ViewStep::Bminus}, {"C-", ViewStep::Cminus},
        {"X+", ViewStep::Xplus},  {"Y+", ViewStep::Yplus},  {"Z+", ViewStep::Zplus},
        {"X-", ViewStep::Xminus}, {"Y-", ViewStep::Yminus}, {"Z-", ViewStep::Zminus}};
    int index = 0;
    for (const auto& [caption, step] : steps) {
        if (index > 0 && index % 3 == 0) TBToolbar2->addSeparator();
        QAction* action = TBToolbar2->addAction(caption);
        action->setObjectName(QString("TBItem") + caption);
        connect(action, &QAction::triggered, this, [this, s = step] {
            ApplyViewStep(state, s);
            FormPaint();
        });
        ++index;
    }
    dock->addToolBarBreak(Qt::TopToolBarArea);
    dock->addToolBar(Qt::TopToolBarArea, TBToolbar2);
    TBToolbar2->setVisible(false);
    TBToolbar2->installEventFilter(this); // the wheel
}

void TfrmCube::N5Click() {
    for (const auto* names : {&pipeItems, &floatItems, &railItems}) setModeChecks(*names, 1);
    setModeChecks(flapItems, 2);
    state.pipeMode = state.floatMode = state.railMode = DisplayMode::Cut;
    state.flapMode = DisplayMode::Whole;
    FormPaint();
}

void TfrmCube::nichtsgeschnitten1Click() {
    for (const auto* names : {&pipeItems, &floatItems, &railItems, &flapItems})
        setModeChecks(*names, 2);
    state.pipeMode = state.floatMode = state.railMode = state.flapMode = DisplayMode::Whole;
    FormPaint();
}

void TfrmCube::Defaul1Click() {
    if (secondary.restoreDefaults) secondary.restoreDefaults();
    showAccessoryStates(); // the callouts show that the accessories are off again
    FormPaint();
    // As the GL_FILL entry does, which shows its mode at once.
    setPolygonMode(GL_FILL, "GLFILL1");
    FormPaint();
}

void TfrmCube::Hilfe2Click() {
    const QString path = QCoreApplication::applicationDirPath() + "/MONTAGE.HLP";
    if (QFileInfo::exists(path)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        return;
    }
    const bool german = isGerman(state.languageCode);
    QMessageBox::information(this, german ? "Hilfe" : "Help",
                             german ? "Die Hilfedatei MONTAGE.HLP wurde nicht gefunden:\n" + path
                                    : "The help file MONTAGE.HLP was not found:\n" + path);
}
