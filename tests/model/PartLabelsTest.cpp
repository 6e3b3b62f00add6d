// The part labels against the recording GL: which parts get one, where their leader lines end,
// how they are laid out for every camera and window shape, what they leave of GL, the font's
// German letters, and the command that shows them.
#include "overlay/gl/PartLabels.h"
#include "FakePlatform.h"
#include "RecordingGL.h"
#include "SceneFixture.h"
#include "app/frame/Camera.h"
#include "app/frame/FrameRender.h"
#include "core/Options.h"
#include "geometry/ChamberPipe.h"
#include "geometry/Flaps.h"
#include "geometry/Float.h"
#include "geometry/ProcessConnections.h"
#include "geometry/Rail.h"
#include "geometry/Switches.h"
#include "geometry/Transmitter.h"
#include "overlay/gl/FontLists.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <set>

using gldouble::gl;
using enum LabelledPart;

namespace {

const PartLabelTexts english{
    "Bypass chamber", "Float with magnet",   "Flaps", "Indicator rail", "Limit switches",
    "Transmitter",    "Process connections", "Tank"};
const PartLabelTexts german{
    "Bypasskammer",  "Schwimmer mit Magnet", "Flügeli",           "Anzeigeschiene",
    "Grenzschalter", "Messwertgeber",        "Prozessanschlüsse", "Tank"};

std::set<LabelledPart> partsOf(const std::vector<ShownPart>& parts) {
    std::set<LabelledPart> set;
    for (const ShownPart& part : parts) set.insert(part.part);
    return set;
}

// The anchor in the read-outs' plane, from the recording GL's own matrices as the frame sets
// them: the camera transform, then the part's placement; none outside the projection's depths.
std::optional<PlanePoint> projected(const SceneState& s, const ShownPart& part, Point3 anchor) {
    glMatrixMode(GL_MODELVIEW);
    MatrixScope scope;
    glLoadIdentity();
    glTranslatef(s.cameraPanX, s.cameraPanY, -2000);
    glScalef(s.zoom * 0.02f, s.zoom * 0.02f, s.zoom * 0.02f);
    glRotatef(s.cameraRotX, 1, 0, 0);
    glRotatef(s.cameraRotY, 0, 1, 0);
    glRotatef(s.cameraRotZ, 0, 0, 1);
    applyPose(part.placement);
    const auto e = gldouble::transform(gl().modelview.back(), {anchor.x, anchor.y, anchor.z});
    if (-e.z < 1000 || -e.z > 10000) return std::nullopt;
    return PlanePoint{e.x * 1500 / -e.z, e.y * 1500 / -e.z};
}

// The anchors of a part and a thousand points along its stand-in.
std::vector<Point3> pointsOf(const ShownPart& part) {
    std::vector<Point3> points = part.anchors;
    if (const auto& line = part.standIn)
        for (int i = 0; i <= 1000; ++i) {
            const float t = float(i) / 1000;
            points.push_back({line->a.x + (line->b.x - line->a.x) * t,
                              line->a.y + (line->b.y - line->a.y) * t,
                              line->a.z + (line->b.z - line->a.z) * t});
        }
    return points;
}

void expectNear(PlanePoint a, PlanePoint b, const char* what) {
    EXPECT_NEAR(a.x, b.x, 0.02f) << what;
    EXPECT_NEAR(a.y, b.y, 0.02f) << what;
}

} // namespace

TEST(PartLabels, EveryShownPartHasALabelAndNoHiddenOne) {
    const std::set<LabelledPart> all{Chamber,  Float,       Flaps,       Rail,
                                     Switches, Transmitter, Connections, Tank};
    EXPECT_EQ(partsOf(shownParts(startScene())), all);
    struct Case {
        const char* what;
        std::function<void(SceneState&)> change;
        std::set<LabelledPart> hidden;
    };
    const Case cases[] = {
        {"pipe off",
         [](SceneState& s) { s.pipeMode = DisplayMode::Off; },
         {Chamber, Connections, Tank}},
        {"pipe whole", [](SceneState& s) { s.pipeMode = DisplayMode::Whole; }, {}},
        {"pipe mode 3", [](SceneState& s) { s.pipeMode = DisplayMode(3); }, {Chamber, Connections}},
        {"tank off", [](SceneState& s) { s.tankMode = DisplayMode::Off; }, {Tank}},
        {"float whole", [](SceneState& s) { s.floatMode = DisplayMode::Whole; }, {}},
        {"float off", [](SceneState& s) { s.floatMode = DisplayMode::Off; }, {Float}},
        {"flaps cut", [](SceneState& s) { s.flapMode = DisplayMode::Cut; }, {Flaps}},
        {"rail off", [](SceneState& s) { s.railMode = DisplayMode::Off; }, {Rail}},
        {"no switches",
         [](SceneState& s) { s.switch1Visible = s.switch2Visible = false; },
         {Switches}},
        {"no transmitter", [](SceneState& s) { s.transmitterVisible = false; }, {Transmitter}},
        {"no connection", [](SceneState& s) { s.connection.name = "FNull"; }, {Connections}},
        {"assembly off",
         [](SceneState& s) { s.assembly.mode = DisplayMode::Off; },
         {Chamber, Float, Flaps, Rail, Switches, Transmitter, Connections}},
    };
    for (const Case& c : cases) {
        SceneState s = startScene();
        c.change(s);
        std::set<LabelledPart> expected;
        std::set_difference(all.begin(), all.end(), c.hidden.begin(), c.hidden.end(),
                            std::inserter(expected, expected.end()));
        EXPECT_EQ(partsOf(shownParts(s)), expected) << c.what;
    }
    SceneState s = startScene();
    s.switch2Visible = false;
    const auto parts = shownParts(s);
    const auto switches = std::find_if(parts.begin(), parts.end(),
                                       [](const ShownPart& p) { return p.part == Switches; });
    ASSERT_EQ(switches->anchors.size(), 1u);
    EXPECT_FLOAT_EQ(switches->anchors[0].y, s.switch1.switchPoint) << "the upper switch alone";
}

// Each part drawn on its own: its anchors lie on it, and the box the layout keeps clear holds it.
TEST(PartLabels, AnchorsLieOnTheDrawnPartsAndTheirBoxesHoldThemForEveryType) {
    for (int type = 0; type < 6; ++type) {
        SceneState s = startScene();
        s.insulationVisible = true;
        Options(
            s, [](unsigned) {}, [] {})
            .ComboBox4Change(type);
        s.assembly.pose = s.tank.pose = Pose{};
        const auto drawn = [&](LabelledPart part) {
            gldouble::reset();
            ProcessConnection connection = s.connection;
            const auto& e = s.pipe.elements;
            switch (part) {
            case Chamber: // without its connections
                s.connection.name = "FNull";
                DrawChamberWhole(s, s.pipe);
                s.connection = connection;
                break;
            case Float:
                DrawFloatWhole(s, s.floatBody);
                break;
            case Flaps:
                DrawFlaps(s, s.flaps);
                break;
            case Rail:
                DrawRailWhole(s, s.rail);
                break;
            case Switches:
                DrawUpperSwitch(s, s.switch1, true), DrawLowerSwitch(s, s.switch2, true);
                break;
            case Transmitter:
                DrawTransmitter(s, s.transmitter, true);
                break;
            case Connections:
                DrawUpperNozzle(s, e[ceUpperNozzle], true),
                    DrawLowerNozzle(s, e[ceLowerNozzle], true);
                DrawUpperConnectionFlange(s, e[ceUpperConnectionFlange], true);
                DrawLowerConnectionFlange(s, e[ceLowerConnectionFlange], true);
                break;
            case Tank:
                DrawTank(s, s.tank);
                break;
            }
            return gldouble::allBounds();
        };
        for (const ShownPart& part : shownParts(s)) {
            SCOPED_TRACE(testing::Message() << s.typeCode << " part " << int(part.part));
            const auto b = drawn(part.part);
            const auto inside = [](gldouble::Vec3 p, Point3 low, Point3 high, float slack) {
                return p.x >= low.x - slack && p.y >= low.y - slack && p.z >= low.z - slack &&
                       p.x <= high.x + slack && p.y <= high.y + slack && p.z <= high.z + slack;
            };
            const Point3 low{b.min.x, b.min.y, b.min.z}, high{b.max.x, b.max.y, b.max.z};
            std::vector<Point3> points = part.anchors;
            if (part.standIn) points.insert(points.end(), {part.standIn->a, part.standIn->b});
            for (const Point3& a : points) EXPECT_TRUE(inside({a.x, a.y, a.z}, low, high, 0));
            EXPECT_TRUE(inside(b.min, part.low, part.high, 1) &&
                        inside(b.max, part.low, part.high, 1));
        }
    }
}

TEST(PartLabels, LabelsStayInsideTheViewApartAndClearOfReadoutsAndControlsForEveryCameraAndWindow) {
    std::vector<std::function<void(SceneState&)>> cameras;
    for (float turn = 0; turn <= 90; turn += 15)
        cameras.push_back([turn](SceneState& s) { s.cameraRotY = turn; });
    for (PresetView view : {PresetView::Flaps, PresetView::BottomEnd, PresetView::SideConnection})
        cameras.push_back([view](SceneState& s) { ApplyPresetView(s, view); });
    for (float zoom : {2.0f, 1000.0f}) cameras.push_back([zoom](SceneState& s) { s.zoom = zoom; });
    cameras.push_back([](SceneState& s) { s.cameraRotX = 90, s.cameraPanX = 1000; });
    const std::pair<int, int> windows[] = {{800, 800}, {3200, 900}, {1920, 1080}, {300, 1000}};
    for (const auto& camera : cameras)
        for (const auto& [w, h] : windows)
            for (const PartLabelTexts* texts : {&english, &german}) {
                SceneState s = startScene();
                camera(s);
                SCOPED_TRACE(testing::Message()
                             << w << "x" << h << " turn " << s.cameraRotY << " zoom " << s.zoom);
                const float top = 1500 * std::tan(7.5f * 3.14159265f / 180), right = top * w / h;
                const float readoutsLeft = readoutAnchorX(w, h) - 50;
                // The callouts at the top left and the button row at the bottom left.
                const std::vector<ViewRegion> controls{{0, 0, 0.25f, 0.3f}, {0, 0.9f, 0.3f, 1}};
                const auto labels = layoutPartLabels(s, *texts, w, h, controls);
                // Parts with an anchor or a stand-in well inside the view must have a label,
                // parts with none near it must not.
                std::set<LabelledPart> must, may;
                for (const ShownPart& part : shownParts(s))
                    for (const Point3& point : pointsOf(part))
                        if (const auto p = projected(s, part, point)) {
                            const float inside =
                                std::min(right - std::abs(p->x), top - std::abs(p->y));
                            if (inside > 0.1f) must.insert(part.part);
                            if (inside > -0.1f) may.insert(part.part);
                        }
                std::set<LabelledPart> labelled;
                for (std::size_t i = 0; i < labels.size(); ++i) {
                    const PlacedLabel& a = labels[i];
                    labelled.insert(a.part);
                    EXPECT_GE(a.left, -right);
                    EXPECT_LE(a.left + a.width, right);
                    EXPECT_GE(a.bottom, -top);
                    EXPECT_LE(a.bottom + a.height, top);
                    EXPECT_TRUE(a.left + a.width <= readoutsLeft || a.bottom + a.height <= 55)
                        << "clear of the read-outs";
                    for (const ViewRegion& c : controls)
                        EXPECT_TRUE(a.left >= -right + c.right * 2 * right ||
                                    a.bottom >= top - c.bottom * 2 * top ||
                                    a.bottom + a.height <= top - c.top * 2 * top)
                            << "clear of the controls";
                    for (std::size_t j = 0; j < i; ++j) {
                        const PlacedLabel& b = labels[j];
                        EXPECT_TRUE(a.left >= b.left + b.width || b.left >= a.left + a.width ||
                                    a.bottom >= b.bottom + b.height ||
                                    b.bottom >= a.bottom + a.height)
                            << int(a.part) << " overlaps " << int(b.part);
                    }
                }
                EXPECT_TRUE(
                    std::includes(may.begin(), may.end(), labelled.begin(), labelled.end()));
                EXPECT_TRUE(
                    std::includes(labelled.begin(), labelled.end(), must.begin(), must.end()));
            }
}

TEST(PartLabels, LeaderLinesEndAtTheAnchorsProjectionsAndGLIsLeftAsFound) {
    SceneState s = startScene();
    s.polygonMode = GL_LINE;
    gldouble::reset();
    BuildFontLists(FontImages{});
    glEnable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    DrawPartLabels(s, layoutPartLabels(s, german, 1920, 1080));
    expectGLLeftAsFound();
    EXPECT_TRUE(gl().isEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(gl().polygonMode, GLenum(GL_LINE));
    EXPECT_EQ(gl().flushCount, 1);

    const auto labels = layoutPartLabels(s, german, 1920, 1080);
    const auto parts = shownParts(s);
    ASSERT_EQ(labels.size(), parts.size()) << "the start view shows every part";
    std::string printed, expected;
    std::vector<PlanePoint> lineEnds;
    for (const auto& p : gl().primitives) {
        EXPECT_EQ(p.polygonMode, GLenum(GL_FILL));
        EXPECT_FALSE(p.depthTest);
        EXPECT_FLOAT_EQ(p.vertices.front().position.z, -1500);
        if (p.calledList) printed += char(p.calledList);
        const auto box = gldouble::boundsOf(p.vertices);
        if (p.texture2D) {
            EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const PlacedLabel& l) {
                return box.min.x >= l.left && box.max.x <= l.left + l.width &&
                       box.min.y >= l.bottom && box.max.y <= l.bottom + l.height;
            })) << "a glyph inside its panel";
        }
        if (p.vertices.front().colour[0] == 0.1f) // a line and the square at its end
            for (std::size_t v = 0; v + 8 <= p.vertices.size(); v += 8)
                lineEnds.push_back(
                    {(p.vertices[v + 1].position.x + p.vertices[v + 2].position.x) / 2,
                     (p.vertices[v + 1].position.y + p.vertices[v + 2].position.y) / 2});
    }
    std::size_t line = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        expected += labels[i].text;
        ASSERT_EQ(labels[i].part, parts[i].part);
        for (std::size_t j = 0; j < parts[i].anchors.size(); ++j) {
            expectNear(labels[i].anchors.at(j), *projected(s, parts[i], parts[i].anchors[j]),
                       "anchor");
            expectNear(lineEnds.at(line++), labels[i].anchors[j], "line end");
        }
    }
    EXPECT_EQ(line, lineEnds.size());
    EXPECT_EQ(printed, expected);
    EXPECT_NE(printed.find("Fl\xfcgeli"), std::string::npos);
    EXPECT_NE(printed.find("Prozessanschl\xfcsse"), std::string::npos);
}

TEST(PartLabels, GermanLettersHaveGlyphsAndUtf8BecomesTheFontsCodes) {
    EXPECT_EQ(fontCodes("Flügeli Prozessanschlüsse"), "Fl\xfcgeli Prozessanschl\xfcsse");
    EXPECT_EQ(fontCodes("ÄÖÜßäöü"), "\xc4\xd6\xdc\xdf\xe4\xf6\xfc");
    EXPECT_EQ(fontCodes("1 € \xc3 a\x80"
                        "b"),
              "1 ? ? a?b")
        << "outside Latin-1, not UTF-8";
    const auto ink = [](unsigned char code) {
        std::string rows;
        for (int y = 0; y < glyphSize; ++y)
            for (int x = 0; x < glyphSize; ++x) rows += glyphInk(code, x, y) ? '#' : '.';
        return rows;
    };
    for (const char* pair : {"\xc4"
                             "A",
                             "\xd6"
                             "O",
                             "\xdc"
                             "U",
                             "\xe4"
                             "a",
                             "\xf6"
                             "o",
                             "\xfc"
                             "u",
                             "\xdf"
                             "B"}) {
        EXPECT_NE(ink(pair[0]).find('#'), std::string::npos) << pair[1];
        EXPECT_NE(ink(pair[0]), ink(pair[1])) << pair[1];
    }
}

class PartLabelsCommand : public testing::Test, public CoreFixture {
  protected:
    std::string printedFrame() {
        gldouble::reset();
        BuildFontLists(FontImages{});
        viewer.RenderFrame(1920, 1080);
        std::string printed;
        for (const auto& p : gl().primitives)
            if (p.calledList) printed += char(p.calledList);
        return printed;
    }
};

TEST_F(PartLabelsCommand, LTurnsThemOnAndOffWithARedrawAndTheCheckMark) {
    std::vector<MenuItem> menus = viewer.menuBar();
    const auto& picture = findMenuItem(menus, "Darstellung1")->items;
    EXPECT_EQ(picture.back().name, "PartLabels1") << "after the presenting entries";
    EXPECT_EQ(picture.back().shortcut, "L");
    EXPECT_EQ(picture.back().caption, "Part &labels");
    EXPECT_FALSE(picture.back().checked);
    const std::string plain = printedFrame();
    const std::size_t plainPrimitives = gl().primitives.size();

    const int redraws = viewer.redrawRequests();
    EXPECT_TRUE(viewer.trigger("PartLabels1"));
    EXPECT_TRUE(state.partLabelsShown);
    EXPECT_EQ(viewer.redrawRequests(), redraws + 1);
    EXPECT_TRUE(platform.refreshed & MenusChanged);
    menus = viewer.menuBar();
    EXPECT_TRUE(findMenuItem(menus, "PartLabels1")->checked);
    EXPECT_NE(printedFrame().find("Float with magnet"), std::string::npos);
    viewer.ApplyGermanCaptions();
    EXPECT_NE(printedFrame().find("Schwimmer mit Magnet"), std::string::npos);
    menus = viewer.menuBar();
    EXPECT_EQ(findMenuItem(menus, "PartLabels1")->caption, "Teile&beschriftung");

    viewer.trigger("PartLabels1");
    EXPECT_FALSE(state.partLabelsShown);
    EXPECT_EQ(printedFrame(), plain);
    EXPECT_EQ(gl().primitives.size(), plainPrimitives) << "nothing drawn while they are off";
    EXPECT_EQ(gl().flushCount, 1);
}
