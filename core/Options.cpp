#include "core/Options.h"

#include "config/Language.h"
#include "core/Platform.h"
#include "scene/Catalogues.h"
#include "scene/DisplayHeight.h"
#include "scene/IndicatorTypes.h"

namespace {
constexpr int defaultTypeEntry = 4; // "R-650"
const std::vector<std::string> standardConnectionNames{"DN15", "DN20", "DN25", "DN30", "DN32"};

template <typename Rows> std::vector<std::string> namesOf(const Rows& rows, std::size_t first = 0) {
    std::vector<std::string> names;
    for (std::size_t i = first; i < rows.size(); ++i) names.push_back(rows[i].name);
    return names;
}

bool inRange(int entry, std::size_t size) {
    return entry >= 0 && std::size_t(entry) < size;
}
} // namespace

Options::Options(SceneState& state, std::function<void(unsigned)> changed,
                 std::function<void()> redraw)
    : scene(state), changed(std::move(changed)), redraw(std::move(redraw)) {}

// Every control redraws the main window, whose callouts follow the accessory boxes, and the
// dialog shows the new state.
void Options::done(unsigned changes) {
    changed(changes | OptionsChanged);
    redraw();
}

void Options::FormCreate() {
    colourNames.clear();
    const bool german = isGerman(scene.languageCode);
    for (const FlapColour& colour : colourTable)
        colourNames.push_back(german ? colour.germanName : colour.englishName);
    typeEntry = -1; // no type selected yet, no frame shown
    frame = OptionFrame::None;
    fullColourEntry = scene.fullColourIndex;
    emptyColourEntry = scene.emptyColourIndex;
    displayHeightText = formatDisplayHeight(scene.displayHeight);
    changed(OptionsChanged);
}

std::vector<std::string> Options::typeList() const {
    return {typeCodes.begin(), typeCodes.end()};
}
std::vector<std::string> Options::midiConnectionList() const {
    return namesOf(connectionCatalogue, connectionRowFirstMidi);
}
std::vector<std::string> Options::midiFloatList() const {
    return namesOf(midiFloatCatalogue);
}
std::vector<std::string> Options::standardConnectionList() const {
    return standardConnectionNames;
}
std::vector<std::string> Options::standardFloatList() const {
    return namesOf(standardFloatCatalogue);
}

// Every type selection resets the frame's lists and the connection and float to the family's
// defaults, then runs the display-height change on the field's text.
void Options::ComboBox4Change(int entry) {
    if (!inRange(entry, indicatorTypes.size())) return;
    typeEntry = entry;
    frame = OptionFrame::None;
    displayHeightText = formatDisplayHeight(scene.displayHeight);
    const IndicatorType& type = indicatorTypes[std::size_t(entry)];
    scene.typeCode = std::string(type.code);
    if (type.family == TypeFamily::Midi)
        setUpMidiFamily();
    else
        setUpStandardFamily();
    if (type.connection == ConnectionChoice::NoConnection)
        scene.connection = connectionCatalogue[connectionRowNull];
    if (type.connection == ConnectionChoice::Generic)
        scene.connection = connectionCatalogue[connectionRowDefault];
    Edit6Change(displayHeightText);
    done(0);
}

void Options::applyFamilyDimensions(bool midi) {
    const FamilyDimensions& d = dimensionsOf(midi ? TypeFamily::Midi : TypeFamily::Standard);
    scene.pipeInnerRadius = d.pipeInnerRadius;
    scene.pipeOuterRadius = d.pipeOuterRadius;
    scene.flangeOuterRadius = d.flangeOuterRadius;
    scene.boltCircleRadius = d.boltCircleRadius;
    scene.boltHoleRadiusA = d.boltHoleRadiusA;
    scene.boltHoleRadiusB = d.boltHoleRadiusB;
    scene.flapStartIndex = d.flapStartIndex;
}

// The MIDI frame with its first connection and the family's float, chosen as the user would.
void Options::setUpMidiFamily() {
    applyFamilyDimensions(true);
    frame = OptionFrame::Midi;
    MidiConnectionChange(0);
    MidiFloatChange(dimensionsOf(TypeFamily::Midi).floatEntry);
}

void Options::setUpStandardFamily() {
    applyFamilyDimensions(false);
    const int floatEntry = dimensionsOf(TypeFamily::Standard).floatEntry;
    scene.selectedFloat = standardFloatCatalogue[std::size_t(floatEntry)];
    frame = OptionFrame::Standard;
    // The frame's two lists share one change handler, which applies the float choice.
    StandardChange(0, standardFloatEntry);
    StandardChange(0, floatEntry);
}

// The field's text is not rewritten: while "1000" is typed the model passes through 150.
void Options::Edit6Change(const std::string& text) {
    displayHeightText = text;
    ApplyDisplayHeight(scene, parseDisplayHeight(text));
    done(0);
}

void Options::MidiConnectionChange(int entry) {
    const int row = connectionRowFirstMidi + entry;
    if (entry < 0 || !inRange(row, connectionCatalogue.size())) return;
    midiConnectionEntry = entry;
    scene.connection = connectionCatalogue[std::size_t(row)];
    done(0);
}

void Options::MidiFloatChange(int entry) {
    if (!inRange(entry, midiFloatCatalogue.size())) return;
    midiFloatEntry = entry;
    scene.selectedFloat = midiFloatCatalogue[std::size_t(entry)];
    done(0);
}

// Without a float chosen the float stays as it is; the sizes have no connection records.
void Options::StandardChange(int connectionEntry, int floatEntry) {
    standardConnectionEntry = connectionEntry;
    standardFloatEntry = floatEntry;
    if (inRange(floatEntry, standardFloatCatalogue.size()))
        scene.selectedFloat = standardFloatCatalogue[std::size_t(floatEntry)];
    done(0);
}

// The colour indices stay as they are; the new colour shows at once, also while no demo runs.
void Options::ComboBox1Change(int entry) {
    if (!inRange(entry, colourTable.size())) return;
    fullColourEntry = entry;
    scene.fullColour = colourTable[std::size_t(entry)];
    done(0);
}

void Options::ComboBox2Change(int entry) {
    if (!inRange(entry, colourTable.size())) return;
    emptyColourEntry = entry;
    scene.emptyColour = colourTable[std::size_t(entry)];
    done(0);
}

void Options::RadioButton1Click() {
    scene.railAluminium = false;
    done(0);
}

void Options::RadioButton2Click() {
    scene.railAluminium = true;
    done(0);
}

void Options::switchAccessory(bool& flag, bool on) {
    flag = on;
    done(CalloutsChanged);
}

void Options::CheckBox1Click(bool checked) {
    switchAccessory(scene.scaleVisible, checked);
}
void Options::CheckBox2Click(bool checked) {
    switchAccessory(scene.insulationVisible, checked);
}
void Options::CheckBox3Click(bool checked) {
    switchAccessory(scene.springTopVisible, checked);
}
void Options::CheckBox4Click(bool checked) {
    switchAccessory(scene.springBottomVisible, checked);
}

// The snapshot sets the flags and the rail material, which the boxes and the radio buttons
// show; the menus' check marks follow the restored display modes.
void Options::DefaultEinstellungen() {
    RestoreDefaults(scene);
    changed(MenusChanged | CalloutsChanged);
    ComboBox1Change(scene.fullColourIndex);
    ComboBox2Change(scene.emptyColourIndex);
    ComboBox4Change(defaultTypeEntry);
}

const std::vector<std::string>& electricSwitchList() {
    static const std::vector<std::string> list{"gelb", "weiss", "exia", "exd"};
    return list;
}

const std::vector<std::string>& electricTransmitterList() {
    static const std::vector<std::string> list{"S-101", "S-102", "S-103", "S-104"};
    return list;
}
