// The GL 1.1 and GLU entry points, with C linkage and GL's signatures, so that the drawing code
// links against them where it would link libGL and libGLU. Each hands its call to the current
// context; while a display list is compiled, the calls GL stores in lists are recorded instead.
#include "gles/Context.h"
#include "gles/TextureImage.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <memory>
#include <utility>

using gles::Context;

namespace {

// Runs the call on the current context, or records it in the list being compiled.
template <typename Call> void runOrRecord(Call&& call) {
    Context* context = gles::currentContext();
    if (!context) return;
    if (context->compiling())
        context->record(std::forward<Call>(call));
    else
        call(*context);
}

// Runs the call at once, also while a list is compiled: GL does not store it in lists.
template <typename Call> auto runNow(Call&& call) {
    Context* context = gles::currentContext();
    return context ? call(*context) : decltype(call(*context))();
}

// A float parameter as the enum value it names; a value no int holds names none (-1).
GLint enumOf(GLfloat value) {
    return std::isfinite(value) && std::fabs(value) < 2147483648.0f ? GLint(value) : -1;
}

} // namespace

extern "C" {

void GLAPIENTRY glBegin(GLenum mode) {
    runOrRecord([=](Context& c) { c.begin(mode); });
}

void GLAPIENTRY glEnd() {
    runOrRecord([](Context& c) { c.end(); });
}

void GLAPIENTRY glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    runOrRecord([=](Context& c) { c.vertex(x, y, z); });
}

void GLAPIENTRY glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
    runOrRecord([=](Context& c) { c.colour(red, green, blue, 1); });
}

void GLAPIENTRY glColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    runOrRecord([=](Context& c) { c.colour(red, green, blue, alpha); });
}

void GLAPIENTRY glTexCoord2f(GLfloat s, GLfloat t) {
    runOrRecord([=](Context& c) { c.texCoord(s, t); });
}

void GLAPIENTRY glMatrixMode(GLenum mode) {
    runOrRecord([=](Context& c) { c.matrixMode(mode); });
}

void GLAPIENTRY glLoadIdentity() {
    runOrRecord([](Context& c) { c.loadIdentity(); });
}

void GLAPIENTRY glPushMatrix() {
    runOrRecord([](Context& c) { c.pushMatrix(); });
}

void GLAPIENTRY glPopMatrix() {
    runOrRecord([](Context& c) { c.popMatrix(); });
}

void GLAPIENTRY glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    runOrRecord([=](Context& c) { c.multiplyMatrix("glTranslatef", gles::translation(x, y, z)); });
}

void GLAPIENTRY glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    runOrRecord([=](Context& c) { c.multiplyMatrix("glRotatef", gles::rotation(angle, x, y, z)); });
}

void GLAPIENTRY glScalef(GLfloat x, GLfloat y, GLfloat z) {
    runOrRecord([=](Context& c) { c.multiplyMatrix("glScalef", gles::scaling(x, y, z)); });
}

void GLAPIENTRY glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top,
                        GLdouble zNear, GLdouble zFar) {
    runOrRecord([=](Context& c) {
        if (left == right || bottom == top || zNear == zFar)
            c.report("glOrtho with an empty box, ignored");
        else
            c.multiplyMatrix("glOrtho", gles::ortho(left, right, bottom, top, zNear, zFar));
    });
}

void GLAPIENTRY gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    runOrRecord([=](Context& c) {
        c.multiplyMatrix("gluPerspective", gles::perspective(fovy, aspect, zNear, zFar));
    });
}

void GLAPIENTRY glEnable(GLenum capability) {
    runOrRecord([=](Context& c) { c.setEnabled(capability, true); });
}

void GLAPIENTRY glDisable(GLenum capability) {
    runOrRecord([=](Context& c) { c.setEnabled(capability, false); });
}

GLboolean GLAPIENTRY glIsEnabled(GLenum capability) {
    return runNow([=](Context& c) -> GLboolean { return c.isEnabled(capability); });
}

void GLAPIENTRY glBlendFunc(GLenum source, GLenum destination) {
    runOrRecord([=](Context& c) { c.blendFunc(source, destination); });
}

void GLAPIENTRY glPolygonMode(GLenum face, GLenum mode) {
    runOrRecord([=](Context& c) { c.polygonMode(face, mode); });
}

void GLAPIENTRY glClear(GLbitfield mask) {
    runOrRecord([=](Context& c) { c.clear(mask); });
}

void GLAPIENTRY glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    runOrRecord([=](Context& c) { c.clearColour(red, green, blue, alpha); });
}

void GLAPIENTRY glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    runOrRecord([=](Context& c) { c.viewport(x, y, width, height); });
}

void GLAPIENTRY glFlush() {
    runNow([](Context& c) { c.flush(); });
}

void GLAPIENTRY glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                             GLsizei height, GLint border, GLenum format, GLenum type,
                             const GLvoid* pixels) {
    const auto call = [=](Context& c, const void* texels) {
        c.texImage2D(target, level, internalFormat, width, height, border, format, type, texels);
    };
    Context* context = gles::currentContext();
    if (context && context->compiling()) {
        // A list keeps its own copy of the image, as GL copies it when the list is compiled.
        const std::size_t bytes = gles::sourceBytes(width, height, format, type);
        const auto* from = static_cast<const unsigned char*>(pixels);
        auto copy = std::make_shared<std::vector<unsigned char>>();
        if (from) copy->assign(from, from + bytes);
        context->record([=](Context& c) { call(c, copy->empty() ? nullptr : copy->data()); });
        return;
    }
    runNow([&](Context& c) { call(c, pixels); });
}

void GLAPIENTRY glTexParameteri(GLenum target, GLenum parameter, GLint value) {
    runOrRecord([=](Context& c) { c.texParameter(target, parameter, value); });
}

void GLAPIENTRY glTexParameterf(GLenum target, GLenum parameter, GLfloat value) {
    runOrRecord([=](Context& c) { c.texParameter(target, parameter, enumOf(value)); });
}

void GLAPIENTRY glGenTextures(GLsizei n, GLuint* textures) {
    runNow([=](Context& c) { c.genTextures(n, textures); });
}

void GLAPIENTRY glBindTexture(GLenum target, GLuint texture) {
    runOrRecord([=](Context& c) { c.bindTexture(target, texture); });
}

GLuint GLAPIENTRY glGenLists(GLsizei range) {
    return runNow([=](Context& c) { return c.genLists(range); });
}

void GLAPIENTRY glNewList(GLuint list, GLenum mode) {
    runNow([=](Context& c) { c.newList(list, mode); });
}

void GLAPIENTRY glEndList() {
    runNow([](Context& c) { c.endList(); });
}

void GLAPIENTRY glCallList(GLuint list) {
    runOrRecord([=](Context& c) { c.callList(list); });
}

} // extern "C"
