// Feeds arbitrary texts to the scene reader. Beyond "no crash, no hang, no sanitizer report" it
// checks that a refused text keeps nothing and has a message in both languages, that a scene read
// lies within every limit the dialogs and commands keep and names only catalogue entries, and that
// writing it and reading it again gives exactly the same scene.
#include "app/frame/Demo.h"
#include "core/SceneFile.h"
#include "scene/Catalogues.h"
#include "scene/DisplayHeight.h"
#include "scene/IndicatorTypes.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

bool within(float value, float low, float high) {
    return std::isfinite(value) && value >= low && value <= high;
}

template <typename Rows> bool listed(const Rows& rows, const std::string& name) {
    return std::ranges::any_of(rows, [&](const auto& row) { return row.name == name; });
}

bool isColour(const std::string& name) {
    return std::ranges::any_of(colourTable,
                               [&](const FlapColour& c) { return c.englishName == name; });
}

void checkLimits(const Scene& scene) {
    FUZZ_CHECK(findIndicatorType(scene.typeCode) != nullptr);
    FUZZ_CHECK(listed(connectionCatalogue, scene.connection));
    FUZZ_CHECK(listed(midiFloatCatalogue, scene.floatName) ||
               listed(standardFloatCatalogue, scene.floatName));
    FUZZ_CHECK(isColour(scene.fullColour) && isColour(scene.emptyColour));
    FUZZ_CHECK(within(scene.displayHeight, minimumDisplayHeight, maximumDisplayHeight));
    FUZZ_CHECK(scene.flapMode != DisplayMode::Cut);
    for (const float angle : {scene.camera.rotX, scene.camera.rotY, scene.camera.rotZ})
        FUZZ_CHECK(within(angle, -180, 180) && angle != 180);
    FUZZ_CHECK(within(scene.camera.panX, -10000, 10000) &&
               within(scene.camera.panY, -10000, 10000));
    FUZZ_CHECK(within(scene.camera.zoom, 2, 1000));
    FUZZ_CHECK(within(scene.level, -12, scene.displayHeight + 12)); // half the largest bore
    FUZZ_CHECK(within(scene.animationSpeed, slowestSpeed, fastestSpeed));
    for (const float c : {scene.backgroundRed, scene.backgroundGreen, scene.backgroundBlue})
        FUZZ_CHECK(within(c, 0, 1));
    FUZZ_CHECK(scene.name.empty() || isUsableSceneName(scene.name));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SceneReading reading = parseScene(text);
    if (!reading.ok()) {
        FUZZ_CHECK(reading.scene == Scene{});
        FUZZ_CHECK(!sceneProblemText(reading, englishCaptions()).empty());
        FUZZ_CHECK(!sceneProblemText(reading, germanCaptions()).empty());
        FUZZ_CHECK(reading.value.size() <= 60);
        return 0;
    }
    checkLimits(reading.scene);
    const std::string written = formatScene(reading.scene);
    const SceneReading again = parseScene(written);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.scene == reading.scene);
    FUZZ_CHECK(formatScene(again.scene) == written);
    return 0;
}
