#include "app/SmoothingPass.h"

#include <algorithm>
#include <thread>

namespace {
// Rows are smoothed by up to this many threads; the renderer's own threads wait meanwhile.
int smoothingThreads() {
    return std::clamp(int(std::thread::hardware_concurrency()), 1, 4);
}
} // namespace

SmoothingPass::~SmoothingPass() {
    if (texture) glDeleteTextures(1, &texture);
}

void SmoothingPass::apply(QSize pixels) {
    if (pixels.isEmpty()) return;
    frame.resize(std::size_t(pixels.width()) * std::size_t(pixels.height()));
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadPixels(0, 0, pixels.width(), pixels.height(), GL_BGRA, GL_UNSIGNED_BYTE, frame.data());
    const std::vector<std::uint8_t>& changed =
        smoother.smooth(frame.data(), pixels.width(), pixels.height(), smoothingThreads());
    if (std::find(changed.begin(), changed.end(), 1) != changed.end()) {
        upload(pixels, changed);
        drawBlocks(pixels, changed);
    }
    glPopClientAttrib();
}

// The bands of rows with changed blocks go into the texture; it keeps the rest from before.
void SmoothingPass::upload(QSize pixels, const std::vector<std::uint8_t>& changed) {
    glPushAttrib(GL_TEXTURE_BIT);
    if (!texture) glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (textureSize != pixels) {
        // Unsized, with the frame's own byte order: the renderer keeps it as it is read.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pixels.width(), pixels.height(), 0, GL_BGRA,
                     GL_UNSIGNED_BYTE, nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        textureSize = pixels;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    const int columns = smoother.blockColumns();
    const int block = EdgeSmoother::blockSize;
    for (std::size_t first = 0; first < changed.size(); first += std::size_t(columns)) {
        const auto row = changed.begin() + std::ptrdiff_t(first);
        if (std::find(row, row + columns, 1) == row + columns) continue;
        const int top = int(first / std::size_t(columns)) * block;
        const int rows = std::min(block, pixels.height() - top);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, top, pixels.width(), rows, GL_BGRA, GL_UNSIGNED_BYTE,
                        frame.data() + std::size_t(top) * std::size_t(pixels.width()));
    }
    glPopAttrib();
}

// Each run of changed blocks in a row of blocks is one quad that copies the texture 1:1.
void SmoothingPass::drawBlocks(QSize pixels, const std::vector<std::uint8_t>& changed) {
    const int columns = smoother.blockColumns();
    const int block = EdgeSmoother::blockSize;
    const float width = float(pixels.width()), height = float(pixels.height());
    corners.clear();
    texels.clear();
    for (std::size_t i = 0; i < changed.size();) {
        if (!changed[i]) {
            ++i;
            continue;
        }
        const int row = int(i / std::size_t(columns));
        const int first = int(i % std::size_t(columns));
        int end = first;
        while (end < columns && changed[i]) ++end, ++i;
        const float left = float(first * block), right = std::min(float(end * block), width);
        const float bottom = float(row * block), top = std::min(float((row + 1) * block), height);
        for (const auto& [x, y] :
             {std::pair{left, bottom}, {right, bottom}, {right, top}, {left, top}}) {
            corners.insert(corners.end(), {x, y});
            texels.insert(texels.end(), {x / width, y / height});
        }
    }
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_POLYGON_BIT | GL_TRANSFORM_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    for (const GLenum matrix : {GL_PROJECTION, GL_MODELVIEW, GL_TEXTURE}) {
        glMatrixMode(matrix);
        glPushMatrix();
        glLoadIdentity();
    }
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, width, 0, height, -1, 1);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, corners.data());
    glTexCoordPointer(2, GL_FLOAT, 0, texels.data());
    glDrawArrays(GL_QUADS, 0, GLsizei(corners.size() / 2));
    for (const GLenum matrix : {GL_PROJECTION, GL_MODELVIEW, GL_TEXTURE}) {
        glMatrixMode(matrix);
        glPopMatrix();
    }
    glPopClientAttrib();
    glPopAttrib();
}
