// Saved scenes: the whole configuration a presenter shows (type and model options, accessories,
// display modes, polygon mode, camera, level, demos, background colour) as a small INI text that a
// person can read, edit and send on, and back. Text in, text out: where the texts are kept is the
// shell's business. Reading never trusts the text: anything that is no scene is refused with the
// reason, and values out of range are limited as the dialogs and commands limit them.
#pragma once

#include "config/Language.h"
#include "scene/SceneState.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A scene file is at most this large; a larger file is none.
inline constexpr std::size_t maxSceneFileBytes = 64 * 1024;
// A scene name: 1 to 80 bytes of UTF-8 without control characters and without blanks at its ends.
inline constexpr std::size_t maxSceneNameBytes = 80;

struct SceneCamera {
    float rotX = 0, rotY = 60, rotZ = 0;
    float panX = 0, panY = 30;
    float zoom = 35;
    bool operator==(const SceneCamera&) const = default;
};

// One scene. Every member starts at the value the program shows at its start (the main window's
// accessories included), which is what a key missing from a file gives; only the connection and
// the float then follow the type, as the options dialog sets them up.
struct Scene {
    std::string name;
    std::string typeCode = "R-760";
    std::string connection = "C-201  DN10/PN 25/40"; // catalogue names
    std::string floatName = "F-304/00 Dichte 1,00";
    float displayHeight = 390;
    std::string fullColour = "Red", emptyColour = "White"; // English names of the colour table
    bool railAluminium = true;
    bool switch1 = true, switch2 = true, transmitter = true, scale = true;
    bool insulation = false, springTop = false, springBottom = false;
    DisplayMode tankMode = DisplayMode::Cut, pipeMode = DisplayMode::Cut;
    DisplayMode floatMode = DisplayMode::Cut, railMode = DisplayMode::Cut;
    DisplayMode flapMode = DisplayMode::Whole;
    std::int32_t polygonMode = glFillMode;
    SceneCamera camera;
    float level = 200;
    float animationSpeed = 0.2f;
    bool levelDemoRunning = true, swingDemoRunning = true;
    float backgroundRed = 0.643f, backgroundGreen = 0.745f, backgroundBlue = 1.000f;
    bool operator==(const Scene&) const = default;
};

// Why a text is no scene.
enum class SceneProblem {
    None,
    Unreadable,   // the file could not be read at all
    TooLarge,     // larger than maxSceneFileBytes
    NotText,      // NUL bytes, UTF-16 or no valid UTF-8
    NoScene,      // no "[scene]" section with a "name" key
    UnknownEntry, // a type, catalogue name, colour or keyword the program does not know
    NotForType,   // a connection or float the file's type does not offer
    NotANumber,
    TooLong, // a value longer than any value of its key can be
    BadName, // a name that breaks the rule of scene names
};

struct SceneReading {
    Scene scene;
    SceneProblem problem = SceneProblem::None;
    std::string key;   // where: "[camera] zoom"; empty for the file as a whole
    std::string value; // what stood there, shortened for a message
    bool ok() const { return problem == SceneProblem::None; }
};

Scene captureScene(const SceneState& state, std::string name);
// The camera the state shows.
SceneCamera cameraOf(const SceneState& state);
std::string formatScene(const Scene& scene);
SceneReading parseScene(std::string_view text);
// A reading that failed before the text: the file could not be read or was too large.
SceneReading refusedScene(SceneProblem problem);

// The reason in the captions' language, naming the key and the value where there are some.
std::string sceneProblemText(const SceneReading& reading, const CaptionSet& captions);

// Whether a name may name a scene; `name` as the user gave it, with blanks at its ends.
bool isUsableSceneName(std::string_view name);
std::string trimmedSceneName(std::string_view name);

// `text` with "%1", "%2"... replaced by the arguments in their order.
std::string withArguments(std::string_view text, std::initializer_list<std::string_view> arguments);
