// The libGL path. The program is linked with glBegin and glCallList wrapped, so that the
// primitives the frame sends are counted on their way to libGL.
#include "OffscreenPath.h"

#include "overlay/gl/FontLists.h"

#include <GL/gl.h>

namespace {
long long primitives = 0;
}

extern "C" {
void __real_glBegin(GLenum mode);
void __real_glCallList(GLuint list);
void __wrap_glBegin(GLenum mode) {
    ++primitives;
    __real_glBegin(mode);
}
void __wrap_glCallList(GLuint list) {
    ++primitives;
    __real_glCallList(list);
}
}

OffscreenPath::OffscreenPath(int width, int height)
    : offscreen(OffscreenApi::DesktopCompatibility, width, height) {
    glEnable(GL_DEPTH_TEST);
    BuildFontLists(DrawFontPictures());
}

OffscreenPath::~OffscreenPath() = default;

const char* OffscreenPath::name() {
    return "libGL";
}

long long OffscreenPath::drawCalls() {
    return primitives;
}
