#include "app/MainWindow.h"

#include "app/CalloutLabel.h"
#include "app/FpsWindow.h"
#include "app/GLView.h"
#include "app/ImageButton.h"
#include "app/ShowInFront.h"
#include "app/frame/Demo.h"
#include "app/frame/FrameRender.h"
#include "app/frame/ViewReadout.h"
#include "config/ini/Settings.h"
#include "geometry/Tank.h"
#include "resources/ButtonPictures.h"
#include "scene/Assembly.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QToolBar>
#include <QUrl>

#include <GL/gl.h>

#include <cmath>

namespace {
const QColor activeCallout(204, 0, 0);
const QColor inactiveCallout(255, 0, 0);

const std::array<const char*, 3> pipeItems{"aus1", "Schnitt1", "ganz1"};
const std::array<const char*, 3> floatItems{"aus2", "Schnitt2", "ganz2"};
const std::array<const char*, 3> railItems{"aus3", "Schnitt3", "ganz3"};
const std::array<const char*, 3> flapItems{"aus4", "Schnitt4", "ganz4"};
const std::array<const char*, 3> tankItems{"aus5", "", "ein1"};

// A component of a background colour as a Windows colour byte: rounded, halves to even.
int colourByte(float component) {
    return int(std::nearbyint(255.0f * component));
}
} // namespace

TfrmCube::TfrmCube(SceneState& state, const std::string& programFolder, QWidget* parent)
    : TGradientForm(state.languageCode, FormBorder::Sizeable, parent), state(state),
      programFolder(programFolder) {
    resize(581, 418);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    QFont font("Arial");
    font.setPixelSize(19);
    setFont(font);

    glView = new GLView(state, nullptr);
    dock = new QMainWindow(nullptr, Qt::Widget);
    dock->setCentralWidget(glView);
    // The bars can be moved and docked, but nothing hides them again once they are shown.
    dock->setContextMenuPolicy(Qt::PreventContextMenu);
    setClientWidget(dock);
    fps = new Tfps_Form1(state);

    Image1 = new QLabel(glView);
    Image1->setGeometry(0, 0, 4, 10000);
    Image1->installEventFilter(this);

    createCallouts();
    createButtonRow();
    createMenus();
    createStepToolbar();

    glView->onMousePress = [this](QMouseEvent* e) {
        FormMouseDown(int(e->position().x()), int(e->position().y()));
    };
    glView->onMouseMove = [this](QMouseEvent* e) {
        FormMouseMove(int(e->position().x()), int(e->position().y()), e->buttons());
    };
    glView->onWheel = [this](QWheelEvent* e) { FormMouseWheel(e->angleDelta().y()); };
    glView->onResized = [this](int w, int h) { FormResize(w, h); };

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        fps->Label1->setText(QString::fromStdString(FrameRateText(this->state.frameCount)));
        this->state.frameCount = 0;
    });
    Timer1.start();
    ZoomInTimer.setInterval(40);
    ZoomOutTimer.setInterval(40);
    connect(&ZoomInTimer, &QTimer::timeout, this, [this] {
        ZoomInTick(this->state);
        FormPaint();
    });
    connect(&ZoomOutTimer, &QTimer::timeout, this, [this] {
        ZoomOutTick(this->state);
        FormPaint();
    });

    FormCreate();
}

// The steps of window creation that do not need the GL context; the view enables depth testing
// when its context exists.
void TfrmCube::FormCreate() {
    state.frameCount = 0;
    BuildAssembly(state);
    ConstructTank(state.tank);
    ReadSettings(state, programFolder);

    applyBackgroundColour();

    state.scaleVisible = state.switch1Visible = state.switch2Visible = true;
    state.transmitterVisible = true;
    for (const char* name : {"Label2", "Label4", "Label5"})
        callouts.at(name)->setPanelColour(activeCallout);
    showRunningPictures();
}

void TfrmCube::applyBackgroundColour() {
    QPalette background = palette();
    background.setColor(QPalette::Window,
                        QColor(colourByte(state.backgroundRed), colourByte(state.backgroundGreen),
                               colourByte(state.backgroundBlue)));
    setPalette(background);
}

void TfrmCube::FormPaint() {
    glView->FormPaint();
}

void TfrmCube::FormResize(int clientWidth, int clientHeight) {
    const QSize outer = frameGeometry().size();
    if (outer.height() != state.lastHeight || outer.width() != state.lastWidth) {
        RenderScene(state, clientWidth, clientHeight);
        state.lastHeight = outer.height();
        state.lastWidth = outer.width();
    }
    const qreal ratio = glView->devicePixelRatioF();
    ApplyProjection(int(clientWidth * ratio), int(clientHeight * ratio));
    for (auto& [name, panel] : buttonPanels) panel->move(panel->x(), clientHeight - 48);
}

void TfrmCube::showEvent(QShowEvent* event) {
    TGradientForm::showEvent(event);
    if (state.languageCode == "gb") ApplyEnglishCaptions();
    if (state.languageCode == "d") ApplyGermanCaptions();
    // Both demos run from the start, so the first redraw request starts the animation.
    QTimer::singleShot(0, this, [this] { FormPaint(); });
}

void TfrmCube::closeEvent(QCloseEvent* event) {
    state.levelDemoRunning = false;
    state.swingDemoRunning = false;
    WriteSettings(state); // a failed write leaves the old file and is not reported
    if (onClose) onClose();
    event->accept();
}

QAction* TfrmCube::menuItem(const QString& name) const {
    const auto it = items.find(name);
    return it == items.end() ? nullptr : it->second;
}

CalloutLabel* TfrmCube::callout(const QString& name) const {
    const auto it = callouts.find(name);
    return it == callouts.end() ? nullptr : it->second;
}

ImageButton* TfrmCube::imageButton(const QString& name) const {
    const auto it = buttons.find(name);
    return it == buttons.end() ? nullptr : it->second;
}

// ---- Callouts and the button row ----

void TfrmCube::createCallouts() {
    struct Callout {
        const char* name;
        const char* caption;
        int top;
    };
    const Callout accessories[] = {{"Label4", "Schalter", 20},
                                   {"Label5", "Messwertgeber", 60},
                                   {"Label2", "Messskala", 100},
                                   {"Label1", "Armaflex", 140},
                                   {"Label3", "D\u00E4mpfungsfeder", 180}};
    for (const auto& c : accessories) {
        auto* label = new CalloutLabel(QString::fromUtf8(c.caption), glView);
        label->setGeometry(8, c.top, 185, 23);
        callouts[c.name] = label;
    }
    for (const auto& [name, caption, left, pixels] :
         {std::tuple{"Label6", "+", 8, 21}, std::tuple{"Label7", "-", 48, 19}}) {
        auto* label = new CalloutLabel(caption, glView);
        QFont bold = label->font();
        bold.setBold(true);
        bold.setPixelSize(pixels);
        label->setFont(bold);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(left, 0, 25, 25);
        callouts[name] = label;
        buttonPanels[name] = label;
    }
    for (auto& [name, label] : callouts) {
        connect(label, &CalloutLabel::clicked, this, [this, l = label] { Label1Click(l); });
        connect(label, &CalloutLabel::hovered, this, [this, l = label] { Label1MouseMove(l); });
    }
}

void TfrmCube::createButtonRow() {
    const std::pair<const char*, int> row[] = {{"Start_Stop_Image", 88},
                                               {"Start_Stop_Image_UpDown", 128},
                                               {"ZoomIn_Image", 168},
                                               {"ZoomOut_Image", 208}};
    for (const auto& [name, left] : row) {
        auto* button = new ImageButton(glView);
        button->move(left, 0);
        buttons[name] = button;
        buttonPanels[name] = button;
    }
    ImageButton* swing = buttons.at("Start_Stop_Image");
    ImageButton* level = buttons.at("Start_Stop_Image_UpDown");
    ImageButton* zoomIn = buttons.at("ZoomIn_Image");
    ImageButton* zoomOut = buttons.at("ZoomOut_Image");
    connect(swing, &ImageButton::clicked, this, &TfrmCube::Start_Stop_ImageClick);
    connect(level, &ImageButton::clicked, this, &TfrmCube::Start_Stop_Image_UpDownClick);
    connect(zoomIn, &ImageButton::pressed, &ZoomInTimer, qOverload<>(&QTimer::start));
    connect(zoomIn, &ImageButton::released, &ZoomInTimer, &QTimer::stop);
    connect(zoomOut, &ImageButton::pressed, &ZoomOutTimer, qOverload<>(&QTimer::start));
    connect(zoomOut, &ImageButton::released, &ZoomOutTimer, &QTimer::stop);

    // Hover pictures; the next move over the window itself restores the normal ones.
    connect(zoomIn, &ImageButton::hovered, this, [this, zoomIn] {
        zoomIn->setPixmap(buttonPicture(ButtonPicture::ZoomIn, true));
        state.hoverImageActive = true;
    });
    connect(zoomOut, &ImageButton::hovered, this, [this, zoomOut] {
        zoomOut->setPixmap(buttonPicture(ButtonPicture::ZoomOut, true));
        state.hoverImageActive = true;
    });
    connect(swing, &ImageButton::hovered, this, [this, swing] {
        swing->setPixmap(buttonPicture(
            state.swingDemoRunning ? ButtonPicture::Stop : ButtonPicture::Start, true));
        state.hoverImageActive = true;
    });
    connect(level, &ImageButton::hovered, this, [this, level] {
        level->setPixmap(buttonPicture(
            state.levelDemoRunning ? ButtonPicture::StopUpDown : ButtonPicture::StartUpDown, true));
        state.hoverImageActive = true;
    });
}

void TfrmCube::showRunningPictures() {
    buttons.at("Start_Stop_Image")
        ->setPixmap(buttonPicture(
            state.swingDemoRunning ? ButtonPicture::Stop : ButtonPicture::Start, false));
    buttons.at("Start_Stop_Image_UpDown")
        ->setPixmap(buttonPicture(state.levelDemoRunning ? ButtonPicture::StopUpDown
                                                         : ButtonPicture::StartUpDown,
                                  false));
    buttons.at("ZoomIn_Image")->setPixmap(buttonPicture(ButtonPicture::ZoomIn, false));
    buttons.at("ZoomOut_Image")->setPixmap(buttonPicture(ButtonPicture::ZoomOut, false));
}

void TfrmCube::Start_Stop_ImageClick() {
    state.swingDemoRunning = !state.swingDemoRunning;
    buttons.at("Start_Stop_Image")
        ->setPixmap(buttonPicture(
            state.swingDemoRunning ? ButtonPicture::Stop : ButtonPicture::Start, false));
    FormPaint();
}

void TfrmCube::Start_Stop_Image_UpDownClick() {
    state.levelDemoRunning = !state.levelDemoRunning;
    buttons.at("Start_Stop_Image_UpDown")
        ->setPixmap(buttonPicture(state.levelDemoRunning ? ButtonPicture::StopUpDown
                                                         : ButtonPicture::StartUpDown,
                                  false));
    FormPaint();
}

void TfrmCube::Label1Click(CalloutLabel* label) {
    auto follow = [label](bool active) {
        label->setPanelColour(active ? activeCallout : inactiveCallout);
    };
    if (label == callouts.at("Label4")) {
        state.switch1Visible = !state.switch1Visible;
        state.switch2Visible = !state.switch2Visible;
        follow(state.switch1Visible);
    } else if (label == callouts.at("Label5")) {
        state.transmitterVisible = !state.transmitterVisible;
        follow(state.transmitterVisible);
    } else if (label == callouts.at("Label2")) {
        state.scaleVisible = !state.scaleVisible;
        follow(state.scaleVisible);
    } else if (label == callouts.at("Label1")) {
        state.insulationVisible = !state.insulationVisible;
        follow(state.insulationVisible);
    } else if (label == callouts.at("Label3")) {
        state.springTopVisible = !state.springTopVisible;
        state.springBottomVisible = !state.springBottomVisible;
        follow(state.springTopVisible);
    } else if (label == callouts.at("Label6")) {
        SpeedUp(state);
    } else if (label == callouts.at("Label7")) {
        SlowDown(state);
    }
    FormPaint();
}

void TfrmCube::Label1MouseMove(CalloutLabel* label) {
    label->setTextColour(QColor(0, 0, 255));
}

// ---- Mouse ----

void TfrmCube::FormMouseDown(int x, int y) {
    lastMouseX = x;
    lastMouseY = y;
}

void TfrmCube::FormMouseMove(int x, int y, Qt::MouseButtons mouseButtons) {
    for (auto& [name, label] : callouts) label->setTextColour(Qt::white);
    if (state.hoverImageActive) {
        showRunningPictures();
        state.hoverImageActive = false;
    }
    if (mouseButtons & Qt::LeftButton) {
        Pan(state, x - lastMouseX, y - lastMouseY);
        if (!state.levelDemoRunning) FormPaint();
        lastMouseX = x;
        lastMouseY = y;
    } else if (mouseButtons & Qt::RightButton) {
        // The options gesture: the top-right pixel of the client area.
        if (x == glView->width() - 1 && y == 0 && secondary.showOptions) secondary.showOptions();
    } else if (SetLevelFromPointer(state, x, y, glView->height())) {
        FormPaint();
    }
}

void TfrmCube::FormMouseWheel(int delta) {
    WheelZoom(state, delta);
    FormPaint();
}

bool TfrmCube::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonDblClick) {
        Image1DblClick();
        return true;
    }
    return TGradientForm::eventFilter(watched, event);
}

void TfrmCube::Image1DblClick() {
    TBToolbar1->setVisible(true);
    TBToolbar2->setVisible(true);
}

// ---- Menus ----

QAction* TfrmCube::addItem(QMenu* menu, const char* name, const char* caption,
                           std::function<void()> handler) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    if (handler) connect(action, &QAction::triggered, this, std::move(handler));
    addAction(action); // shortcuts work also while the menu bar is hidden
    items[name] = action;
    return action;
}

void TfrmCube::setModeChecks(const std::array<const char*, 3>& itemNames, int checkedIndex) {
    for (int i = 0; i < 3; ++i)
        if (QAction* item = menuItem(itemNames[i])) item->setChecked(i == checkedIndex);
}

QMenu* TfrmCube::addModeMenu(QMenu* parent, const char* name, const char* caption,
                             const std::array<const char*, 3>& itemNames,
                             const std::array<const char*, 3>& captions,
                             DisplayMode DisplayModes::*mode, const std::array<int, 3>& values) {
    QMenu* menu = parent->addMenu(QString::fromUtf8(caption));
    menu->menuAction()->setObjectName(name);
    items[name] = menu->menuAction();
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

void TfrmCube::createMenus() {
    auto* bar = new QMenuBar;
    bar->setNativeMenuBar(false);
    auto addTopMenu = [&](const char* name, const char* caption) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
        menu->menuAction()->setObjectName(name);
        items[name] = menu->menuAction();
        return menu;
    };

    QMenu* file = addTopMenu("Datei1", "&Datei");
    addItem(file, "Beenden1", "&Beenden", [this] { close(); })->setShortcut(QKeySequence("Ctrl+X"));

    QMenu* picture = addTopMenu("Darstellung1", "Dar&stellung");
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
    addItem(picture, "N5", "alles geschnitten", [this] {
        N5Click();
    })->setShortcut(QKeySequence("Ctrl+S"));
    addItem(picture, "nichtsgeschnitten1", "nichts geschnitten", [this] {
        nichtsgeschnitten1Click();
    })->setShortcut(QKeySequence("Ctrl+V"));
    picture->addSeparator();
    addItem(picture, "HintergrundFarbe1", "&Hintergrund Farbe...", [this] {
        if (secondary.showBackgroundColour) secondary.showBackgroundColour();
    })->setShortcut(QKeySequence("Ctrl+C"));
    CheckDisplayModeEntries();

    QMenu* display = addTopMenu("Anzeige1", "Anzeige");
    auto* openDisplay = new QAction(this);
    openDisplay->setShortcut(QKeySequence("Ctrl+D"));
    connect(openDisplay, &QAction::triggered, this, [display] { display->popup(QCursor::pos()); });
    addAction(openDisplay);
    addItem(display, "Defaul1", "&Default", [this] { Defaul1Click(); });
    QMenu* views = display->addMenu("Ansichten");
    views->menuAction()->setObjectName("N4");
    items["N4"] = views->menuAction();
    addItem(views, "Flgeli2", "Fl\u00FCgeli",
            [this] { ApplyPresetView(state, PresetView::Flaps); });
    addItem(views, "Anschlussunten1", "Abschluss unten",
            [this] { ApplyPresetView(state, PresetView::BottomEnd); });
    addItem(views, "Seitenanschluss1", "Seitenanschluss", [this] {
        menuItem("aus5")->trigger(); // hides the tank as the Tank menu does
        ApplyPresetView(state, PresetView::SideConnection);
    });
    display->addSeparator();
    QMenu* polygon = display->addMenu("&Polygon Modus");
    polygon->menuAction()->setObjectName("PolygonModus1");
    items["PolygonModus1"] = polygon->menuAction();
    const std::tuple<const char*, const char*, int> polygonModes[] = {
        {"GLFILL1", "GL_FILL", GL_FILL},
        {"GLLINE1", "GL_LINE", GL_LINE},
        {"GLPOINTS1", "GL_POINTS", GL_POINT}};
    for (const auto& [name, caption, mode] : polygonModes) {
        addItem(polygon, name, caption, [this, n = name, m = mode] {
            setPolygonMode(m, n);
        })->setCheckable(true);
    }
    menuItem("GLFILL1")->setChecked(true);
    addItem(display, "FrameperSecond1", "Frame per Second", [this] { ShowInFront(fps, this); });
    addItem(display, "TBItem1", "&Erweitert...", [this] {
        if (secondary.showOptions) secondary.showOptions();
    });

    QMenu* sequence = addTopMenu("TBSubmenuItem1", "");
    addItem(sequence, "TBItem2", "", nullptr);

    QMenu* help = addTopMenu("Hilfe1", "&Hilfe");
    QAction* helpItem = addItem(help, "Hilfe2", "Hilfe", [this] { Hilfe2Click(); });
    helpItem->setVisible(false);
    // The entry stays hidden, but its key F1 opens the help from anywhere in the window.
    auto* helpKey = new QAction(this);
    helpKey->setShortcut(QKeySequence(Qt::Key_F1));
    connect(helpKey, &QAction::triggered, this, &TfrmCube::Hilfe2Click);
    addAction(helpKey);
    help->addSeparator()->setVisible(false);
    addItem(help, "KontaktAdresse1", "Kontakt Adresse...", [this] {
        if (secondary.showContact) secondary.showContact();
    });
    help->addSeparator();
    addItem(help, "Info1", "&About...", [this] {
        if (secondary.showAbout) secondary.showAbout();
    });

    TBToolbar1 = new QToolBar("TBToolbar1", this);
    TBToolbar1->setObjectName("TBToolbar1");
    TBToolbar1->addWidget(bar);
    dock->addToolBar(Qt::TopToolBarArea, TBToolbar1);
    TBToolbar1->setVisible(false);
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
    FormPaint();
    setPolygonMode(GL_FILL, "GLFILL1");
}

void TfrmCube::Hilfe2Click() {
    const QString path = QCoreApplication::applicationDirPath() + "/MONTAGE.HLP";
    if (QFileInfo::exists(path)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        return;
    }
    const bool german = state.languageCode == "d";
    QMessageBox::information(this, german ? "Hilfe" : "Help",
                             german ? "Die Hilfedatei MONTAGE.HLP wurde nicht gefunden:\n" + path
                                    : "The help file MONTAGE.HLP was not found:\n" + path);
}
