#include "overlay/FontForm.h"
#include "overlay/gl/GlyphPatterns.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <gtest/gtest.h>

#include <GL/gl.h>

namespace {

QImage glyphBlock(const QImage& strip, int code) {
    return strip.copy(code * glyphSize, 0, glyphSize, glyphSize);
}

bool hasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 128) return true;
    return false;
}

TEST(FontForm, ReadoutCharactersAreDrawnAndTellApart) {
    const TFontForm form;
    const std::string readoutCharacters = "0123456789%-+.";
    for (std::size_t i = 0; i < readoutCharacters.size(); ++i) {
        EXPECT_TRUE(hasInk(glyphBlock(form.Image2, readoutCharacters[i])));
        for (std::size_t j = i + 1; j < readoutCharacters.size(); ++j)
            EXPECT_NE(glyphBlock(form.Image2, readoutCharacters[i]),
                      glyphBlock(form.Image2, readoutCharacters[j]))
                << readoutCharacters[i] << " and " << readoutCharacters[j];
    }
    EXPECT_FALSE(hasInk(glyphBlock(form.Image2, ' ')));
    EXPECT_NE(form.ImageOn, form.ImageOff);
    EXPECT_NE(form.Image20proz, form.Image80proz);
}

// The glyph list drawn by the real GL implementation into an offscreen framebuffer, nine pixels
// per texel so that a pixel sits on each texel centre.
TEST(FontForm, GlyphListDrawsTheGlyphUprightInTheCurrentColour) {
    constexpr int size = 9 * glyphSize;
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    ASSERT_TRUE(context.create());
    ASSERT_TRUE(context.makeCurrent(&surface));
    {
        QOpenGLFramebufferObject framebuffer(size, size);
        ASSERT_TRUE(framebuffer.bind());
        glViewport(0, 0, size, size);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(-1, -1, 0); // the unit square fills the framebuffer
        glScalef(2, 2, 1);
        glClearColor(0, 0, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        CreateFontForm();
        glColor3f(1, 0.5f, 0.5f);
        glCallList('4');

        const QImage frame = framebuffer.toImage();
        for (int y = 0; y < glyphSize; ++y)
            for (int x = 0; x < glyphSize; ++x) {
                const QColor c = frame.pixelColor(9 * x + 4, 9 * y + 4);
                if (glyphInk('4', x, y)) {
                    EXPECT_GT(c.red(), 250) << x << "," << y;
                    EXPECT_NEAR(c.green(), 128, 2) << x << "," << y;
                } else { // dark, not the blue clear colour: the quad covers the whole cell
                    EXPECT_LT(c.red(), 5) << x << "," << y;
                    EXPECT_LT(c.blue(), 5) << x << "," << y;
                }
            }
    }
    context.doneCurrent();
}

} // namespace
