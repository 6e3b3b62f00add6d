// The unchanged frame drawn through the layer onto the recording of ES calls: how the start frame
// is batched and in which order the state reaches ES.
#include "LayerFixture.h"

#include "app/frame/FrameRender.h"
#include "app/frame/StartScene.h"
#include "overlay/gl/FontLists.h"

#include <memory>

using esdouble::Draw;
using esdouble::es;

namespace {

bool anyTranslucent(const Draw& draw) {
    for (const gles::Vertex& v : draw.vertices)
        if (v.colour[3] < 1) return true;
    return false;
}

} // namespace

class LayerFrameTest : public LayerTest {
  protected:
    void SetUp() override {
        LayerTest::SetUp();
        glEnable(GL_DEPTH_TEST);
        BuildFontLists(DrawFontPictures());
        InitialiseSceneState(*state);
        BuildStartScene(*state);
        ApplyProjection(640, 480);
        esdouble::es().calls.clear();
        esdouble::es().draws.clear();
    }
    // One frame; its calls and draws are in the recording.
    void renderFrame() { RenderScene(*state, 640, 480); }

    std::unique_ptr<SceneState> state = std::make_unique<SceneState>();
};

// The start frame: cleared first, then drawn in a few dozen calls with the depth test on, each
// translucent part blended with (source alpha, one minus source alpha), and flushed last. The
// read-outs' symbols and glyphs are the only textured draws.
TEST_F(LayerFrameTest, TheStartFrameIsAFewBatchesInDrawingOrder) {
    renderFrame();
    EXPECT_TRUE(reports.empty()) << reports.front();
    EXPECT_EQ(es().clears, (std::vector<GLbitfield>{GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT}));
    EXPECT_LT(es().find("glClear"), es().find("glDrawElements"));
    EXPECT_EQ(es().calls.back(), "glFlush");
    EXPECT_EQ(es().count("glBufferSubData"), 2) << "one upload of the whole frame";

    const auto& draws = es().draws;
    ASSERT_GT(draws.size(), 5u);
    EXPECT_LT(draws.size(), 60u);
    int blended = 0, textured = 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const Draw& d = draws[i];
        SCOPED_TRACE(i);
        EXPECT_TRUE(d.depthTest);
        EXPECT_EQ(d.mode, GLenum(GL_TRIANGLES));
        if (anyTranslucent(d)) {
            EXPECT_TRUE(d.blend) << "everything translucent is blended";
        }
        if (d.blend) {
            ++blended;
            EXPECT_EQ(d.blendSource, GLenum(GL_SRC_ALPHA));
            EXPECT_EQ(d.blendDestination, GLenum(GL_ONE_MINUS_SRC_ALPHA));
        }
        textured += d.textured;
        // Neighbours differ in some state, else they would be one batch.
        if (i > 0) {
            const Draw& p = draws[i - 1];
            EXPECT_TRUE(p.blend != d.blend || p.textured != d.textured || p.texture != d.texture)
                << "a batch split without a reason";
        }
    }
    EXPECT_GT(blended, 0) << "the liquid";
    // Three symbols and a label per switch, and the percentage "50%" of the transmitter, each
    // with a texture of its own.
    EXPECT_GE(textured, 4);
}

// Every frame sends the same calls: nothing of one frame is left over for the next, and the
// buffers made for the first frame serve the next ones.
TEST_F(LayerFrameTest, FramesRepeatExactly) {
    renderFrame();
    es().calls.clear();
    es().draws.clear();
    renderFrame();
    EXPECT_EQ(es().count("glBufferData"), 0) << "no new buffer storage";
    const auto calls = es().calls;
    const auto draws = es().draws;
    es().calls.clear();
    es().draws.clear();
    renderFrame();
    EXPECT_EQ(es().calls, calls);
    ASSERT_EQ(es().draws.size(), draws.size());
    for (std::size_t i = 0; i < draws.size(); ++i)
        EXPECT_EQ(es().draws[i].vertices.size(), draws[i].vertices.size()) << i;
}

// Wire-frame and points draw the same frame as lines and points; the read-outs follow the mode
// as well, since GL applies it to every polygon.
TEST_F(LayerFrameTest, PolygonModesTurnTheFrameIntoLinesOrPoints) {
    for (const auto& [polygonMode, esMode] :
         {std::pair{GL_LINE, GL_LINES}, std::pair{GL_POINT, GL_POINTS}}) {
        es().draws.clear();
        state->polygonMode = polygonMode;
        renderFrame();
        ASSERT_FALSE(es().draws.empty());
        for (const Draw& d : es().draws) EXPECT_EQ(d.mode, GLenum(esMode)) << polygonMode;
    }
    EXPECT_TRUE(reports.empty()) << reports.front();
}
