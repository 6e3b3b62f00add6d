// The models of the main window's menus, step toolbar, keys and controls, and the commands behind
// their names.
#include "core/Menus.h"

#include "app/frame/Camera.h"
#include "config/Language.h"
#include "core/Viewer.h"

#include <algorithm>
#include <array>

namespace {
constexpr int glLine = 0x1B01, glPoint = 0x1B00; // GL_LINE and GL_POINT beside glFillMode

// The entries of each display-mode submenu, off, cut away, whole ("" where there is none), and
// the mode each sets (-1: the entry is there but disabled).
struct ModeMenu {
    const char* name;
    std::array<const char*, 3> items;
    DisplayMode DisplayModes::*mode;
    std::array<int, 3> values;
};
constexpr ModeMenu modeMenus[] = {
    {"Rohr1", {"aus1", "Schnitt1", "ganz1"}, &DisplayModes::pipeMode, {0, 1, 2}},
    {"Schwimmer1", {"aus2", "Schnitt2", "ganz2"}, &DisplayModes::floatMode, {0, 1, 2}},
    {"Schiene1", {"aus3", "Schnitt3", "ganz3"}, &DisplayModes::railMode, {0, 1, 2}},
    {"Flgeli1", {"aus4", "Schnitt4", "ganz4"}, &DisplayModes::flapMode, {0, -1, 2}},
    {"Tank1", {"aus5", "", "ein1"}, &DisplayModes::tankMode, {0, -1, 2}},
};

struct ViewStepItem {
    const char* name;
    ViewStep step;
};
constexpr ViewStepItem viewSteps[] = {
    {"TBItemA+", ViewStep::Aplus},  {"TBItemB+", ViewStep::Bplus},  {"TBItemC+", ViewStep::Cplus},
    {"TBItemA-", ViewStep::Aminus}, {"TBItemB-", ViewStep::Bminus}, {"TBItemC-", ViewStep::Cminus},
    {"TBItemX+", ViewStep::Xplus},  {"TBItemY+", ViewStep::Yplus},  {"TBItemZ+", ViewStep::Zplus},
    {"TBItemX-", ViewStep::Xminus}, {"TBItemY-", ViewStep::Yminus}, {"TBItemZ-", ViewStep::Zminus}};

struct PresetItem {
    const char* name;
    PresetView view;
};
constexpr PresetItem presetItems[] = {{"Flgeli2", PresetView::Flaps},
                                      {"Anschlussunten1", PresetView::BottomEnd},
                                      {"Seitenanschluss1", PresetView::SideConnection}};

// The level keys: straight to a share of the display height, or a step up or down.
struct LevelItem {
    const char* name;
    const char* shortcut;
    float percent;
    bool step;
};
constexpr LevelItem levelItems[] = {{"Level0", "0", 0, false},
                                    {"Level20", "2", 20, false},
                                    {"Level50", "5", 50, false},
                                    {"Level80", "8", 80, false},
                                    {"Level100", "1", 100, false},
                                    {"LevelUp1", "Up", 1, true},
                                    {"LevelDown1", "Down", -1, true},
                                    {"LevelUp10", "Shift+Up", 10, true},
                                    {"LevelDown10", "Shift+Down", -10, true}};

struct PolygonItem {
    const char* name;
    int mode;
};
constexpr PolygonItem polygonItems[] = {
    {"GLFILL1", glFillMode}, {"GLLINE1", glLine}, {"GLPOINTS1", glPoint}};

// Builds menu items with the captions of one language.
class MenuBuilder {
  public:
    explicit MenuBuilder(const CaptionSet& captions) : captions(captions) {}
    MenuItem item(const char* name, const char* shortcut = "") const {
        MenuItem entry;
        entry.name = name;
        entry.caption = captions.shownCaptionOf(name);
        entry.shortcut = shortcut;
        return entry;
    }
    MenuItem check(const char* name, bool checked, const char* shortcut = "") const {
        MenuItem entry = item(name, shortcut);
        entry.checkable = true;
        entry.checked = checked;
        return entry;
    }
    MenuItem menu(const char* name, std::vector<MenuItem> items) const {
        MenuItem entry = item(name);
        entry.submenu = true;
        entry.items = std::move(items);
        return entry;
    }
    static MenuItem separator(bool visible = true) {
        MenuItem entry;
        entry.separator = true;
        entry.visible = visible;
        return entry;
    }

  private:
    const CaptionSet& captions;
};

// The checks follow the state: the entry of the mode it has, and for the tank "ein" whenever
// the tank is shown.
MenuItem modeMenu(const MenuBuilder& m, const ModeMenu& menu, const SceneState& state) {
    const int mode = int(state.*menu.mode);
    std::vector<MenuItem> items;
    for (int i = 0; i < 3; ++i) {
        if (!*menu.items[i]) continue;
        const int value = menu.values[i];
        const bool tankOn = menu.mode == &DisplayModes::tankMode && value == 2 && mode != 0;
        MenuItem entry = m.check(menu.items[i], mode == value || tankOn);
        entry.enabled = value >= 0;
        items.push_back(entry);
    }
    return m.menu(menu.name, std::move(items));
}

constexpr std::string_view sceneItemPrefix = "scene:";

// Saving, importing and exporting, the tour's steps, then one entry per stored scene, its name as
// the caption ('&' doubled, so that a name marks no access key). A step is there while a scene
// lies that way from the current one.
MenuItem scenesMenu(const MenuBuilder& m, const std::vector<std::string>& names,
                    const std::string& current) {
    const auto at = std::find(names.begin(), names.end(), current);
    MenuItem next = m.item("NextScene1", "PgDown"), previous = m.item("PreviousScene1", "PgUp");
    next.enabled = !names.empty() && (at == names.end() || at + 1 != names.end());
    previous.enabled = !names.empty() && at != names.begin();
    std::vector<MenuItem> items{m.item("SaveScene1", "Ctrl+Shift+S"),
                                m.item("ImportScene1", "Ctrl+Shift+O"),
                                m.item("ExportScene1", "Ctrl+Shift+E"),
                                MenuBuilder::separator(),
                                next,
                                previous,
                                MenuBuilder::separator(!names.empty())};
    for (const std::string& name : names) {
        MenuItem entry;
        entry.name = sceneItemName(name);
        for (const char c : name) entry.caption += c == '&' ? "&&" : std::string(1, c);
        items.push_back(std::move(entry));
    }
    return m.menu("Scenes1", std::move(items));
}
} // namespace

std::string sceneItemName(const std::string& sceneName) {
    return std::string(sceneItemPrefix) + sceneName;
}

const MenuItem* findMenuItem(const std::vector<MenuItem>& menus, const std::string& name) {
    for (const MenuItem& entry : menus) {
        if (entry.name == name) return &entry;
        if (const MenuItem* inner = findMenuItem(entry.items, name)) return inner;
    }
    return nullptr;
}

std::vector<MenuItem> Viewer::menuBar() const {
    const MenuBuilder m(captionsFor(scene.languageCode));
    std::vector<MenuItem> picture;
    for (const ModeMenu& menu : modeMenus) picture.push_back(modeMenu(m, menu, scene));
    MenuItem smooth = m.check("SmoothEdges1", scene.smoothEdges);
    smooth.enabled = smoothingAvailable();
    picture.insert(picture.end(),
                   {m.item("N5", "Ctrl+S"), m.item("nichtsgeschnitten1", "Ctrl+V"),
                    MenuBuilder::separator(), m.item("HintergrundFarbe1", "Ctrl+C"),
                    MenuBuilder::separator(), smooth, m.check("FullScreen1", fullScreenOn, "F11"),
                    m.item("Stage1", "F5"), m.check("BlackScreen1", black, "B"),
                    m.item("SavePicture1", "Ctrl+E"), m.item("CopyPicture1", "Ctrl+Shift+C")});
    picture.push_back(m.check("PartLabels1", scene.partLabelsShown, "L"));

    std::vector<MenuItem> views;
    for (const PresetItem& preset : presetItems) views.push_back(m.item(preset.name));
    views.push_back(MenuBuilder::separator());
    views.push_back(m.item("ResetView1", "Home"));
    views.push_back(m.item("FitModel1", "F"));
    std::vector<MenuItem> polygon;
    for (const PolygonItem& p : polygonItems)
        polygon.push_back(m.check(p.name, scene.polygonMode == p.mode));
    const std::vector<MenuItem> display{
        m.item("Defaul1"),         m.menu("N4", std::move(views)),
        MenuBuilder::separator(),  m.menu("PolygonModus1", std::move(polygon)),
        m.item("FrameperSecond1"), m.item("TBItem1")};

    std::vector<MenuItem> sequence{m.item("TBItem2"), MenuBuilder::separator(),
                                   m.check("LevelFollowsPointer1", pointerSetsLevel),
                                   MenuBuilder::separator()};
    for (const LevelItem& level : levelItems) {
        if (level.step && level.percent == 1) sequence.push_back(MenuBuilder::separator());
        sequence.push_back(m.item(level.name, level.shortcut));
    }

    // The help entry stays hidden; its key F1 works anyway.
    MenuItem help = m.item("Hilfe2");
    help.visible = false;
    return {m.menu("Datei1", {m.item("Beenden1", "Ctrl+X")}),
            m.menu("Darstellung1", std::move(picture)),
            m.menu("Anzeige1", display),
            scenesMenu(m, sceneNames(), currentScene),
            m.menu("TBSubmenuItem1", std::move(sequence)),
            m.menu("Hilfe1", {help, MenuBuilder::separator(false), m.item("KontaktAdresse1"),
                              MenuBuilder::separator(), m.item("Info1")})};
}

std::vector<ToolbarItem> Viewer::stepToolbar() const {
    const CaptionSet& captions = captionsFor(scene.languageCode);
    std::vector<ToolbarItem> items;
    int index = 0;
    for (const ViewStepItem& step : viewSteps) {
        items.push_back({step.name, std::string(captions.shownCaptionOf(step.name)),
                         index > 0 && index % 3 == 0});
        ++index;
    }
    return items;
}

// Keys that work anywhere in the window, beside the menu entries' shortcuts; on the stage a
// presentation remote's further keys step through the scenes.
std::vector<KeyCommand> Viewer::keys() const {
    return {{"Ctrl+D", "Anzeige1", true}, {"F1", "Hilfe2"},       {"Esc", "Escape"},
            {"Shift+F5", "Stage1"},       {"Space", "StageNext"}, {"Right", "StageNext"},
            {"Left", "StagePrevious"}};
}

bool Viewer::trigger(std::string_view name) {
    if (name.starts_with(sceneItemPrefix))
        return RecallScene(std::string(name.substr(sceneItemPrefix.size())));
    for (const ModeMenu& menu : modeMenus)
        for (int i = 0; i < 3; ++i)
            if (*menu.items[i] && name == menu.items[i]) {
                if (menu.values[i] < 0) return false;
                setDisplayMode(menu.mode, DisplayMode(menu.values[i]));
                return true;
            }
    for (const ViewStepItem& step : viewSteps)
        if (name == step.name) {
            ApplyViewStep(scene, step.step);
            FormPaint();
            return true;
        }
    for (const PresetItem& preset : presetItems)
        if (name == preset.name) {
            // The side view first hides the tank as the Tank menu's "aus" entry does.
            if (preset.view == PresetView::SideConnection) trigger("aus5");
            ApplyPresetView(scene, preset.view);
            FormPaint(); // the new view shows at once, also while no demo runs
            return true;
        }
    for (const PolygonItem& p : polygonItems)
        if (name == p.name) {
            setPolygonMode(p.mode);
            return true;
        }
    for (const LevelItem& level : levelItems)
        if (name == level.name) {
            if (level.step)
                StepLevel(level.percent);
            else
                SetLevelPercent(level.percent);
            return true;
        }
    struct Command {
        std::string_view name;
        void (*run)(Viewer&, Platform&);
    };
    static constexpr Command commands[] = {
        {"Beenden1", [](Viewer&, Platform& p) { p.closeMainWindow(); }},
        {"N5", [](Viewer& v, Platform&) { v.N5Click(); }},
        {"nichtsgeschnitten1", [](Viewer& v, Platform&) { v.nichtsgeschnitten1Click(); }},
        {"HintergrundFarbe1",
         [](Viewer&, Platform& p) { p.showWindow(CoreWindow::BackgroundColour); }},
        {"SmoothEdges1", [](Viewer& v, Platform&) { v.setSmoothEdges(!v.state().smoothEdges); }},
        {"FullScreen1", [](Viewer& v, Platform&) { v.setFullScreen(!v.fullScreen()); }},
        // Esc ends the black screen, else the stage, else full screen.
        {"Escape",
         [](Viewer& v, Platform&) {
             if (v.blackScreen())
                 v.setBlackScreen(false);
             else if (v.stage())
                 v.setStage(false);
             else
                 v.setFullScreen(false);
         }},
        {"Stage1", [](Viewer& v, Platform&) { v.setStage(true); }},
        {"BlackScreen1", [](Viewer& v, Platform&) { v.setBlackScreen(!v.blackScreen()); }},
        {"FitModel1", [](Viewer& v, Platform&) { v.FitModelClick(); }},
        {"LevelFollowsPointer1",
         [](Viewer& v, Platform&) {
             v.pointerSetsLevel = !v.pointerSetsLevel;
             v.changed(MenusChanged);
         }},
        {"PartLabels1", [](Viewer& v, Platform&) { v.setPartLabels(!v.state().partLabelsShown); }},
        {"Defaul1", [](Viewer& v, Platform&) { v.Defaul1Click(); }},
        {"ResetView1",
         [](Viewer& v, Platform&) {
             ResetView(v.scene);
             v.FormPaint();
         }},
        {"FrameperSecond1", [](Viewer&, Platform& p) { p.showWindow(CoreWindow::FrameRate); }},
        {"TBItem1", [](Viewer&, Platform& p) { p.showWindow(CoreWindow::Options); }},
        {"Hilfe2", [](Viewer& v, Platform&) { v.Hilfe2Click(); }},
        {"KontaktAdresse1", [](Viewer&, Platform& p) { p.showWindow(CoreWindow::Contact); }},
        {"Info1", [](Viewer&, Platform& p) { p.showWindow(CoreWindow::About); }},
        {"SaveScene1", [](Viewer& v, Platform&) { v.SaveSceneClick(); }},
        {"ImportScene1", [](Viewer& v, Platform&) { v.ImportSceneClick(); }},
        {"ExportScene1", [](Viewer& v, Platform&) { v.ExportSceneClick(); }},
        {"NextScene1", [](Viewer& v, Platform&) { v.NextScene(); }},
        {"PreviousScene1", [](Viewer& v, Platform&) { v.PreviousScene(); }},
        {"StageNext",
         [](Viewer& v, Platform&) {
             if (v.stage()) v.NextScene();
         }},
        {"StagePrevious",
         [](Viewer& v, Platform&) {
             if (v.stage()) v.PreviousScene();
         }},
    };
    for (const Command& command : commands)
        if (name == command.name) {
            command.run(*this, platform);
            return true;
        }
    return false;
}

std::vector<CalloutModel> Viewer::callouts() const {
    const CaptionSet& captions = captionsFor(scene.languageCode);
    struct Place {
        const char* name;
        bool active;
        int left, top, width, height;
        bool inRow;
    };
    // The accessory callouts show their flag; the speed callouts stand in the button row.
    const Place places[] = {{"Label4", scene.switch1Visible, 8, 20, 185, 23, false},
                            {"Label5", scene.transmitterVisible, 8, 60, 185, 23, false},
                            {"Label2", scene.scaleVisible, 8, 100, 185, 23, false},
                            {"Label1", scene.insulationVisible, 8, 140, 185, 23, false},
                            {"Label3", scene.springTopVisible, 8, 180, 185, 23, false},
                            {"Label6", false, 8, 0, buttonSize, buttonSize, true},
                            {"Label7", false, 48, 0, buttonSize, buttonSize, true}};
    std::vector<CalloutModel> models;
    for (const Place& p : places)
        models.push_back({p.name, std::string(captions.shownCaptionOf(p.name)),
                          std::string(captions.textOf(p.name)), p.left, p.top, p.width, p.height,
                          p.inRow, p.active, hoveredCallout == p.name});
    return models;
}

// The demo buttons show what a click does: stop a running demo, start a stopped one.
std::vector<ButtonModel> Viewer::buttons() const {
    const CaptionSet& captions = captionsFor(scene.languageCode);
    const auto button = [&](const char* name, int left, ButtonPicture picture) {
        return ButtonModel{name, std::string(captions.textOf(name)), left, picture,
                           highlightedButton == name};
    };
    return {button("Start_Stop_Image", 88,
                   scene.swingDemoRunning ? ButtonPicture::Stop : ButtonPicture::Start),
            button("Start_Stop_Image_UpDown", 128,
                   scene.levelDemoRunning ? ButtonPicture::StopUpDown : ButtonPicture::StartUpDown),
            button("ZoomIn_Image", 168, ButtonPicture::ZoomIn),
            button("ZoomOut_Image", 208, ButtonPicture::ZoomOut)};
}
