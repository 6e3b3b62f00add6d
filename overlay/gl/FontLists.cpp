#include "overlay/gl/FontLists.h"

#include "overlay/gl/Readouts.h"

#include <GL/gl.h>

namespace {

void setTextureParameters() {
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

// A texture object holding the image, with the font's parameters.
template <int W, int H> GLuint uploadTexture(const TexelImage<W, H>& image) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    setTextureParameters();
    glTexImage2D(GL_TEXTURE_2D, 0, 3, W, H, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.data());
    return texture;
}

// One list: the texture, then a quad on the unit square showing the texture window
// margin .. 1 - margin in both directions on the rows margin .. 1 - margin, top row at the top.
template <int W, int H>
void compileTexturedQuad(GLuint list, const TexelImage<W, H>& image, float margin) {
    const GLuint texture = uploadTexture(image);
    const float low = margin;
    const float high = 1 - margin;
    glNewList(list, GL_COMPILE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(low, low);
    glVertex3f(0, high, 0);
    glTexCoord2f(high, low);
    glVertex3f(1, high, 0);
    glTexCoord2f(high, high);
    glVertex3f(1, low, 0);
    glTexCoord2f(low, high);
    glVertex3f(0, low, 0);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glEndList();
}

TexelImage<glyphSize, glyphSize> glyphOf(const FontImages& images, int code) {
    TexelImage<glyphSize, glyphSize> glyph;
    for (int y = 0; y < glyphSize; ++y)
        for (int x = 0; x < glyphSize; ++x)
            glyph.at(x, y) = images.glyphStrip.at(code * glyphSize + x, y);
    return glyph;
}

} // namespace

void BuildFontLists(const FontImages& images) {
    compileTexturedQuad(switchOnList, images.switchOn, 0);
    compileTexturedQuad(switchOffList, images.switchOff, 0);
    compileTexturedQuad(label20List, images.label20, 0.25f);
    compileTexturedQuad(label80List, images.label80, 0.25f);
    for (int code = 1; code <= 255; ++code)
        compileTexturedQuad(GLuint(code), glyphOf(images, code), 0);
    // Leave the default texture bound, as before the lists were built.
    glBindTexture(GL_TEXTURE_2D, 0);
}
