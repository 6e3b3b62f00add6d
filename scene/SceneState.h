// The one program-wide state of the viewer: model options, display modes, view, language,
// animation, background colour, tint flags and the component instances. Plain data, read and
// written directly on the user-interface thread; drawing and event code take it by reference.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Rotation about X, Y, Z in degrees, then translation X, Y, Z. Applied as translate, then
// rotate about X, Y and Z.
struct Pose {
    float rotX = 0, rotY = 0, rotZ = 0;
    float posX = 0, posY = 0, posZ = 0;
};

enum class DisplayMode : std::uint8_t { Off = 0, Cut = 1, Whole = 2 };

// Every drawable component record begins with a placement and a display mode.
struct PlacedPart {
    Pose pose;
    DisplayMode mode = DisplayMode::Whole;
};

struct ProcessConnection {
    std::string name; // "FNull": no connection, "FDefault": a generic one
    float outerDiameter = 0;
    float innerDiameter = 0;
    float nozzleLength = 0;
    float flangeDiameter = 0;
    float boltCircleDiameter = 0;
    float boltHoleDiameter = 0;
    float flangeThickness = 0;
    float faceDiameter = 0;
    float faceHeight = 0;
    std::int32_t boltCount = 0;
};

struct FloatSpec {
    std::string name;
    float length = 0;
    float immersionDepth = 0;
    float innerDiameter = 0;
    float outerDiameter = 0;
    float magnetDiameter = 0;
    float chamberBelow = 0;
    float chamberAbove = 0;
};

struct FlapColour {
    std::string englishName;
    std::string germanName;
    float red = 0, green = 0, blue = 0;
};

// The chamber owns one placement per element, drawn in this order of records.
enum ChamberElement {
    ceBody,
    cePipeFlangeTop,
    cePipeFlangeBottom,
    ceCoverTop,
    ceCoverBottom,
    ceDrainPlug,
    ceBoltsBottom,
    ceBoltsTop,
    cePlugGasket,
    ceGasketTop,
    ceGasketBottom,
    ceUpperNozzle,
    ceLowerNozzle,
    ceUpperConnectionFlange,
    ceLowerConnectionFlange,
    ceDishedCap,
    chamberElementCount
};

struct ChamberPart : PlacedPart {
    std::array<PlacedPart, chamberElementCount> elements;
};

enum RailElement {
    reCarrier,
    reBody,
    reGlass,
    reRearStrip,
    reTopCap,
    reBottomCap,
    reScrewTopLeft,
    reScrewTopRight,
    reScrewBottomLeft,
    reScrewBottomRight,
    railElementCount
};

struct RailPart : PlacedPart {
    std::array<PlacedPart, railElementCount> elements;
};

// One placement per flap position k, from the lowest flap start any type uses up to 1010.
constexpr int lowestFlapIndex = -4;
constexpr int highestFlapIndex = 1010;

struct FlapsPart : PlacedPart {
    std::array<PlacedPart, highestFlapIndex - lowestFlapIndex + 1> flapPlacements;
    PlacedPart& placement(int k) { return flapPlacements[k - lowestFlapIndex]; }
    const PlacedPart& placement(int k) const { return flapPlacements[k - lowestFlapIndex]; }
};

struct SwitchPart : PlacedPart {
    float switchPoint = 0; // where the level trips it; PlaceSwitchPoints keeps it in step
};

struct TankPart : PlacedPart {
    bool drawBolts = false;
};

// The model options block, copied as a whole by the defaults snapshot.
struct ModelOptions {
    std::int32_t flapCount = 44;
    float displayHeight = 390.0f;
    float level = 200.0f;
    float pipeInnerRadius = 14.85f;
    float pipeOuterRadius = 16.85f;
    float flangeOuterRadius = 35.0f;
    float boltCircleRadius = 29.0f;
    float boltHoleRadiusA = 3.5f;
    float boltHoleRadiusB = 3.0f;
    bool switch1Visible = false;
    bool switch2Visible = false;
    bool transmitterVisible = false;
    bool scaleVisible = false;
    bool insulationVisible = false;
    bool springTopVisible = false;
    bool springBottomVisible = false;
    bool railAluminium = true;
    std::int32_t fullColourIndex = 4;   // red
    std::int32_t emptyColourIndex = 15; // white
};

struct DisplayModes {
    DisplayMode tankMode = DisplayMode::Cut;
    DisplayMode pipeMode = DisplayMode::Cut;
    DisplayMode floatMode = DisplayMode::Cut;
    DisplayMode railMode = DisplayMode::Cut;
    DisplayMode flapMode = DisplayMode::Whole;
};

struct ViewBlock {
    float cameraRotX = 0;
    float cameraRotY = 60;
    float cameraRotZ = 0;
    float cameraPanX = 0;
    float cameraPanY = 30;
    float zoom = 35;
    float unusedViewValue = 0; // carried along with the block, never read
};

struct DefaultsSnapshot {
    ModelOptions options;
    DisplayModes modes;
    ViewBlock view;
};

constexpr int glFillMode = 0x1B02; // GL_FILL, kept here so the state needs no GL header

// Inheriting the three blocks keeps every field addressable by its own name (state.level)
// while the snapshot can still copy each block as a whole.
struct SceneState : ModelOptions, DisplayModes, ViewBlock {
    // Type selection
    std::string typeCode = "R-760";
    std::int32_t flapStartIndex = -2;
    std::int32_t polygonMode = glFillMode;

    // Language
    std::string languageCode = "gb";
    std::string versionText = NIVEAU_VERSION; // the build's version

    // Animation
    bool levelDemoRunning = true;
    bool swingDemoRunning = true;
    bool levelRising = true;
    bool swingForward = true;
    float demoPosition = 0.0f;
    float animationSpeed = 0.2f;

    // Rendering
    float backgroundRed = 0.643f;
    float backgroundGreen = 0.745f;
    float backgroundBlue = 1.000f;
    bool smoothEdges = false;       // frames multisampled, so that edges are smooth
    bool smoothEdgesChosen = false; // by the user or kelo.ini; otherwise the renderer decides
    bool partLabelsShown = false;   // short labels with leader lines beside the model

    // Component instances, constructed by BuildAssembly and ConstructTank
    PlacedPart assembly;
    TankPart tank;
    FlapsPart flaps;
    ChamberPart pipe;
    RailPart rail;
    PlacedPart floatBody;
    SwitchPart switch1;
    SwitchPart switch2;
    PlacedPart transmitter;

    // Selected float and process connection
    FloatSpec selectedFloat;
    ProcessConnection connection;

    // Live flap colours, copies of colour-table rows
    FlapColour fullColour;
    FlapColour emptyColour;

    // Tint flags that recolour the shape primitives around gaskets and insulation. They belong to
    // the drawing of one part (set and put back by TintScope), so drawing, which takes the state
    // as it stands, may set them.
    mutable bool greenTint = false;
    mutable bool darkTint = false;

    DefaultsSnapshot defaults;

    ModelOptions& options() { return *this; }
    DisplayModes& modes() { return *this; }
    ViewBlock& view() { return *this; }
};

// The module initialisation that runs before any window exists: defaults snapshot, flap
// colours from the colour table, start entries of connection and selectedFloat, switch points.
void InitialiseSceneState(SceneState& state);

// Copies the defaults snapshot back over the options, display modes and view.
void RestoreDefaults(SceneState& state);

// The switch points after the display height: the upper switch 70 below the upper connection,
// the lower one at 90 whatever the height. Every change of the display height calls it.
void PlaceSwitchPoints(SceneState& state);
