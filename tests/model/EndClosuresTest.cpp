#include "geometry/EndClosures.h"
#include "RecordingGL.h"
#include "SceneFixture.h"
#include "scene/Catalogues.h"
#include "scene/SceneState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using gldouble::gl;

constexpr float eps = 1e-4f;

// Start state with the larger pipe family and a bolted flange type.
SceneState largePipeState() {
    SceneState s = startState();
    s.typeCode = "R-650";
    s.pipeInnerRadius = 25.0f;
    s.pipeOuterRadius = 26.5f;
    s.flangeOuterRadius = 45;
    s.boltCircleRadius = 39;
    s.selectedFloat = standardFloatCatalogue[0];
    return s;
}

float topOf(const SceneState& s) {
    return s.displayHeight + s.selectedFloat.chamberAbove;
}
float bottomOf(const SceneState& s) {
    return -s.selectedFloat.chamberBelow;
}

struct Element {
    std::string name;
    std::function<void(SceneState&, bool)> draw;
    int placement = -1; // the chamber element placement it applies, if any
};

std::vector<Element> closureElements() {
    const auto placed = [](std::string name, auto routine, ChamberElement e) {
        const auto draw = [routine, e](SceneState& s, bool full) {
            routine(s, s.pipe.elements[e], full);
        };
        return Element{name, draw, e};
    };
    return {
        {"DishedCap", [](SceneState& s, bool full) { DrawDishedCap(s, full); }},
        placed("PipeFlangeTop", DrawPipeFlangeTop, cePipeFlangeTop),
        placed("PipeFlangeBottom", DrawPipeFlangeBottom, cePipeFlangeBottom),
        placed("CoverTop", DrawCoverTop, ceCoverTop),
        placed("CoverBottom", DrawCoverBottom, ceCoverBottom),
        placed("BoltsTop", DrawBoltsTop, ceBoltsTop),
        placed("BoltsBottom", DrawBoltsBottom, ceBoltsBottom),
        placed("GasketTop", DrawGasketTop, ceGasketTop),
        placed("GasketBottom", DrawGasketBottom, ceGasketBottom),
        placed("DrainPlug", DrawDrainPlug, ceDrainPlug),
        placed("PlugGasket", DrawPlugGasket, cePlugGasket),
        {"TopEndFitting", [](SceneState& s, bool full) { DrawTopEndFitting(s, full); }},
        {"BottomEndFitting", [](SceneState& s, bool full) { DrawBottomEndFitting(s, full); }},
        {"BottomEndRing", [](SceneState& s, bool full) { DrawBottomEndRing(s, full); }},
        {"BottomEndCap", [](SceneState& s, bool full) { DrawBottomEndCap(s, full); }},
    };
}

// Section faces are red (cut faces, fitting sections) or, around gaskets, pure green.
bool isSectionColour(const std::array<float, 4>& c) {
    const bool red = c[0] >= 0.65f && c[1] <= 0.35f && c[2] <= 0.35f && c[0] - c[1] >= 0.35f;
    const bool green = c[0] <= 0.1f + eps && c[2] <= 0.1f + eps && c[1] >= 0.85f;
    return red || green;
}

bool isSection(const gldouble::Primitive& p) {
    for (const auto& v : p.vertices)
        if (!isSectionColour(v.colour)) return false;
    return !p.vertices.empty();
}

gldouble::Bounds drawnBounds(SceneState& s, const Element& e, bool full) {
    gldouble::reset();
    e.draw(s, full);
    return gldouble::allBounds();
}

} // namespace

TEST(EndClosures, CutAwayFormsKeepToThePositiveHalfAndCloseTheCutPlane) {
    for (SceneState s : {startState(), largePipeState()}) {
        for (const auto& e : closureElements()) {
            SCOPED_TRACE(e.name + " with inner radius " + std::to_string(s.pipeInnerRadius));
            gldouble::reset();
            e.draw(s, false);
            int sections = 0;
            for (const auto& p : gl().primitives) {
                for (const auto& v : p.vertices) ASSERT_GE(v.position.x, -eps);
                if (!isSection(p)) continue;
                ++sections;
                for (const auto& v : p.vertices) EXPECT_NEAR(v.position.x, 0, eps);
            }
            // Bolts are always drawn whole and show no section.
            if (e.name.find("Bolts") == std::string::npos)
                EXPECT_GT(sections, 0);
            else
                EXPECT_EQ(sections, 0);

            const auto whole = drawnBounds(s, e, true);
            EXPECT_LT(whole.min.x, -0.5f * whole.max.x);
            for (const auto& p : gl().primitives) EXPECT_FALSE(isSection(p));
        }
    }
}

TEST(EndClosures, EveryElementRestoresMatrixAndTintFlagsAndUsesItsPlacement) {
    SceneState s = largePipeState();
    for (const auto& e : closureElements()) {
        for (bool full : {true, false}) {
            SCOPED_TRACE(e.name + (full ? " whole" : " cut"));
            gldouble::reset();
            e.draw(s, full);
            expectStackBalancedAndNoErrors();
            expectTintsOff(s);
        }
    }
    // The bolted set's elements each apply their own placement.
    for (const auto& e : closureElements()) {
        if (e.placement < 0) continue;
        SCOPED_TRACE(e.name);
        SceneState moved = s;
        moved.pipe.elements[e.placement].pose.posY = 100;
        const auto at = drawnBounds(s, e, true);
        const auto shifted = drawnBounds(moved, e, true);
        EXPECT_NEAR(shifted.min.y - at.min.y, 100, 1e-3);
        EXPECT_NEAR(shifted.max.y - at.max.y, 100, 1e-3);
    }
}

TEST(EndClosures, ElementsAndTheirSectionsSpanTheirHeightsWithTheBottomSetMirrored) {
    SceneState s = largePipeState();
    const float t = topOf(s), b = bottomOf(s);
    const float rOut = s.pipeOuterRadius, f = s.flangeOuterRadius;
    struct Span {
        std::string element;
        float yMin, yMax, radius; // radius reached along +Z in the whole view
    };
    const std::vector<Span> spans = {
        {"DishedCap", t - 18, t - 18 + rOut / 2, rOut},
        {"PipeFlangeTop", t - 18, t - 10, f},
        {"PipeFlangeBottom", b + 10, b + 18, f},
        {"CoverTop", t - 11, t, f},
        {"CoverBottom", b, b + 11, f},
        {"GasketTop", t - 13, t - 11, rOut + 6},
        {"GasketBottom", b + 11, b + 13, rOut + 6},
        {"DrainPlug", b - 8, b + 11, 12},
        {"PlugGasket", b, b + 1, 11},
        // The type "R-760" fittings keep their own dimensions whatever the pipe radii.
        {"TopEndFitting", 0, 18, 16.85f},
        {"BottomEndFitting", 0, 30, 20},
        {"BottomEndRing", -1.5f, 0, 20.4f},
        {"BottomEndCap", 0, 32, 22.5f},
    };
    for (const auto& e : closureElements()) {
        for (const auto& span : spans) {
            if (span.element != e.name) continue;
            SCOPED_TRACE(e.name);
            const auto bounds = drawnBounds(s, e, true);
            EXPECT_NEAR(bounds.min.y, span.yMin, 1e-3);
            EXPECT_NEAR(bounds.max.y, span.yMax, 1e-3);
            EXPECT_NEAR(bounds.max.z, span.radius, 1e-3);

            // The cut-away view's sections close the whole profile, front and back (the cap's
            // inner shell sits 0.5 lower).
            gldouble::reset();
            e.draw(s, false);
            std::vector<gldouble::Vertex> sectionVertices;
            for (const auto& p : gl().primitives)
                if (isSection(p))
                    sectionVertices.insert(sectionVertices.end(), p.vertices.begin(),
                                           p.vertices.end());
            const auto cut = gldouble::boundsOf(sectionVertices);
            EXPECT_NEAR(cut.max.y, span.yMax, 1e-3);
            EXPECT_NEAR(cut.min.y, span.yMin - (e.name == "DishedCap" ? 0.5f : 0), 1e-3);
            EXPECT_NEAR(cut.max.z, span.radius, 1e-3);
            EXPECT_NEAR(cut.min.z, -span.radius, 1e-3);
        }
    }
}

TEST(EndClosures, BoltsStandOnTheDiagonalsWithHeadsOutsideTheCovers) {
    SceneState s = largePipeState();
    const float t = topOf(s), b = bottomOf(s);
    const float k = s.boltCircleRadius / std::sqrt(2.0f);
    struct Case {
        bool top, full;
        int bolts;
    };
    for (Case c :
         {Case{true, true, 4}, Case{true, false, 2}, Case{false, true, 4}, Case{false, false, 2}}) {
        SCOPED_TRACE(std::string(c.top ? "top" : "bottom") + (c.full ? " whole" : " cut"));
        gldouble::reset();
        if (c.top)
            DrawBoltsTop(s, s.pipe.elements[ceBoltsTop], c.full);
        else
            DrawBoltsBottom(s, s.pipe.elements[ceBoltsBottom], c.full);
        // Five whole revolved surfaces per bolt.
        ASSERT_EQ(gl().primitives.size(), 5u * c.bolts);
        for (int bolt = 0; bolt < c.bolts; ++bolt) {
            const auto head = gldouble::boundsOf(gl().primitives[5 * bolt].vertices);
            const float cx = (head.min.x + head.max.x) / 2, cz = (head.min.z + head.max.z) / 2;
            EXPECT_NEAR(std::fabs(cx), k, 1e-3);
            EXPECT_NEAR(std::fabs(cz), k, 1e-3);
            EXPECT_TRUE(c.full || cx > 0);
            EXPECT_NEAR(head.max.x - head.min.x, 10, 1e-3); // whole even when cut away
            EXPECT_NEAR(head.min.y, c.top ? t + 6 : b - 6, 1e-3);
        }
        const auto all = gldouble::allBounds();
        EXPECT_NEAR(all.max.y, c.top ? t + 6 : b + 20, 1e-3);
        EXPECT_NEAR(all.min.y, c.top ? t - 20 : b - 6, 1e-3);
    }
}

TEST(EndClosures, FlangeFacesShowOneBoltHolePerQuarter) {
    SceneState s = largePipeState();
    const float k = s.boltCircleRadius / std::sqrt(2.0f);
    for (bool full : {true, false}) {
        gldouble::reset();
        DrawCoverTop(s, s.pipe.elements[ceCoverTop], full);
        // Hole walls: whole 36-segment tubes around an off-axis centre.
        std::vector<std::pair<float, float>> centres;
        for (const auto* p : gldouble::primitivesOfMode(GL_QUAD_STRIP)) {
            const auto box = gldouble::boundsOf(p->vertices);
            const float cx = (box.min.x + box.max.x) / 2, cz = (box.min.z + box.max.z) / 2;
            if (p->vertices.size() == 74 && std::hypot(cx, cz) > 1) centres.push_back({cx, cz});
        }
        ASSERT_EQ(centres.size(), full ? 4u : 2u);
        EXPECT_NEAR(centres[0].first, k, 1e-3);
        EXPECT_NEAR(centres[0].second, k, 1e-3);
        EXPECT_NEAR(centres[1].first, k, 1e-3);
        EXPECT_NEAR(centres[1].second, -k, 1e-3);
    }
}

TEST(EndClosures, GasketsAndTheEndRingAreGreenAndLeaveTheTintCleared) {
    SceneState s = largePipeState();
    const std::vector<std::function<void()>> gaskets = {
        [&] { DrawGasketTop(s, s.pipe.elements[ceGasketTop], false); },
        [&] { DrawGasketBottom(s, s.pipe.elements[ceGasketBottom], false); },
        [&] { DrawPlugGasket(s, s.pipe.elements[cePlugGasket], false); },
        [&] { DrawBottomEndRing(s, false); },
    };
    for (const auto& draw : gaskets) {
        gldouble::reset();
        draw();
        ASSERT_GT(gldouble::vertexCount(), 0u);
        for (const auto& v : gldouble::allVertices()) {
            EXPECT_GE(v.colour[1], 0.85f);
            EXPECT_LT(v.colour[0], v.colour[1]);
            EXPECT_FLOAT_EQ(v.colour[0], v.colour[2]);
        }
        EXPECT_FALSE(s.greenTint);
    }
}

// The cut faces of a flange set come in their listed order, then all of them again on the far
// side of the axis in the same order: A, B, A', B' (the bottom cover A, B, C, A', B', C').
TEST(EndClosures, SectionFacesComeInTheirListedOrderAndThenMirrored) {
    SceneState s = largePipeState();
    struct Expected {
        std::string element;
        std::vector<float> nearZ; // the first vertex's z of each section face, in drawing order
    };
    const float f = s.flangeOuterRadius, spigot = s.pipeOuterRadius + 6;
    const std::vector<Expected> cases = {{"PipeFlangeTop", {f, f, -f, -f}},
                                         {"PipeFlangeBottom", {f, f, -f, -f}},
                                         {"CoverBottom", {spigot, f, f, -spigot, -f, -f}}};
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.element);
        for (const auto& e : closureElements()) {
            if (e.name != expected.element) continue;
            gldouble::reset();
            e.draw(s, false);
            std::vector<float> nearZ;
            std::vector<float> heights;
            for (const auto& p : gl().primitives) {
                if (!isSection(p)) continue;
                nearZ.push_back(p.vertices.front().position.z);
                heights.push_back(p.vertices.front().position.y);
            }
            ASSERT_EQ(nearZ.size(), expected.nearZ.size());
            for (std::size_t i = 0; i < nearZ.size(); ++i)
                EXPECT_NEAR(nearZ[i], expected.nearZ[i], eps) << "face " << i;
            // The mirrored half repeats the heights of the first half in the same order.
            const std::size_t half = heights.size() / 2;
            for (std::size_t i = 0; i < half; ++i) EXPECT_FLOAT_EQ(heights[i], heights[half + i]);
            EXPECT_NE(heights[0], heights[1]);
        }
    }
}
