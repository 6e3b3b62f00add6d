#include "overlay/gl/Readouts.h"
#include "RecordingGL.h"
#include "SceneFixture.h"
#include "overlay/gl/FontLists.h"
#include "scene/SceneState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

using gldouble::gl;
using gldouble::Primitive;
using gldouble::TextureObject;
using Colour = std::array<float, 4>;

namespace {

constexpr float anchorX = 100;

class Readouts : public SceneTest {
  protected:
    void SetUp() override {
        SceneTest::SetUp();
        BuildFontLists(FontImages{});
    }

    void TearDown() override { expectStackBalancedAndNoErrors(); }

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

    // Draws the transmitter read-out; returns its text and the top of the full yellow bar.
    std::pair<std::string, float> transmitter(float level, float displayHeight) {
        gl().primitives.clear();
        state.level = level;
        state.displayHeight = displayHeight;
        DrawTransmitterReadout(state, anchorX);
        float barTop = NAN;
        for (const auto& p : gl().primitives)
            for (size_t i = 0; i + 4 <= p.vertices.size(); i += 4)
                if (p.vertices[i].colour == Colour{1, 1, 0, 1})
                    barTop = p.vertices[i].position.y - 135; // relative to the gauge's foot
        return {printedText(), barTop};
    }
};

TEST_F(Readouts, TransmitterShowsRoundedPercentAndBarWithoutClamping) {
    using Reading = std::pair<std::string, float>;
    EXPECT_EQ(transmitter(195, 390), (Reading{"50%", 25}));
    EXPECT_EQ(transmitter(50, 400), (Reading{"12%", 6}));   // 12.5 % and 6.25: halves to even
    EXPECT_EQ(transmitter(150, 400), (Reading{"38%", 19})); // 37.5 % and 18.75
    EXPECT_EQ(transmitter(20, 400), (Reading{"5%", 2}));    // bar exactly 2.5
    EXPECT_EQ(transmitter(-0.5f, 390), (Reading{"0%", 0})); // minus zero prints no sign
    EXPECT_EQ(transmitter(-39, 390), (Reading{"-10%", -5}));
    EXPECT_EQ(transmitter(468, 390), (Reading{"120%", 60}));
}

TEST_F(Readouts, ZeroDisplayHeightGivesAFiniteReadout) {
    EXPECT_EQ(transmitter(0, 0), (std::pair<std::string, float>{"0%", 0}));
    EXPECT_EQ(transmitter(200, 0).first, "9223372036854775807%");
    EXPECT_EQ(transmitter(-200, 0).first, "-9223372036854775808%");
}

TEST_F(Readouts, PercentTextIsCentredTenUnitsHighInFrontOfThePanel) {
    transmitter(195, 390);
    std::vector<gldouble::Vertex> glyphs;
    for (const auto& p : gl().primitives)
        if (p.texture2D) {
            EXPECT_EQ(p.vertices.front().colour, (Colour{1, 0.3f, 0.3f, 1}));
            glyphs.insert(glyphs.end(), p.vertices.begin(), p.vertices.end());
        }
    const auto b = gldouble::boundsOf(glyphs);
    EXPECT_FLOAT_EQ(b.min.x, anchorX - 23 - 15); // three characters of ten units
    EXPECT_FLOAT_EQ(b.max.x, anchorX - 23 + 15);
    EXPECT_FLOAT_EQ(b.min.y, 135 + 18);
    EXPECT_FLOAT_EQ(b.max.y, 135 + 28);
    EXPECT_FLOAT_EQ(gldouble::allBounds().min.z, -1503);
    EXPECT_FLOAT_EQ(gldouble::allBounds().max.z, -1500);
}

TEST_F(Readouts, SwitchPanelsStackWithTheirLabelAndStateTint) {
    struct Case {
        bool tripped;
        float row, bottom;
        GLuint label;
        Colour tint;
    };
    for (const Case& c : {Case{true, 0, 90, label80List, {1, 0.5f, 0.5f, 1}},
                          Case{false, -1, 55, label20List, {0.5f, 1, 1, 1}}}) {
        gl().primitives.clear();
        DrawSwitchReadout(c.tripped, c.row, anchorX);
        const auto all = gldouble::allBounds();
        EXPECT_FLOAT_EQ(all.min.y, c.bottom);
        EXPECT_FLOAT_EQ(all.max.y, c.bottom + 35);
        EXPECT_FLOAT_EQ(all.min.x, anchorX - 50);
        EXPECT_FLOAT_EQ(all.max.x, anchorX + 35);

        const auto on = fromList(switchOnList), off = fromList(switchOffList);
        const auto label = fromList(c.label);
        ASSERT_EQ(on.size() + off.size() + label.size(), 3u);
        EXPECT_EQ(on.at(0)->vertices[0].colour, c.tint);
        EXPECT_EQ(off.at(0)->vertices[0].colour, c.tint);
        EXPECT_EQ(label.at(0)->vertices[0].colour, (Colour{1, 1, 1, 1}));
        // "On" in the right well, "off" in the left one, the label left of both.
        const auto onBox = gldouble::boundsOf(on.at(0)->vertices);
        EXPECT_FLOAT_EQ(onBox.min.x, anchorX + 9.5f);
        EXPECT_FLOAT_EQ(onBox.max.y, c.bottom + 25);
        EXPECT_NEAR(gldouble::boundsOf(off.at(0)->vertices).min.x, anchorX - 16.1f, 1e-4);
        const auto labelBox = gldouble::boundsOf(label.at(0)->vertices);
        EXPECT_NEAR(labelBox.min.x, anchorX - 41.7f, 1e-4);
        EXPECT_NEAR(labelBox.max.x, anchorX - 25.7f, 1e-4);
        EXPECT_FLOAT_EQ(labelBox.min.y, c.bottom + 13);
        EXPECT_FLOAT_EQ(labelBox.max.y, c.bottom + 21);
    }
}

TEST_F(Readouts, OutTextCallsOneGlyphListPerByteOneUnitApart) {
    OutText("A-\xff");
    EXPECT_EQ(printedText(), "A-\xff");
    for (int i = 0; i < 3; ++i)
        EXPECT_FLOAT_EQ(gldouble::boundsOf(gl().primitives.at(i).vertices).min.x, float(i));
}

TEST(FontLists, FixedListsDrawTheirOwnTextureUprightOnTheUnitSquareWithoutUploading) {
    gldouble::reset();
    BuildFontLists(FontImages{});
    EXPECT_EQ(gl().lists.size(), 255u + 4u);
    EXPECT_FALSE(glIsList(0));
    EXPECT_EQ(gl().textureUploads, 255 + 4) << "each texture once, when the lists are built";
    EXPECT_EQ(gl().boundTexture, 0u);
    gl().textureUploads = 0;
    struct Case {
        GLuint list;
        int width, height;
        float margin; // texture window margin .. 1 - margin, drawn on rows margin .. 1 - margin
    };
    for (const Case& c :
         {Case{1, 8, 8, 0}, Case{255, 8, 8, 0}, Case{1000, 32, 32, 0}, Case{1001, 32, 32, 0},
          Case{1002, 64, 32, 0.25f}, Case{1003, 64, 32, 0.25f}}) {
        gl().primitives.clear();
        glCallList(c.list);
        ASSERT_EQ(gl().primitives.size(), 1u) << c.list;
        const Primitive& p = gl().primitives.front();
        EXPECT_TRUE(p.texture2D);
        EXPECT_FALSE(gl().isEnabled(GL_TEXTURE_2D));
        const TextureObject& texture = gl().textures.at(gl().boundTexture);
        EXPECT_FLOAT_EQ(texture.parameters.at(GL_TEXTURE_WRAP_S), GL_REPEAT) << c.list;
        EXPECT_FLOAT_EQ(texture.parameters.at(GL_TEXTURE_WRAP_T), GL_REPEAT) << c.list;
        EXPECT_FLOAT_EQ(texture.parameters.at(GL_TEXTURE_MIN_FILTER), GL_LINEAR) << c.list;
        EXPECT_FLOAT_EQ(texture.parameters.at(GL_TEXTURE_MAG_FILTER), GL_LINEAR) << c.list;
        EXPECT_EQ(std::pair(p.textureWidth, p.textureHeight), std::pair(c.width, c.height));
        const float lo = c.margin, hi = 1 - c.margin;
        const std::array<std::array<float, 4>, 4> corners{
            {{0, hi, lo, lo}, {1, hi, hi, lo}, {1, lo, hi, hi}, {0, lo, lo, hi}}};
        for (int i = 0; i < 4; ++i) {
            const auto& v = p.vertices.at(i);
            EXPECT_EQ((std::array{v.position.x, v.position.y, v.texCoord[0], v.texCoord[1]}),
                      corners[i])
                << "list " << c.list << " corner " << i;
        }
    }
    EXPECT_EQ(gl().textureUploads, 0) << "drawing the lists uploads nothing";
}

// A texel that tells which image and which column and row it came from.
std::uint32_t marked(int x, int y, std::uint8_t image) {
    return texelWord(std::uint8_t(x), std::uint8_t(x >> 8 | y << 4), image);
}

template <int W, int H> void mark(TexelImage<W, H>& texels, std::uint8_t image) {
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) texels.at(x, y) = marked(x, y, image);
}

TEST(FontLists, ListsShowTheirOwnPartOfThePicturesAfterTheSourceIsGone) {
    gldouble::reset();
    {
        auto images = std::make_unique<FontImages>();
        mark(images->glyphStrip, 1);
        mark(images->switchOn, 2);
        mark(images->switchOff, 3);
        mark(images->label20, 4);
        mark(images->label80, 5);
        BuildFontLists(*images);
    }
    const auto uploaded = [](GLuint list, int x, int y) {
        gl().primitives.clear();
        glCallList(list);
        const Primitive& p = gl().primitives.at(0);
        return static_cast<const std::uint32_t*>(p.texturePixels)[y * p.textureWidth + x];
    };
    for (const int code : {1, int('9'), 255}) {
        EXPECT_EQ(uploaded(code, 0, 0), marked(8 * code, 0, 1)) << code;
        EXPECT_EQ(uploaded(code, 7, 2), marked(8 * code + 7, 2, 1)) << code;
    }
    for (const auto& [list, image] : std::array<std::pair<GLuint, std::uint8_t>, 4>{
             {{switchOnList, 2}, {switchOffList, 3}, {label20List, 4}, {label80List, 5}}})
        EXPECT_EQ(uploaded(list, 31, 30), marked(31, 30, image)) << list;
}

TEST(TexelImage, WordsReadRedGreenBlueZeroInMemory) {
    const std::uint32_t word = texelWord(0x11, 0x22, 0x33);
    std::array<unsigned char, 4> bytes;
    std::memcpy(bytes.data(), &word, 4);
    EXPECT_EQ(bytes, (std::array<unsigned char, 4>{0x11, 0x22, 0x33, 0}));
}

} // namespace
