// The scene commands: the current configuration saved under a name, stored scenes recalled,
// scene files imported and exported.
#include "core/Viewer.h"

#include "config/Language.h"
#include "scene/Catalogues.h"
#include "scene/DisplayHeight.h"
#include "scene/IndicatorTypes.h"

#include <algorithm>

namespace {
// Alphabetical without regard to ASCII case; names that differ only in case keep byte order.
bool alphabetical(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    const auto less = [&](char x, char y) {
        return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), less)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), less)) return false;
    return a < b;
}

SceneReading readingOf(const FileRead& file) {
    switch (file.outcome) {
    case ReadOutcome::Complete:
        return parseScene(file.text);
    case ReadOutcome::Truncated:
        return refusedScene(SceneProblem::TooLarge);
    default:
        return refusedScene(SceneProblem::Unreadable);
    }
}

// A file's name without its folder.
std::string_view withoutFolder(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// A file's name without its folder and without ".scene".
std::string stemOf(std::string_view path) {
    std::string_view name = withoutFolder(path);
    if (name.ends_with(".scene")) name.remove_suffix(6);
    return std::string(name);
}

template <typename Rows> int rowNamed(const Rows& rows, const std::string& name) {
    const auto found =
        std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row.name == name; });
    return found == rows.end() ? -1 : int(found - rows.begin());
}

// The level within the range the pointer sets; the level demo, while it runs, goes on from it.
void placeLevel(SceneState& state, float level) {
    const float bore = state.connection.innerDiameter;
    state.level = std::clamp(level, -bore / 2, state.displayHeight + bore / 2);
    state.demoPosition = state.level + bore / 2;
}

int colourRowNamed(const std::string& englishName) {
    const auto found =
        std::find_if(colourTable.begin(), colourTable.end(),
                     [&](const FlapColour& colour) { return colour.englishName == englishName; });
    return found == colourTable.end() ? -1 : int(found - colourTable.begin());
}
} // namespace

// Names that could not be saved under (blanks at their ends, control characters) and a second
// file of a name already listed are left out.
void Viewer::loadScenes() {
    scenes.clear();
    for (StoredScene& stored : platform.storedScenes()) {
        const bool listed =
            std::any_of(scenes.begin(), scenes.end(),
                        [&](const StoredScene& scene) { return scene.name == stored.name; });
        if (!listed && isUsableSceneName(stored.name) &&
            trimmedSceneName(stored.name) == stored.name)
            scenes.push_back(std::move(stored));
    }
    std::sort(scenes.begin(), scenes.end(), [](const StoredScene& a, const StoredScene& b) {
        return alphabetical(a.name, b.name);
    });
}

void Viewer::keepScene(const std::string& name, const std::string& text) {
    std::erase_if(scenes, [&](const StoredScene& scene) { return scene.name == name; });
    const auto place = std::upper_bound(
        scenes.begin(), scenes.end(), name,
        [](const std::string& a, const StoredScene& b) { return alphabetical(a, b.name); });
    scenes.insert(place, {name, {ReadOutcome::Complete, text}});
    currentScene = name;
    changed(MenuEntriesChanged | MenusChanged);
}

void Viewer::sceneMessage(const std::string& headline, const SceneReading& reading) {
    platform.showMessage(MessageKind::Warning, text("scenesTitle"),
                         headline + "\n" +
                             sceneProblemText(reading, captionsFor(scene.languageCode)));
}

std::vector<std::string> Viewer::sceneNames() const {
    std::vector<std::string> names;
    for (const StoredScene& stored : scenes) names.push_back(stored.name);
    return names;
}

SceneReading Viewer::storedScene(const std::string& name) const {
    for (const StoredScene& stored : scenes)
        if (stored.name == name) return readingOf(stored.file);
    return refusedScene(SceneProblem::Unreadable);
}

void Viewer::SaveSceneClick() {
    platform.askSceneName(currentScene, sceneNames());
}

void Viewer::SaveScene(const std::string& name) {
    const std::string trimmed = trimmedSceneName(name);
    if (!isUsableSceneName(trimmed)) {
        platform.showMessage(MessageKind::Warning, text("scenesTitle"),
                             withArguments(text("sceneNameUnusable"), {trimmed}));
        return;
    }
    const std::string file = formatScene(captureScene(scene, trimmed));
    if (!platform.storeScene(trimmed, file)) {
        platform.showMessage(MessageKind::Warning, text("scenesTitle"),
                             withArguments(text("sceneNotSaved"), {trimmed}));
        return;
    }
    keepScene(trimmed, file);
}

void Viewer::ImportSceneClick() {
    platform.askSceneToImport();
}

// The file is kept as it came, comments included, and shown at once.
void Viewer::ImportScene(const std::string& fileName, const FileRead& file) {
    SceneReading reading = readingOf(file);
    if (reading.ok() && reading.scene.name.empty()) {
        reading.scene.name = trimmedSceneName(stemOf(fileName));
        if (!isUsableSceneName(reading.scene.name)) {
            reading.problem = SceneProblem::BadName;
            reading.key = "[scene] name";
            reading.value = reading.scene.name;
        }
    }
    if (!reading.ok()) {
        sceneMessage(withArguments(text("sceneNotImported"), {withoutFolder(fileName)}), reading);
        return;
    }
    const std::string& name = reading.scene.name;
    if (!platform.storeScene(name, file.text)) {
        platform.showMessage(MessageKind::Warning, text("scenesTitle"),
                             withArguments(text("sceneNotSaved"), {name}));
        return;
    }
    keepScene(name, file.text);
    applySceneSettings(reading.scene);
    applySceneView(reading.scene.camera, reading.scene.level);
}

void Viewer::ExportSceneClick() {
    platform.askSceneExport(currentScene.empty() ? text("sceneFileName") : currentScene);
}

std::string Viewer::sceneFileText(const std::string& name) const {
    return formatScene(
        captureScene(scene, isUsableSceneName(name) ? trimmedSceneName(name) : currentScene));
}

bool Viewer::RecallScene(const std::string& name) {
    const SceneReading reading = storedScene(name);
    if (!reading.ok()) {
        sceneMessage(withArguments(text("sceneNotRecalled"), {name}), reading);
        return false;
    }
    currentScene = name; // before the menus are refreshed: the tour's steps follow it
    applySceneSettings(reading.scene);
    applySceneView(reading.scene.camera, reading.scene.level);
    return true;
}

// The type through the options dialog, so that the family's set-up runs and the dialog shows the
// type, its frame and its lists; then the frame's choices, the height and everything else.
void Viewer::applySceneSettings(const Scene& recalled) {
    const float level = scene.level;
    const auto type =
        std::find_if(indicatorTypes.begin(), indicatorTypes.end(),
                     [&](const IndicatorType& t) { return t.code == recalled.typeCode; });
    if (type != indicatorTypes.end())
        optionsModel.ComboBox4Change(int(type - indicatorTypes.begin()));
    if (optionsModel.frame == OptionFrame::Midi) {
        const int row = rowNamed(connectionCatalogue, recalled.connection);
        if (row >= connectionRowFirstMidi)
            optionsModel.MidiConnectionChange(row - connectionRowFirstMidi);
        if (const int entry = rowNamed(midiFloatCatalogue, recalled.floatName); entry >= 0)
            optionsModel.MidiFloatChange(entry);
    } else if (const int entry = rowNamed(standardFloatCatalogue, recalled.floatName); entry >= 0) {
        optionsModel.StandardChange(0, entry);
    }
    ApplyDisplayHeight(scene, recalled.displayHeight);
    optionsModel.displayHeightText = formatDisplayHeight(scene.displayHeight);
    optionsModel.ComboBox1Change(colourRowNamed(recalled.fullColour));
    optionsModel.ComboBox2Change(colourRowNamed(recalled.emptyColour));
    if (recalled.railAluminium)
        optionsModel.RadioButton2Click();
    else
        optionsModel.RadioButton1Click();

    scene.switch1Visible = recalled.switch1;
    scene.switch2Visible = recalled.switch2;
    scene.transmitterVisible = recalled.transmitter;
    scene.scaleVisible = recalled.scale;
    scene.insulationVisible = recalled.insulation;
    scene.springTopVisible = recalled.springTop;
    scene.springBottomVisible = recalled.springBottom;
    scene.tankMode = recalled.tankMode;
    scene.pipeMode = recalled.pipeMode;
    scene.floatMode = recalled.floatMode;
    scene.railMode = recalled.railMode;
    scene.flapMode = recalled.flapMode;
    scene.polygonMode = recalled.polygonMode;
    scene.animationSpeed = recalled.animationSpeed;
    scene.levelDemoRunning = recalled.levelDemoRunning;
    scene.swingDemoRunning = recalled.swingDemoRunning;
    scene.backgroundRed = recalled.backgroundRed;
    scene.backgroundGreen = recalled.backgroundGreen;
    scene.backgroundBlue = recalled.backgroundBlue;
    colourModel.FormShow(); // the colour dialog's sliders follow the background

    // The type and the height set the level to half the height; it stays where it was instead.
    placeLevel(scene, level);
    changed(MenusChanged | CalloutsChanged | ButtonsChanged | OptionsChanged | BackgroundChanged);
    FormPaint();
}

void Viewer::applySceneView(const SceneCamera& camera, float level) {
    scene.cameraRotX = camera.rotX;
    scene.cameraRotY = camera.rotY;
    scene.cameraRotZ = camera.rotZ;
    scene.cameraPanX = camera.panX;
    scene.cameraPanY = camera.panY;
    scene.zoom = camera.zoom;
    placeLevel(scene, level);
    FormPaint();
}
