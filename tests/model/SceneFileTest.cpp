// The scene file: every field written and read back exactly, what a missing, unknown or
// hand-typed key gives, the limits the dialogs and commands apply, and every kind of damaged or
// hostile text refused with a message that names where it went wrong.
#include "core/SceneFile.h"
#include "FakePlatform.h"
#include "app/frame/Demo.h"
#include "scene/Catalogues.h"
#include "scene/IndicatorTypes.h"

#include <gtest/gtest.h>

namespace {
constexpr int glLine = 0x1B01;

// A scene in which every field differs from the start values.
Scene everyFieldChanged() {
    Scene s;
    s.name = "\"Fair\" & Grün / Halle 3";
    s.typeCode = "R-640";
    s.connection = "FDefault";
    s.floatName = standardFloatCatalogue[7].name;
    s.displayHeight = 1234.5678f;
    s.fullColour = "Yellow";
    s.emptyColour = "Darkgray";
    s.railAluminium = false;
    s.switch1 = false, s.switch2 = false, s.transmitter = false, s.scale = false;
    s.insulation = true, s.springTop = true, s.springBottom = true;
    s.tankMode = DisplayMode::Off, s.pipeMode = DisplayMode::Whole;
    s.floatMode = DisplayMode::Off, s.railMode = DisplayMode::Whole;
    s.flapMode = DisplayMode::Off;
    s.polygonMode = glLine;
    s.camera = {-12.345678f, 170.25f, 0.1f, -321.125f, 1189, 123.456f};
    s.level = 77.7f;
    s.animationSpeed = 0.2f / 1.5f;
    s.levelDemoRunning = false, s.swingDemoRunning = false;
    s.backgroundRed = 0.1f, s.backgroundGreen = 0.25f, s.backgroundBlue = 0.999f;
    return s;
}

Scene named(const std::string& name) {
    Scene scene;
    scene.name = name;
    return scene;
}

SceneReading read(const std::string& text) {
    return parseScene(text);
}

// A file with the scene section and one more line in a section.
std::string withLine(const std::string& section, const std::string& line) {
    return "[scene]\nname=x\n[" + section + "]\n" + line + "\n";
}
} // namespace

TEST(SceneFile, TheStartValuesAreWhatTheProgramShowsAtItsStart) {
    CoreFixture core;
    EXPECT_EQ(captureScene(core.state, ""), Scene{});
    EXPECT_EQ(read("[scene]\nname=x\n").scene, captureScene(core.state, "x"))
        << "a file with nothing but its name is the start scene";
}

TEST(SceneFile, EveryFieldSurvivesWritingAndReading) {
    const Scene scene = everyFieldChanged();
    const SceneReading back = read(formatScene(scene));
    ASSERT_TRUE(back.ok()) << back.key;
    EXPECT_EQ(back.scene, scene);

    // Every connection and float each type offers, the catalogue's quotes and 'Ø' included.
    for (const IndicatorType& type : indicatorTypes) {
        const bool midi = type.family == TypeFamily::Midi;
        Scene s;
        s.typeCode = std::string(type.code);
        s.connection = midi                                           ? connectionCatalogue[2].name
                       : type.connection == ConnectionChoice::Generic ? "FDefault"
                                                                      : "FNull";
        const auto& floats =
            midi ? std::vector<FloatSpec>(midiFloatCatalogue.begin(), midiFloatCatalogue.end())
                 : std::vector<FloatSpec>(standardFloatCatalogue.begin(),
                                          standardFloatCatalogue.end());
        for (std::size_t c = midi ? 2 : 0; c < (midi ? connectionCatalogue.size() : 1); ++c) {
            if (midi) s.connection = connectionCatalogue[c].name;
            for (const FloatSpec& f : floats) {
                s.floatName = f.name;
                const SceneReading again = read(formatScene(s));
                EXPECT_TRUE(again.ok() && again.scene == s) << s.typeCode << s.connection << f.name;
            }
        }
    }
}

TEST(SceneFile, TheTextIsReadableAndSaysWhatItIs) {
    const std::string text = formatScene(named("Start"));
    EXPECT_TRUE(text.starts_with("; niveau scene:"));
    for (const char* line :
         {"[scene]\nname=\"Start\"\n", "[model]\ntype=R-760\nconnection=C-201  DN10/PN 25/40\n",
          "displayheight=390\n", "fullcolour=Red\nemptycolour=White\nrail=aluminium\n",
          "[accessories]\nswitch1=on\n", "insulation=off\n", "flaps=whole\npolygon=fill\n",
          "[camera]\nrotx=0\nroty=60\n", "zoom=35\n", "[demo]\nlevel=200\nspeed=0.2\n",
          "[background]\nred=0.643\ngreen=0.745\nblue=1\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(SceneFile, MissingKeysFollowTheTypeAndUnknownOnesAreIgnored) {
    const SceneReading standard = read("[scene]\nname=x\n[model]\ntype=R-530\n");
    ASSERT_TRUE(standard.ok());
    EXPECT_EQ(standard.scene.connection, "FNull") << "the connection the type selection sets";
    EXPECT_EQ(standard.scene.floatName, standardFloatCatalogue[4].name);

    const SceneReading future = read("; from a later version\n[scene]\nname=x\nformat=7\n"
                                     "[model]\nhologram=on\n[lighting]\nsun=bright\n");
    ASSERT_TRUE(future.ok());
    EXPECT_EQ(future.scene, named("x"));
}

TEST(SceneFile, HandTypedNamesAndKeywordsAreFoundWhateverTheirCaseAndBlanks) {
    const SceneReading typed =
        read("[SCENE]\nName = Fair \n[model]\ntype=r-410\nconnection=c-206 ansi 1\" 150rf\n"
             "float=f-301/00  dichte 0,60\nfullcolour=gelb\nemptycolour=LIGHTBLUE\nrail=Plastic\n"
             "[display]\nflaps=OFF\n[accessories]\nscale=Off\n");
    ASSERT_TRUE(typed.ok()) << typed.key;
    EXPECT_EQ(typed.scene.name, "Fair");
    EXPECT_EQ(typed.scene.typeCode, "R-410");
    EXPECT_EQ(typed.scene.connection, connectionCatalogue[8].name) << "the catalogue's spelling";
    EXPECT_EQ(typed.scene.floatName, midiFloatCatalogue[0].name);
    EXPECT_EQ(typed.scene.fullColour, "Yellow") << "German colour names are read too";
    EXPECT_EQ(typed.scene.emptyColour, "Lightblue");
    EXPECT_FALSE(typed.scene.railAluminium);
    EXPECT_EQ(typed.scene.flapMode, DisplayMode::Off);
    EXPECT_FALSE(typed.scene.scale);
}

TEST(SceneFile, ValuesOutOfRangeAreLimitedAsTheDialogsAndCommandsLimitThem) {
    const auto value = [](const std::string& section, const std::string& line) {
        const SceneReading r = read(withLine(section, line));
        EXPECT_TRUE(r.ok()) << line;
        return r.scene;
    };
    EXPECT_FLOAT_EQ(value("model", "displayheight=10").displayHeight, 150);
    EXPECT_FLOAT_EQ(value("model", "displayheight=99999.5").displayHeight, 5000);
    EXPECT_FLOAT_EQ(value("camera", "zoom=0.5").camera.zoom, 2);
    EXPECT_FLOAT_EQ(value("camera", "zoom=" + std::string(60, '9')).camera.zoom, 1000);
    EXPECT_FLOAT_EQ(value("camera", "rotx=190").camera.rotX, -170);
    EXPECT_FLOAT_EQ(value("camera", "roty=180").camera.rotY, -180) << "as a step onto 180 wraps";
    EXPECT_FLOAT_EQ(value("camera", "rotz=-900.5").camera.rotZ, 179.5f);
    EXPECT_FLOAT_EQ(value("camera", "panx=-1000000").camera.panX, -10000);
    EXPECT_FLOAT_EQ(value("demo", "speed=100").animationSpeed, fastestSpeed);
    EXPECT_FLOAT_EQ(value("demo", "speed=0").animationSpeed, slowestSpeed);
    EXPECT_FLOAT_EQ(value("background", "red=-1").backgroundRed, 0);
    EXPECT_FLOAT_EQ(value("background", "blue=+2").backgroundBlue, 1);
    EXPECT_EQ(value("display", "flaps=cut").flapMode, DisplayMode::Whole)
        << "the flaps' menu has no cut-away entry";
    // The level within the pointer's range: the bore of C-201 is 14.
    EXPECT_FLOAT_EQ(value("demo", "level=-100").level, -7);
    EXPECT_FLOAT_EQ(
        read("[scene]\nname=x\n[model]\ndisplayheight=500\n[demo]\nlevel=9999\n").scene.level, 507);
    EXPECT_FLOAT_EQ(read("[scene]\nname=x\n[model]\ntype=R-520\n[demo]\nlevel=-9\n").scene.level, 0)
        << "without a connection there is no bore";
}

TEST(SceneFile, DamagedAndHostileTextsAreRefusedNamingWhere) {
    struct Case {
        std::string text;
        SceneProblem problem;
        std::string key, value;
    };
    const std::string big = "[scene]\nname=x\n;" + std::string(maxSceneFileBytes, 'x') + "\n";
    const Case cases[] = {
        {"", SceneProblem::NoScene, "[scene] name", ""},
        {"[optionen]\nlanguage=deutsch\n", SceneProblem::NoScene, "[scene] name", ""},
        {"[scene]\n", SceneProblem::NoScene, "[scene] name", ""},
        {std::string("[scene]\nname=x\0\x01\x02", 17), SceneProblem::NotText, "", ""},
        {"\xFF\xFE[\0s\0", SceneProblem::NotText, "", ""},
        {"[scene]\nname=\xC3\x28\n", SceneProblem::NotText, "", ""},
        {"[scene]\nname=\xED\xA0\x80\n", SceneProblem::NotText, "", ""}, // a surrogate
        {big, SceneProblem::TooLarge, "", ""},
        {withLine("model", "type=R-999"), SceneProblem::UnknownEntry, "[model] type", "R-999"},
        {withLine("model", "connection=DN99"), SceneProblem::UnknownEntry, "[model] connection",
         "DN99"},
        {withLine("model", "type=R-520\nconnection=C-201  DN10/PN 25/40"), SceneProblem::NotForType,
         "[model] connection", "C-201  DN10/PN 25/40"},
        {withLine("model", "float=F-306/00 Dichte 0,60"), SceneProblem::NotForType, "[model] float",
         "F-306/00 Dichte 0,60"},
        {withLine("model", "fullcolour=Mauve"), SceneProblem::UnknownEntry, "[model] fullcolour",
         "Mauve"},
        {withLine("model", "rail=wood"), SceneProblem::UnknownEntry, "[model] rail", "wood"},
        {withLine("display", "tank=half"), SceneProblem::UnknownEntry, "[display] tank", "half"},
        {withLine("display", "polygon=wire"), SceneProblem::UnknownEntry, "[display] polygon",
         "wire"},
        {withLine("accessories", "switch1=yes"), SceneProblem::UnknownEntry,
         "[accessories] switch1", "yes"},
        {withLine("camera", "zoom=abc"), SceneProblem::NotANumber, "[camera] zoom", "abc"},
        {withLine("camera", "zoom=1e3"), SceneProblem::NotANumber, "[camera] zoom", "1e3"},
        {withLine("model", "displayheight=390 mm"), SceneProblem::NotANumber,
         "[model] displayheight", "390 mm"},
        {withLine("demo", "level=nan"), SceneProblem::NotANumber, "[demo] level", "nan"},
        {withLine("background", "red=0,5"), SceneProblem::NotANumber, "[background] red", "0,5"},
        {withLine("model", "connection=" + std::string(300, 'C')), SceneProblem::TooLong,
         "[model] connection", std::string(60, 'C')},
        {"[scene]\nname=a\x01z\n", SceneProblem::BadName, "[scene] name", "a?z"},
        {"[scene]\nname=" + std::string(81, 'n') + "\n", SceneProblem::BadName, "[scene] name",
         std::string(60, 'n')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 80));
        const SceneReading r = read(c.text);
        EXPECT_EQ(r.problem, c.problem);
        EXPECT_EQ(r.key, c.key);
        EXPECT_EQ(r.value, c.value);
        EXPECT_EQ(r.scene, Scene{}) << "nothing of a refused file is kept";
    }
}

TEST(SceneFile, TheMessageNamesKeyAndValueInTheLanguage) {
    const SceneReading r = read(withLine("camera", "zoom=abc"));
    EXPECT_EQ(sceneProblemText(r, englishCaptions()), "[camera] zoom: \"abc\" is not a number.");
    EXPECT_EQ(sceneProblemText(r, germanCaptions()), "[camera] zoom: \"abc\" ist keine Zahl.");
    EXPECT_EQ(sceneProblemText(refusedScene(SceneProblem::TooLarge), englishCaptions()),
              "The file is larger than a scene can be (64 KB).");
    // A cut value never ends inside a character.
    const SceneReading umlauts =
        read(withLine("model", "type=" + std::string(30, 'x') + "ü" + std::string(40, 'y')));
    EXPECT_EQ(umlauts.value, std::string(30, 'x') + "ü" + std::string(28, 'y'));
    const SceneReading cut = read(withLine("model", "type=" + std::string(59, 'x') + "ü"));
    EXPECT_EQ(cut.value, std::string(59, 'x'));
}

TEST(SceneFile, SceneNamesAndMessageArguments) {
    EXPECT_TRUE(isUsableSceneName(" Messe Hannover 2025 "));
    EXPECT_TRUE(isUsableSceneName("Grün/../..")) << "the store keeps any name inside its folder";
    EXPECT_TRUE(isUsableSceneName(std::string(80, 'n')));
    EXPECT_FALSE(isUsableSceneName(std::string(81, 'n')));
    EXPECT_FALSE(isUsableSceneName("   "));
    EXPECT_FALSE(isUsableSceneName("tab\tinside"));
    EXPECT_FALSE(isUsableSceneName("\xC3"));
    EXPECT_EQ(trimmedSceneName("\t Fair  "), "Fair");
    EXPECT_EQ(withArguments("%2 before %1, 100%, %3", {"one", "two"}), "two before one, 100%, %3");
}
