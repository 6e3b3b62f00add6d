// The path through the layer: an ES 3.0 context whose functions the layer loads through EGL, with
// the draw calls counted on their way to ES.
#include "OffscreenPath.h"

#include "gles/Layer.h"
#include "overlay/gl/FontLists.h"

#include <GL/gl.h>

#include <cstring>
#include <stdexcept>

namespace {

long long esDraws = 0;
PFNGLDRAWELEMENTSPROC realDrawElements = nullptr;

void GL_APIENTRY countedDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    ++esDraws;
    realDrawElements(mode, count, type, indices);
}

void* countingProcAddress(const char* name) {
    void* function = EglOffscreen::procAddress(name);
    if (std::strcmp(name, "glDrawElements") != 0 || !function) return function;
    realDrawElements = reinterpret_cast<PFNGLDRAWELEMENTSPROC>(function);
    return reinterpret_cast<void*>(&countedDrawElements);
}

} // namespace

OffscreenPath::OffscreenPath(int width, int height) : offscreen(OffscreenApi::Es3, width, height) {
    const bool started = gles::StartLayer(
        countingProcAddress, [this](const std::string& message) { reported.push_back(message); });
    if (!started)
        throw std::runtime_error("the layer did not start: " +
                                 (reported.empty() ? std::string() : reported.front()));
    glEnable(GL_DEPTH_TEST);
    BuildFontLists(DrawFontPictures());
}

OffscreenPath::~OffscreenPath() {
    gles::StopLayer();
}

const char* OffscreenPath::name() {
    return "GL 1.1 on ES 3";
}

long long OffscreenPath::drawCalls() {
    return esDraws;
}
