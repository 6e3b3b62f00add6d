#include "core/SceneFile.h"

#include "app/frame/Camera.h"
#include "app/frame/Demo.h"
#include "config/ini/IniFile.h"
#include "scene/Catalogues.h"
#include "scene/DisplayHeight.h"
#include "scene/IndicatorTypes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <span>

namespace {
constexpr int glLine = 0x1B01, glPoint = 0x1B00; // GL_LINE and GL_POINT beside glFillMode

// No value a scene writes comes near this; a longer one is no value of ours.
constexpr std::size_t maxValueBytes = 200;
// A value quoted in a message is cut to this.
constexpr std::size_t quotedValueBytes = 60;
// Pans within a range that keeps the model near enough to be found again.
constexpr float largestPan = 10000;

struct Keyword {
    std::string_view word;
    int value;
};
constexpr Keyword onOff[] = {{"on", 1}, {"off", 0}};
constexpr Keyword railWords[] = {{"aluminium", 1}, {"plastic", 0}};
constexpr Keyword modeWords[] = {{"off", 0}, {"cut", 1}, {"whole", 2}};
constexpr Keyword polygonWords[] = {{"fill", glFillMode}, {"line", glLine}, {"point", glPoint}};

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Names compare without regard to ASCII case, and a run of blanks matches any other run, so
// that "c-201 dn10/pn 25/40" typed by hand finds "C-201  DN10/PN 25/40".
std::string folded(std::string_view text) {
    std::string result;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            if (!result.empty() && result.back() != ' ') result += ' ';
        } else {
            result += asciiLower(c);
        }
    }
    if (!result.empty() && result.back() == ' ') result.pop_back();
    return result;
}

bool sameEntry(std::string_view a, std::string_view b) {
    return folded(a) == folded(b);
}

// The length of the UTF-8 sequence a byte starts and the range its second byte must lie in;
// length 0 for a byte that starts none. Overlong forms, surrogates and code points beyond
// U+10FFFF are excluded by the ranges.
struct Utf8Lead {
    std::size_t length;
    unsigned char low, high;
};
Utf8Lead utf8Lead(unsigned char c) {
    if (c < 0x80) return {1, 0, 0};
    if (c >= 0xC2 && c <= 0xDF) return {2, 0x80, 0xBF};
    if (c == 0xE0) return {3, 0xA0, 0xBF};
    if (c == 0xED) return {3, 0x80, 0x9F};
    if (c >= 0xE1 && c <= 0xEF) return {3, 0x80, 0xBF};
    if (c == 0xF0) return {4, 0x90, 0xBF};
    if (c >= 0xF1 && c <= 0xF3) return {4, 0x80, 0xBF};
    if (c == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Lead lead = utf8Lead(static_cast<unsigned char>(text[i]));
        if (lead.length == 0 || i + lead.length > text.size()) return false;
        for (std::size_t k = 1; k < lead.length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            const unsigned char low = k == 1 ? lead.low : 0x80, high = k == 1 ? lead.high : 0xBF;
            if (next < low || next > high) return false;
        }
        i += lead.length;
    }
    return true;
}

bool isControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// At most `limit` bytes, cut before a UTF-8 sequence that would not fit, control characters as
// '?', so that a hostile value cannot garble a message.
std::string shortened(std::string_view text, std::size_t limit) {
    if (text.size() > limit) {
        std::size_t end = limit;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
        text = text.substr(0, end);
    }
    std::string result(text);
    std::replace_if(result.begin(), result.end(), isControl, '?');
    return result;
}

// The shortest fixed-point text that reads back as the same float: "60", "0.2", "60.033333".
std::string formatNumber(float value) {
    char digits[64]; // the largest float in fixed notation has 39 digits
    const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    return std::string(digits, end.ptr);
}

// What formatNumber writes and a person types: an optional sign, digits with an optional
// fraction after '.', nothing else.
bool isDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool anyDigit = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) anyDigit = true;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) anyDigit = true;
    return anyDigit && i == text.size();
}

template <typename Rows> int rowNamed(const Rows& rows, std::string_view name) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (sameEntry(rows[i].name, name)) return int(i);
    return -1;
}

// The float of that name in the MIDI or the Standard family's catalogue; null when it has none.
const FloatSpec* floatNamed(bool midi, std::string_view name) {
    const auto find = [&](const auto& rows) -> const FloatSpec* {
        const int row = rowNamed(rows, name);
        return row < 0 ? nullptr : &rows[std::size_t(row)];
    };
    return midi ? find(midiFloatCatalogue) : find(standardFloatCatalogue);
}

int colourRowNamed(std::string_view name) {
    for (std::size_t i = 0; i < colourTable.size(); ++i)
        if (sameEntry(colourTable[i].englishName, name) ||
            sameEntry(colourTable[i].germanName, name))
            return int(i);
    return -1;
}

const char* wordOf(std::span<const Keyword> words, int value) {
    for (const Keyword& k : words)
        if (k.value == value) return k.word.data();
    return words.front().word.data();
}

// The keys of one file, each read once; the first problem ends the reading.
class SceneReader {
  public:
    SceneReader(std::string_view text, SceneReading& reading)
        : file(std::string(text)), out(reading) {}

    // The value of a key; false, leaving `value` as it was, when the key is missing (or reading
    // has already failed).
    bool text(const char* section, const char* key, std::string& value,
              std::size_t limit = maxValueBytes) {
        if (!out.ok()) return false;
        std::string found = file.value(section, key, missing);
        if (found == missing) return false;
        if (found.size() > limit) return fail(SceneProblem::TooLong, section, key, found);
        value = std::move(found);
        return true;
    }
    void number(const char* section, const char* key, float& result) {
        std::string value;
        if (!text(section, key, value)) return;
        if (!isDecimalNumber(value)) {
            fail(SceneProblem::NotANumber, section, key, value);
            return;
        }
        // The options dialog's reader of decimal numbers, independent of the locale; numbers
        // too large for a float are limited to the largest one, so that every limit can apply.
        constexpr double largest = std::numeric_limits<float>::max();
        result = float(std::clamp(parseDisplayHeight(value), -largest, largest));
    }
    template <typename T>
    void keyword(const char* section, const char* key, std::span<const Keyword> words, T& result) {
        std::string value;
        if (!text(section, key, value)) return;
        for (const Keyword& k : words)
            if (sameEntry(k.word, value)) {
                result = T(k.value);
                return;
            }
        fail(SceneProblem::UnknownEntry, section, key, value);
    }
    void flag(const char* section, const char* key, bool& result) {
        keyword(section, key, onOff, result);
    }
    bool fail(SceneProblem problem, const char* section, const char* key, std::string_view value) {
        if (out.ok()) {
            out.problem = problem;
            out.key = std::string("[") + section + "] " + key;
            out.value = shortened(value, quotedValueBytes);
        }
        return false;
    }

  private:
    static constexpr const char* missing = "\n"; // no value can hold a line break
    IniFile file;
    SceneReading& out;
};

void readModel(SceneReader& read, Scene& scene) {
    std::string type;
    const IndicatorType* chosen = &indicatorTypes.back(); // "R-760", the start type
    if (read.text("model", "type", type)) {
        const auto found =
            std::find_if(indicatorTypes.begin(), indicatorTypes.end(),
                         [&](const IndicatorType& t) { return sameEntry(t.code, type); });
        if (found == indicatorTypes.end()) {
            read.fail(SceneProblem::UnknownEntry, "model", "type", type);
            return;
        }
        chosen = &*found;
    }
    scene.typeCode = std::string(chosen->code);
    const bool midi = chosen->family == TypeFamily::Midi;

    // The connections and floats the type's frame offers, and the ones a type selection sets.
    const int firstConnection = midi ? connectionRowFirstMidi
                                : chosen->connection == ConnectionChoice::NoConnection
                                    ? connectionRowNull
                                    : connectionRowDefault;
    const int lastConnection = midi ? int(connectionCatalogue.size()) - 1 : firstConnection;
    std::string connection = connectionCatalogue[std::size_t(firstConnection)].name;
    if (read.text("model", "connection", connection)) {
        const int row = rowNamed(connectionCatalogue, connection);
        if (row < 0)
            read.fail(SceneProblem::UnknownEntry, "model", "connection", connection);
        else if (row < firstConnection || row > lastConnection)
            read.fail(SceneProblem::NotForType, "model", "connection", connection);
        else
            connection = connectionCatalogue[std::size_t(row)].name;
    }
    scene.connection = connection;

    const int floatEntry = dimensionsOf(chosen->family).floatEntry;
    std::string floatName = midi ? midiFloatCatalogue[std::size_t(floatEntry)].name
                                 : standardFloatCatalogue[std::size_t(floatEntry)].name;
    if (read.text("model", "float", floatName)) {
        if (const FloatSpec* own = floatNamed(midi, floatName))
            floatName = own->name;
        else
            read.fail(floatNamed(!midi, floatName) ? SceneProblem::NotForType
                                                   : SceneProblem::UnknownEntry,
                      "model", "float", floatName);
    }
    scene.floatName = floatName;

    read.number("model", "displayheight", scene.displayHeight);
    for (const auto& [key, colour] : {std::pair{"fullcolour", &scene.fullColour},
                                      std::pair{"emptycolour", &scene.emptyColour}}) {
        std::string name;
        if (!read.text("model", key, name)) continue;
        const int row = colourRowNamed(name);
        if (row < 0)
            read.fail(SceneProblem::UnknownEntry, "model", key, name);
        else
            *colour = colourTable[std::size_t(row)].englishName;
    }
    read.keyword("model", "rail", railWords, scene.railAluminium);
}

void readScene(SceneReader& read, Scene& scene) {
    std::string name;
    if (!read.text("scene", "name", name, 4 * maxSceneNameBytes)) {
        read.fail(SceneProblem::NoScene, "scene", "name", "");
        return;
    }
    // An empty name leaves the naming to the caller (an imported file's name).
    if (!name.empty() && !isUsableSceneName(name))
        read.fail(SceneProblem::BadName, "scene", "name", name);
    scene.name = trimmedSceneName(name);

    readModel(read, scene);
    read.flag("accessories", "switch1", scene.switch1);
    read.flag("accessories", "switch2", scene.switch2);
    read.flag("accessories", "transmitter", scene.transmitter);
    read.flag("accessories", "scale", scene.scale);
    read.flag("accessories", "insulation", scene.insulation);
    read.flag("accessories", "springtop", scene.springTop);
    read.flag("accessories", "springbottom", scene.springBottom);

    read.keyword("display", "tank", modeWords, scene.tankMode);
    read.keyword("display", "pipe", modeWords, scene.pipeMode);
    read.keyword("display", "float", modeWords, scene.floatMode);
    read.keyword("display", "rail", modeWords, scene.railMode);
    read.keyword("display", "flaps", modeWords, scene.flapMode);
    read.keyword("display", "polygon", polygonWords, scene.polygonMode);

    SceneCamera& camera = scene.camera;
    read.number("camera", "rotx", camera.rotX);
    read.number("camera", "roty", camera.rotY);
    read.number("camera", "rotz", camera.rotZ);
    read.number("camera", "panx", camera.panX);
    read.number("camera", "pany", camera.panY);
    read.number("camera", "zoom", camera.zoom);

    read.number("demo", "level", scene.level);
    read.number("demo", "speed", scene.animationSpeed);
    read.flag("demo", "leveldemo", scene.levelDemoRunning);
    read.flag("demo", "swingdemo", scene.swingDemoRunning);

    read.number("background", "red", scene.backgroundRed);
    read.number("background", "green", scene.backgroundGreen);
    read.number("background", "blue", scene.backgroundBlue);
}

// Values as the dialogs and commands limit them.
void limit(Scene& scene) {
    scene.displayHeight =
        std::clamp(scene.displayHeight, minimumDisplayHeight, maximumDisplayHeight);
    // The flaps' menu has no cut-away entry; a cut-away flap column would not be drawn at all.
    if (scene.flapMode == DisplayMode::Cut) scene.flapMode = DisplayMode::Whole;
    SceneCamera& camera = scene.camera;
    for (float* angle : {&camera.rotX, &camera.rotY, &camera.rotZ}) *angle = WrappedAngle(*angle);
    camera.panX = std::clamp(camera.panX, -largestPan, largestPan);
    camera.panY = std::clamp(camera.panY, -largestPan, largestPan);
    camera.zoom = std::clamp(camera.zoom, smallestZoom, largestZoom);
    // The range the pointer sets: the connections' centres, widened by half the bore.
    const int row = rowNamed(connectionCatalogue, scene.connection);
    const float bore = row < 0 ? 0 : connectionCatalogue[std::size_t(row)].innerDiameter;
    scene.level = std::clamp(scene.level, -bore / 2, scene.displayHeight + bore / 2);
    scene.animationSpeed = std::clamp(scene.animationSpeed, slowestSpeed, fastestSpeed);
    for (float* c : {&scene.backgroundRed, &scene.backgroundGreen, &scene.backgroundBlue})
        *c = std::clamp(*c, 0.0f, 1.0f);
}

// The whole text first: its size, then whether it is text at all.
SceneProblem problemOfText(std::string_view text) {
    if (text.size() > maxSceneFileBytes) return SceneProblem::TooLarge;
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) return SceneProblem::NotText;
    if (text.find('\0') != std::string_view::npos || !isValidUtf8(text))
        return SceneProblem::NotText;
    return SceneProblem::None;
}

std::string line(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + std::string(value) + "\n";
}
} // namespace

SceneCamera cameraOf(const SceneState& state) {
    return {state.cameraRotX, state.cameraRotY, state.cameraRotZ,
            state.cameraPanX, state.cameraPanY, state.zoom};
}

Scene captureScene(const SceneState& state, std::string name) {
    Scene scene;
    scene.name = std::move(name);
    scene.typeCode = state.typeCode;
    scene.connection = state.connection.name;
    scene.floatName = state.selectedFloat.name;
    scene.displayHeight = state.displayHeight;
    scene.fullColour = state.fullColour.englishName;
    scene.emptyColour = state.emptyColour.englishName;
    scene.railAluminium = state.railAluminium;
    scene.switch1 = state.switch1Visible;
    scene.switch2 = state.switch2Visible;
    scene.transmitter = state.transmitterVisible;
    scene.scale = state.scaleVisible;
    scene.insulation = state.insulationVisible;
    scene.springTop = state.springTopVisible;
    scene.springBottom = state.springBottomVisible;
    scene.tankMode = state.tankMode;
    scene.pipeMode = state.pipeMode;
    scene.floatMode = state.floatMode;
    scene.railMode = state.railMode;
    scene.flapMode = state.flapMode;
    scene.polygonMode = state.polygonMode;
    scene.camera = cameraOf(state);
    scene.level = state.level;
    scene.animationSpeed = state.animationSpeed;
    scene.levelDemoRunning = state.levelDemoRunning;
    scene.swingDemoRunning = state.swingDemoRunning;
    scene.backgroundRed = state.backgroundRed;
    scene.backgroundGreen = state.backgroundGreen;
    scene.backgroundBlue = state.backgroundBlue;
    return scene;
}

// The name is quoted, so that quotes and blanks at its ends survive the reading.
std::string formatScene(const Scene& scene) {
    const auto mode = [](DisplayMode m) { return wordOf(modeWords, int(m)); };
    const auto flag = [](bool on) { return on ? "on" : "off"; };
    const SceneCamera& camera = scene.camera;
    return "; niveau scene: one saved configuration of the level indicator model.\n"
           "; Keys that are missing take the program's start values; unknown keys are ignored.\n"
           "[scene]\n" +
           line("name", "\"" + scene.name + "\"") + "\n[model]\n" + line("type", scene.typeCode) +
           line("connection", scene.connection) + line("float", scene.floatName) +
           line("displayheight", formatNumber(scene.displayHeight)) +
           line("fullcolour", scene.fullColour) + line("emptycolour", scene.emptyColour) +
           line("rail", wordOf(railWords, scene.railAluminium)) + "\n[accessories]\n" +
           line("switch1", flag(scene.switch1)) + line("switch2", flag(scene.switch2)) +
           line("transmitter", flag(scene.transmitter)) + line("scale", flag(scene.scale)) +
           line("insulation", flag(scene.insulation)) + line("springtop", flag(scene.springTop)) +
           line("springbottom", flag(scene.springBottom)) + "\n[display]\n" +
           line("tank", mode(scene.tankMode)) + line("pipe", mode(scene.pipeMode)) +
           line("float", mode(scene.floatMode)) + line("rail", mode(scene.railMode)) +
           line("flaps", mode(scene.flapMode)) +
           line("polygon", wordOf(polygonWords, scene.polygonMode)) + "\n[camera]\n" +
           line("rotx", formatNumber(camera.rotX)) + line("roty", formatNumber(camera.rotY)) +
           line("rotz", formatNumber(camera.rotZ)) + line("panx", formatNumber(camera.panX)) +
           line("pany", formatNumber(camera.panY)) + line("zoom", formatNumber(camera.zoom)) +
           "\n[demo]\n" + line("level", formatNumber(scene.level)) +
           line("speed", formatNumber(scene.animationSpeed)) +
           line("leveldemo", flag(scene.levelDemoRunning)) +
           line("swingdemo", flag(scene.swingDemoRunning)) + "\n[background]\n" +
           line("red", formatNumber(scene.backgroundRed)) +
           line("green", formatNumber(scene.backgroundGreen)) +
           line("blue", formatNumber(scene.backgroundBlue));
}

SceneReading parseScene(std::string_view text) {
    SceneReading reading;
    reading.problem = problemOfText(text);
    if (!reading.ok()) return reading;
    SceneReader read(text, reading);
    readScene(read, reading.scene);
    if (reading.ok())
        limit(reading.scene);
    else
        reading.scene = Scene{};
    return reading;
}

SceneReading refusedScene(SceneProblem problem) {
    SceneReading reading;
    reading.problem = problem;
    return reading;
}

std::string sceneProblemText(const SceneReading& reading, const CaptionSet& captions) {
    static constexpr std::pair<SceneProblem, const char*> keys[] = {
        {SceneProblem::Unreadable, "sceneUnreadable"},
        {SceneProblem::TooLarge, "sceneTooLarge"},
        {SceneProblem::NotText, "sceneNotText"},
        {SceneProblem::NoScene, "sceneNoScene"},
        {SceneProblem::UnknownEntry, "sceneUnknown"},
        {SceneProblem::NotForType, "sceneNotForType"},
        {SceneProblem::NotANumber, "sceneNotANumber"},
        {SceneProblem::TooLong, "sceneTooLong"},
        {SceneProblem::BadName, "sceneBadName"}};
    for (const auto& [problem, key] : keys)
        if (problem == reading.problem)
            return withArguments(captions.textOf(key), {reading.key, reading.value});
    return {};
}

bool isUsableSceneName(std::string_view name) {
    const std::string trimmed = trimmedSceneName(name);
    return !trimmed.empty() && trimmed.size() <= maxSceneNameBytes && isValidUtf8(trimmed) &&
           std::none_of(trimmed.begin(), trimmed.end(), isControl);
}

std::string trimmedSceneName(std::string_view name) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!name.empty() && blank(name.front())) name.remove_prefix(1);
    while (!name.empty() && blank(name.back())) name.remove_suffix(1);
    return std::string(name);
}

std::string withArguments(std::string_view text,
                          std::initializer_list<std::string_view> arguments) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n =
            i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : arguments.size();
        if (text[i] == '%' && n < arguments.size()) {
            result += arguments.begin()[n];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}
