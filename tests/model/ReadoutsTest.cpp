#include "overlay/gl/Readouts.h"
#include "RecordingGL.h"
#include "overlay/gl/FontLists.h"
#include "scene/SceneState.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

using gldouble::gl;
using gldouble::Primitive;

namespace {

constexpr float anchorX = 100;

class Readouts : public testing::Test {
  protected:
    void SetUp() override {
        gldouble::reset();
        BuildFontLists(FontImages{});
        gl().primitives.clear();
        InitialiseSceneState(state);
    }

    void TearDown() override {
        EXPECT_TRUE(gl().errors.empty()) << gl().errors.front();
        EXPECT_TRUE(gldouble::modelviewAtIdentity());
    }

    // The characters printed, read from the glyph lists that drew.
    static std::string printedText() {
        std::string text;
        for (const auto& p : gl().primitives)
            if (p.calledList >= 1 && p.calledList <= 255) text += char(p.calledList);
        return text;
    }

    static std::vector<const Primitive*> fromList(GLuint list) {
        std::vector<const Primitive*> out;
        for (const auto& p : gl().primitives)
            if (p.calledList == list) out.push_back(&p);
        return out;
    }

    // The filled gauge quad is the one in full yellow at its top.
    static float filledBarTop() {
        for (const auto& p : gl().primitives)
            for (size_t i = 0; i + 4 <= p.vertices.size(); i += 4)
                if (p.vertices[i].colour == std::array<float, 4>{1, 1, 0, 1})
                    return p.vertices[i].position.y;
        ADD_FAILURE() << "no filled gauge quad";
        return 0;
    }

    std::string transmitterText(float level, float displayHeight) {
        gl().primitives.clear();
        state.level = level;
        state.displayHeight = displayHeight;
        DrawTransmitterReadout(state, anchorX);
        return printedText();
    }

    SceneState state;
};

TEST_F(Readouts, HalfTheDisplayHeightReadsFiftyPercentWithTheBarHalfway) {
    EXPECT_EQ(transmitterText(195, 390), "50%");
    // The read-out stands at y = 135; the gauge runs from 0 to 50 above that.
    EXPECT_FLOAT_EQ(filledBarTop(), 135 + 25);
}

TEST_F(Readouts, PercentAndBarRoundHalvesToEven) {
    EXPECT_EQ(transmitterText(50, 400), "12%"); // 12.5 %, bar 6.25
    EXPECT_FLOAT_EQ(filledBarTop(), 135 + 6);
    EXPECT_EQ(transmitterText(150, 400), "38%"); // 37.5 %, bar 18.75
    EXPECT_FLOAT_EQ(filledBarTop(), 135 + 19);
    EXPECT_EQ(transmitterText(20, 400), "5%"); // bar exactly 2.5
    EXPECT_FLOAT_EQ(filledBarTop(), 135 + 2);
    EXPECT_EQ(transmitterText(-0.5f, 390), "0%"); // rounds to minus zero: no sign
}

TEST_F(Readouts, LevelsOutsideTheDisplayHeightAreNotClamped) {
    EXPECT_EQ(transmitterText(-39, 390), "-10%");
    EXPECT_FLOAT_EQ(filledBarTop(), 135 - 5);
    EXPECT_EQ(transmitterText(468, 390), "120%");
    EXPECT_FLOAT_EQ(filledBarTop(), 135 + 60);
    EXPECT_EQ(transmitterText(3900000, 390), "1000000%");
}

TEST_F(Readouts, ZeroDisplayHeightGivesAFiniteReadout) {
    EXPECT_EQ(transmitterText(0, 0), "0%");
    EXPECT_FLOAT_EQ(filledBarTop(), 135);
    EXPECT_EQ(transmitterText(200, 0), "9223372036854775807%");
    EXPECT_EQ(transmitterText(-200, 0), "-9223372036854775808%");
}

TEST_F(Readouts, PercentTextIsCentredTenUnitsHighInTheTextWindow) {
    transmitterText(195, 390);
    const auto glyphs = gldouble::primitivesOfMode(GL_QUADS);
    std::vector<gldouble::Vertex> glyphVertices;
    for (const auto* p : glyphs)
        if (p->texture2D) {
            EXPECT_EQ(p->vertices.front().colour, (std::array<float, 4>{1, 0.3f, 0.3f, 1}));
            glyphVertices.insert(glyphVertices.end(), p->vertices.begin(), p->vertices.end());
        }
    const auto b = gldouble::boundsOf(glyphVertices);
    // Three characters, 10 units each, centred on x = -23.
    EXPECT_FLOAT_EQ(b.min.x, anchorX - 23 - 15);
    EXPECT_FLOAT_EQ(b.max.x, anchorX - 23 + 15);
    EXPECT_FLOAT_EQ(b.min.y, 135 + 18);
    EXPECT_FLOAT_EQ(b.max.y, 135 + 28);
    EXPECT_FLOAT_EQ(b.min.z, -1500);
    // Panel at the back, text in front of everything else.
    EXPECT_FLOAT_EQ(gldouble::allBounds().min.z, -1503);
    EXPECT_FLOAT_EQ(gldouble::allBounds().max.z, -1500);
}

TEST_F(Readouts, SwitchReadoutsStackBelowEachOtherWithTheirLabels) {
    DrawSwitchReadout(false, 0, anchorX);
    auto upper = gldouble::allBounds();
    EXPECT_FLOAT_EQ(upper.min.y, 90);
    EXPECT_FLOAT_EQ(upper.max.y, 125);
    EXPECT_FLOAT_EQ(upper.min.x, anchorX - 50);
    EXPECT_FLOAT_EQ(upper.max.x, anchorX + 35);
    ASSERT_EQ(fromList(label80List).size(), 1u);
    EXPECT_TRUE(fromList(label20List).empty());
    const auto label = gldouble::boundsOf(fromList(label80List).front()->vertices);
    EXPECT_NEAR(label.min.x, anchorX - 41.7f, 1e-4);
    EXPECT_NEAR(label.max.x, anchorX - 25.7f, 1e-4);
    EXPECT_FLOAT_EQ(label.min.y, 90 + 13);
    EXPECT_FLOAT_EQ(label.max.y, 90 + 21);
    EXPECT_EQ(fromList(label80List).front()->vertices.front().colour,
              (std::array<float, 4>{1, 1, 1, 1}));

    gl().primitives.clear();
    DrawSwitchReadout(false, -1, anchorX);
    const auto lower = gldouble::allBounds();
    EXPECT_FLOAT_EQ(lower.min.y, 55);
    EXPECT_FLOAT_EQ(lower.max.y, 90);
    EXPECT_EQ(fromList(label20List).size(), 1u);
    EXPECT_TRUE(fromList(label80List).empty());
}

TEST_F(Readouts, SwitchSymbolsSitInTheirWellsTintedByTheState) {
    const std::array<float, 4> trippedTint{1, 0.5f, 0.5f, 1};
    const std::array<float, 4> restingTint{0.5f, 1, 1, 1};
    for (const bool tripped : {true, false}) {
        gl().primitives.clear();
        DrawSwitchReadout(tripped, 0, anchorX);
        const auto on = fromList(switchOnList);
        const auto off = fromList(switchOffList);
        ASSERT_EQ(on.size(), 1u);
        ASSERT_EQ(off.size(), 1u);
        for (const auto* symbol : {on.front(), off.front()})
            EXPECT_EQ(symbol->vertices.front().colour, tripped ? trippedTint : restingTint);
        const auto onBounds = gldouble::boundsOf(on.front()->vertices);
        EXPECT_FLOAT_EQ(onBounds.min.x, anchorX + 9.5f);
        EXPECT_FLOAT_EQ(onBounds.max.x, anchorX + 25.5f);
        EXPECT_FLOAT_EQ(onBounds.min.y, 90 + 9);
        EXPECT_FLOAT_EQ(onBounds.max.y, 90 + 25);
        const auto offBounds = gldouble::boundsOf(off.front()->vertices);
        EXPECT_NEAR(offBounds.min.x, anchorX - 16.1f, 1e-4); // inside the left well -17 .. 2
        EXPECT_NEAR(offBounds.max.x, anchorX - 0.1f, 1e-4);
    }
}

TEST_F(Readouts, OutTextCallsOneGlyphListPerByteOneUnitApart) {
    OutText("A-\xff");
    ASSERT_EQ(gl().primitives.size(), 3u);
    EXPECT_EQ(printedText(), "A-\xff");
    for (int i = 0; i < 3; ++i) {
        const auto b = gldouble::boundsOf(gl().primitives[i].vertices);
        EXPECT_FLOAT_EQ(b.min.x, float(i));
        EXPECT_FLOAT_EQ(b.max.x, float(i + 1));
    }
}

TEST(FontLists, AllFixedListNumbersExistAndNoOthers) {
    gldouble::reset();
    BuildFontLists(FontImages{});
    EXPECT_FALSE(glIsList(0));
    for (GLuint list = 1; list <= 255; ++list) EXPECT_TRUE(glIsList(list)) << list;
    EXPECT_FALSE(glIsList(256));
    for (GLuint list = 1000; list <= 1003; ++list) EXPECT_TRUE(glIsList(list)) << list;
    EXPECT_EQ(gl().lists.size(), 255u + 4u);
    EXPECT_FLOAT_EQ(gl().texParameters[GL_TEXTURE_WRAP_S], GL_REPEAT);
    EXPECT_FLOAT_EQ(gl().texParameters[GL_TEXTURE_WRAP_T], GL_REPEAT);
    EXPECT_FLOAT_EQ(gl().texParameters[GL_TEXTURE_MIN_FILTER], GL_LINEAR);
    EXPECT_FLOAT_EQ(gl().texParameters[GL_TEXTURE_MAG_FILTER], GL_LINEAR);
    EXPECT_TRUE(gl().primitives.empty()); // compiled, not drawn
}

struct TexturedQuad {
    GLuint list;
    int width, height;
    float margin; // texture window margin .. 1 - margin, drawn on rows margin .. 1 - margin
};

TEST(FontLists, EachListUploadsItsTextureAndDrawsItUprightOnTheUnitSquare) {
    gldouble::reset();
    BuildFontLists(FontImages{});
    for (const TexturedQuad& q :
         {TexturedQuad{'7', 8, 8, 0}, TexturedQuad{1, 8, 8, 0}, TexturedQuad{255, 8, 8, 0},
          TexturedQuad{1000, 32, 32, 0}, TexturedQuad{1001, 32, 32, 0},
          TexturedQuad{1002, 64, 32, 0.25f}, TexturedQuad{1003, 64, 32, 0.25f}}) {
        gl().primitives.clear();
        const int uploads = gl().textureUploads;
        glCallList(q.list);
        EXPECT_EQ(gl().textureUploads, uploads + 1) << q.list;
        ASSERT_EQ(gl().primitives.size(), 1u) << q.list;
        const Primitive& p = gl().primitives.front();
        EXPECT_EQ(p.mode, GLenum(GL_QUADS));
        EXPECT_TRUE(p.texture2D);
        EXPECT_FALSE(gl().isEnabled(GL_TEXTURE_2D)) << "texturing left on after list " << q.list;
        EXPECT_EQ(p.textureWidth, q.width);
        EXPECT_EQ(p.textureHeight, q.height);
        const float lo = q.margin, hi = 1 - q.margin;
        const std::array<std::array<float, 4>, 4> expected{
            {{0, hi, lo, lo}, {1, hi, hi, lo}, {1, lo, hi, hi}, {0, lo, lo, hi}}};
        ASSERT_EQ(p.vertices.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            const auto& v = p.vertices[i];
            EXPECT_EQ(
                (std::array<float, 4>{v.position.x, v.position.y, v.texCoord[0], v.texCoord[1]}),
                expected[i])
                << "list " << q.list << " corner " << i;
            EXPECT_EQ(v.position.z, 0);
        }
    }
    EXPECT_TRUE(gl().errors.empty());
    EXPECT_TRUE(gldouble::modelviewAtIdentity());
}

// Texels that tell where they came from: image column and row, and which image.
template <int W, int H> void markTexels(TexelImage<W, H>& image, std::uint8_t tag) {
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            image.at(x, y) = texelWord(std::uint8_t(x), std::uint8_t(x >> 8 | y << 4), tag);
}

std::uint32_t uploadedTexel(const Primitive& p, int x, int y) {
    return static_cast<const std::uint32_t*>(p.texturePixels)[y * p.textureWidth + x];
}

TEST(FontLists, ListsShowTheirOwnPartOfThePicturesEvenAfterTheSourceIsGone) {
    gldouble::reset();
    {
        auto images = std::make_unique<FontImages>();
        markTexels(images->glyphStrip, 1);
        markTexels(images->switchOn, 2);
        markTexels(images->switchOff, 3);
        markTexels(images->label20, 4);
        markTexels(images->label80, 5);
        BuildFontLists(*images);
    }
    const auto drawn = [](GLuint list) {
        gl().primitives.clear();
        glCallList(list);
        return gl().primitives.at(0);
    };
    for (const int code : std::array{1, int('0'), int('9'), 200, 255}) {
        const Primitive p = drawn(GLuint(code));
        for (const auto& [x, y] :
             std::array<std::pair<int, int>, 4>{{{0, 0}, {7, 0}, {3, 5}, {7, 7}}})
            EXPECT_EQ(uploadedTexel(p, x, y),
                      texelWord(std::uint8_t(8 * code + x),
                                std::uint8_t((8 * code + x) >> 8 | y << 4), 1))
                << "glyph " << code << " texel " << x << "," << y;
    }
    const std::array<std::pair<GLuint, std::uint8_t>, 4> pictures{
        {{switchOnList, 2}, {switchOffList, 3}, {label20List, 4}, {label80List, 5}}};
    for (const auto& [list, tag] : pictures) {
        const Primitive p = drawn(list);
        const int x = p.textureWidth - 1, y = p.textureHeight - 1;
        EXPECT_EQ(uploadedTexel(p, x, y), texelWord(std::uint8_t(x), std::uint8_t(y << 4), tag))
            << "list " << list;
    }
}

TEST(TexelImage, WordsReadRedGreenBlueZeroInMemoryAndStayInsideTheImage) {
    const std::uint32_t word = texelWord(0x11, 0x22, 0x33);
    unsigned char bytes[4];
    std::memcpy(bytes, &word, 4);
    EXPECT_EQ(bytes[0], 0x11);
    EXPECT_EQ(bytes[1], 0x22);
    EXPECT_EQ(bytes[2], 0x33);
    EXPECT_EQ(bytes[3], 0);

    TexelImage<3, 2> image;
    image.at(2, 1) = word;
    EXPECT_EQ(image.data()[5], word); // rows top first
    EXPECT_THROW(image.at(3, 0), std::out_of_range);
    EXPECT_THROW(image.at(-1, 1), std::out_of_range);
}

} // namespace
