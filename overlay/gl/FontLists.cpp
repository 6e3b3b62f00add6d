#include "overlay/gl/FontLists.h"

#include "overlay/gl/Readouts.h"

#include <GL/gl.h>

namespace {

struct KeptTexels {
    std::array<TexelImage<glyphSize, glyphSize>, 256> glyphs; // entry 0 unused: code 0 has no list
    TexelImage<32, 32> switchOn;
    TexelImage<32, 32> switchOff;
    TexelImage<64, 32> label20;
    TexelImage<64, 32> label80;
};

KeptTexels& keptTexels() {
    static KeptTexels kept;
    return kept;
}

// One list: the texture, then a quad on the unit square showing the texture window
// margin .. 1 - margin in both directions on the rows margin .. 1 - margin, top row at the top.
template <int W, int H>
void compileTexturedQuad(GLuint list, const TexelImage<W, H>& image, float margin) {
    const float low = margin;
    const float high = 1 - margin;
    glNewList(list, GL_COMPILE);
    glEnable(GL_TEXTURE_2D);
    // The default texture, whatever another part of the program left bound.
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, W, H, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.data());
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

void setTextureParameters() {
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void copyGlyph(const FontImages& images, int code, TexelImage<glyphSize, glyphSize>& glyph) {
    for (int y = 0; y < glyphSize; ++y)
        for (int x = 0; x < glyphSize; ++x)
            glyph.at(x, y) = images.glyphStrip.at(code * glyphSize + x, y);
}

} // namespace

void BuildFontLists(const FontImages& images) {
    KeptTexels& kept = keptTexels();
    setTextureParameters();

    kept.switchOn = images.switchOn;
    kept.switchOff = images.switchOff;
    compileTexturedQuad(switchOnList, kept.switchOn, 0);
    compileTexturedQuad(switchOffList, kept.switchOff, 0);

    kept.label20 = images.label20;
    kept.label80 = images.label80;
    compileTexturedQuad(label20List, kept.label20, 0.25f);
    compileTexturedQuad(label80List, kept.label80, 0.25f);

    for (int code = 1; code <= 255; ++code) {
        copyGlyph(images, code, kept.glyphs[code]);
        compileTexturedQuad(GLuint(code), kept.glyphs[code], 0);
    }
}
