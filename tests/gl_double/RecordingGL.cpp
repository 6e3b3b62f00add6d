#include "RecordingGL.h"

#include <GL/glu.h>

#include <cmath>

namespace gldouble {

namespace {

Recorder recorder;

Matrix multiply(const Matrix& a, const Matrix& b) {
    Matrix r{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[col * 4 + k];
            r[col * 4 + row] = sum;
        }
    return r;
}

void multiplyCurrent(const Matrix& m) {
    Matrix& c = recorder.current();
    c = multiply(c, m);
}

// While a display list is being compiled, calls are stored in it instead of being executed.
bool storedInList(std::function<void()> call) {
    if (recorder.compilingList == 0) return false;
    recorder.lists[recorder.compilingList].push_back(std::move(call));
    return true;
}

void error(const std::string& text) {
    recorder.errors.push_back(text);
}

void requireOutsideBegin(const char* name) {
    if (recorder.inBegin) error(std::string(name) + " inside glBegin/glEnd");
}

std::vector<Matrix>& currentStack() {
    switch (recorder.matrixMode) {
    case GL_PROJECTION:
        return recorder.projection;
    case GL_TEXTURE:
        return recorder.textureStack;
    default:
        return recorder.modelview;
    }
}

} // namespace

Matrix Recorder::identity() {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

const Matrix& Recorder::current() const {
    return const_cast<Recorder*>(this)->current();
}

Matrix& Recorder::current() {
    return currentStack().back();
}

bool Recorder::isEnabled(GLenum cap) const {
    const auto it = enabled.find(cap);
    return it != enabled.end() && it->second;
}

Recorder& gl() {
    return recorder;
}

void reset() {
    recorder = Recorder{};
    recorder.enabled[GL_DITHER] = true;
}

Vec3 transform(const Matrix& m, Vec3 v) {
    const float x = m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12];
    const float y = m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13];
    const float z = m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14];
    const float w = m[3] * v.x + m[7] * v.y + m[11] * v.z + m[15];
    return {x / w, y / w, z / w};
}

std::vector<Vertex> allVertices() {
    std::vector<Vertex> out;
    for (const auto& p : recorder.primitives)
        out.insert(out.end(), p.vertices.begin(), p.vertices.end());
    return out;
}

std::vector<const Primitive*> primitivesOfMode(GLenum mode) {
    std::vector<const Primitive*> out;
    for (const auto& p : recorder.primitives)
        if (p.mode == mode) out.push_back(&p);
    return out;
}

Bounds boundsOf(const std::vector<Vertex>& vertices) {
    Bounds b{{INFINITY, INFINITY, INFINITY}, {-INFINITY, -INFINITY, -INFINITY}, vertices.empty()};
    for (const auto& v : vertices) {
        b.min = {std::fmin(b.min.x, v.position.x), std::fmin(b.min.y, v.position.y),
                 std::fmin(b.min.z, v.position.z)};
        b.max = {std::fmax(b.max.x, v.position.x), std::fmax(b.max.y, v.position.y),
                 std::fmax(b.max.z, v.position.z)};
    }
    return b;
}

Bounds allBounds() {
    return boundsOf(allVertices());
}

size_t vertexCount() {
    size_t n = 0;
    for (const auto& p : recorder.primitives) n += p.vertices.size();
    return n;
}

bool modelviewAtIdentity() {
    return recorder.modelview.size() == 1 && recorder.modelview[0] == Recorder::identity();
}

} // namespace gldouble

using gldouble::Matrix;
using gldouble::recorder;

extern "C" {

void GLAPIENTRY glBegin(GLenum mode) {
    if (gldouble::storedInList([=] { glBegin(mode); })) return;
    if (recorder.inBegin) gldouble::error("glBegin inside glBegin/glEnd");
    recorder.inBegin = true;
    gldouble::Primitive p{};
    p.mode = mode;
    p.blend = recorder.isEnabled(GL_BLEND);
    p.blendSrc = recorder.blendSrc;
    p.blendDst = recorder.blendDst;
    p.texture2D = recorder.isEnabled(GL_TEXTURE_2D);
    p.depthTest = recorder.isEnabled(GL_DEPTH_TEST);
    p.polygonMode = recorder.polygonMode;
    const gldouble::TextureObject& texture = recorder.texture();
    p.textureWidth = texture.width;
    p.textureHeight = texture.height;
    p.texturePixels = texture.texels.empty() ? nullptr : texture.texels.data();
    p.calledList = recorder.callStack.empty() ? 0 : recorder.callStack.back();
    recorder.primitives.push_back(std::move(p));
}

void GLAPIENTRY glEnd() {
    if (gldouble::storedInList([] { glEnd(); })) return;
    if (!recorder.inBegin) gldouble::error("glEnd without glBegin");
    recorder.inBegin = false;
}

void GLAPIENTRY glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    if (gldouble::storedInList([=] { glVertex3f(x, y, z); })) return;
    if (!recorder.inBegin) {
        gldouble::error("glVertex outside glBegin/glEnd");
        return;
    }
    const auto world = gldouble::transform(recorder.modelview.back(), {x, y, z});
    recorder.primitives.back().vertices.push_back({world, recorder.colour, recorder.texCoord});
}

void GLAPIENTRY glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    if (gldouble::storedInList([=] { glColor3f(r, g, b); })) return;
    recorder.colour = {r, g, b, 1};
}

void GLAPIENTRY glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    if (gldouble::storedInList([=] { glColor4f(r, g, b, a); })) return;
    recorder.colour = {r, g, b, a};
}

void GLAPIENTRY glTexCoord2f(GLfloat s, GLfloat t) {
    if (gldouble::storedInList([=] { glTexCoord2f(s, t); })) return;
    recorder.texCoord = {s, t};
}

void GLAPIENTRY glMatrixMode(GLenum mode) {
    if (gldouble::storedInList([=] { glMatrixMode(mode); })) return;
    gldouble::requireOutsideBegin("glMatrixMode");
    recorder.matrixMode = mode;
}

void GLAPIENTRY glLoadIdentity() {
    if (gldouble::storedInList([] { glLoadIdentity(); })) return;
    gldouble::requireOutsideBegin("glLoadIdentity");
    recorder.current() = gldouble::Recorder::identity();
}

void GLAPIENTRY glPushMatrix() {
    if (gldouble::storedInList([] { glPushMatrix(); })) return;
    gldouble::requireOutsideBegin("glPushMatrix");
    auto& stack = gldouble::currentStack();
    if (stack.size() >= 32) gldouble::error("matrix stack overflow");
    stack.push_back(stack.back());
}

void GLAPIENTRY glPopMatrix() {
    if (gldouble::storedInList([] { glPopMatrix(); })) return;
    gldouble::requireOutsideBegin("glPopMatrix");
    auto& stack = gldouble::currentStack();
    if (stack.size() <= 1) {
        gldouble::error("matrix stack underflow");
        return;
    }
    stack.pop_back();
}

void GLAPIENTRY glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    if (gldouble::storedInList([=] { glTranslatef(x, y, z); })) return;
    gldouble::requireOutsideBegin("glTranslatef");
    Matrix m = gldouble::Recorder::identity();
    m[12] = x, m[13] = y, m[14] = z;
    gldouble::multiplyCurrent(m);
}

void GLAPIENTRY glScalef(GLfloat x, GLfloat y, GLfloat z) {
    if (gldouble::storedInList([=] { glScalef(x, y, z); })) return;
    gldouble::requireOutsideBegin("glScalef");
    Matrix m = gldouble::Recorder::identity();
    m[0] = x, m[5] = y, m[10] = z;
    gldouble::multiplyCurrent(m);
}

void GLAPIENTRY glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    if (gldouble::storedInList([=] { glRotatef(angle, x, y, z); })) return;
    gldouble::requireOutsideBegin("glRotatef");
    const double len = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
    if (len == 0) return;
    const double ux = x / len, uy = y / len, uz = z / len;
    const double a = angle * 3.14159265358979323846 / 180.0;
    const double c = std::cos(a), s = std::sin(a), t = 1 - c;
    Matrix m = gldouble::Recorder::identity();
    m[0] = float(t * ux * ux + c), m[4] = float(t * ux * uy - s * uz),
    m[8] = float(t * ux * uz + s * uy);
    m[1] = float(t * ux * uy + s * uz), m[5] = float(t * uy * uy + c),
    m[9] = float(t * uy * uz - s * ux);
    m[2] = float(t * ux * uz - s * uy), m[6] = float(t * uy * uz + s * ux),
    m[10] = float(t * uz * uz + c);
    gldouble::multiplyCurrent(m);
}

void GLAPIENTRY glMultMatrixd(const GLdouble* values) {
    std::array<GLdouble, 16> copy;
    for (int i = 0; i < 16; ++i) copy[i] = values[i];
    if (gldouble::storedInList([copy] { glMultMatrixd(copy.data()); })) return;
    Matrix m;
    for (int i = 0; i < 16; ++i) m[i] = float(copy[i]);
    gldouble::requireOutsideBegin("glMultMatrixd");
    gldouble::multiplyCurrent(m);
}

void GLAPIENTRY glEnable(GLenum cap) {
    if (gldouble::storedInList([=] { glEnable(cap); })) return;
    gldouble::requireOutsideBegin("glEnable");
    recorder.enabled[cap] = true;
}

void GLAPIENTRY glDisable(GLenum cap) {
    if (gldouble::storedInList([=] { glDisable(cap); })) return;
    gldouble::requireOutsideBegin("glDisable");
    recorder.enabled[cap] = false;
}

GLboolean GLAPIENTRY glIsEnabled(GLenum cap) {
    return recorder.isEnabled(cap) ? GL_TRUE : GL_FALSE;
}

void GLAPIENTRY glBlendFunc(GLenum src, GLenum dst) {
    if (gldouble::storedInList([=] { glBlendFunc(src, dst); })) return;
    gldouble::requireOutsideBegin("glBlendFunc");
    recorder.blendSrc = src;
    recorder.blendDst = dst;
}

void GLAPIENTRY glPolygonMode(GLenum face, GLenum mode) {
    if (gldouble::storedInList([=] { glPolygonMode(face, mode); })) return;
    gldouble::requireOutsideBegin("glPolygonMode");
    if (face != GL_FRONT_AND_BACK) gldouble::error("glPolygonMode expected GL_FRONT_AND_BACK");
    if (mode != GL_FILL && mode != GL_LINE && mode != GL_POINT)
        gldouble::error("glPolygonMode with an invalid mode");
    recorder.polygonMode = mode;
}

void GLAPIENTRY glClear(GLbitfield mask) {
    if (gldouble::storedInList([=] { glClear(mask); })) return;
    gldouble::requireOutsideBegin("glClear");
    ++recorder.clearCount;
    recorder.lastClearMask = mask;
}

void GLAPIENTRY glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    if (gldouble::storedInList([=] { glClearColor(r, g, b, a); })) return;
    gldouble::requireOutsideBegin("glClearColor");
    recorder.clearColour = {r, g, b, a};
}

void GLAPIENTRY glViewport(GLint x, GLint y, GLsizei w, GLsizei h) {
    gldouble::requireOutsideBegin("glViewport");
    if (w < 0 || h < 0) gldouble::error("glViewport with a negative size");
    recorder.viewport = {x, y, w, h};
}

void GLAPIENTRY glFlush() {
    gldouble::requireOutsideBegin("glFlush");
    ++recorder.flushCount;
}

GLenum GLAPIENTRY glGetError() {
    return GL_NO_ERROR;
}

void GLAPIENTRY glTexImage2D(GLenum, GLint, GLint, GLsizei width, GLsizei height, GLint, GLenum,
                             GLenum, const GLvoid* pixels) {
    if (gldouble::storedInList([=] {
            glTexImage2D(GL_TEXTURE_2D, 0, 3, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
        }))
        return;
    gldouble::requireOutsideBegin("glTexImage2D");
    ++recorder.textureUploads;
    gldouble::TextureObject& texture = recorder.texture();
    texture.width = width;
    texture.height = height;
    const auto* bytes = static_cast<const unsigned char*>(pixels);
    if (bytes)
        texture.texels.assign(bytes, bytes + std::size_t(width) * std::size_t(height) * 4);
    else
        texture.texels.clear();
}

void GLAPIENTRY glTexParameteri(GLenum, GLenum name, GLint value) {
    if (gldouble::storedInList([=] { glTexParameteri(GL_TEXTURE_2D, name, value); })) return;
    recorder.texture().parameters[name] = float(value);
}

void GLAPIENTRY glTexParameterf(GLenum, GLenum name, GLfloat value) {
    if (gldouble::storedInList([=] { glTexParameterf(GL_TEXTURE_2D, name, value); })) return;
    recorder.texture().parameters[name] = value;
}

void GLAPIENTRY glGenTextures(GLsizei n, GLuint* textures) {
    gldouble::requireOutsideBegin("glGenTextures");
    GLuint next = recorder.textures.rbegin()->first + 1;
    for (GLsizei i = 0; i < n; ++i) {
        textures[i] = next;
        recorder.textures[next++];
    }
}

void GLAPIENTRY glBindTexture(GLenum, GLuint texture) {
    if (gldouble::storedInList([=] { glBindTexture(GL_TEXTURE_2D, texture); })) return;
    gldouble::requireOutsideBegin("glBindTexture");
    recorder.boundTexture = texture;
    recorder.textures[texture]; // binding an unused name creates the texture, as in GL 1.1
}

void GLAPIENTRY glDeleteTextures(GLsizei n, const GLuint* textures) {
    gldouble::requireOutsideBegin("glDeleteTextures");
    for (GLsizei i = 0; i < n; ++i) {
        if (textures[i] == 0) continue;
        recorder.textures.erase(textures[i]);
        if (recorder.boundTexture == textures[i]) recorder.boundTexture = 0;
    }
}

void GLAPIENTRY glNewList(GLuint list, GLenum) {
    if (recorder.compilingList != 0) gldouble::error("glNewList inside glNewList");
    recorder.compilingList = list;
    recorder.lists[list].clear();
}

void GLAPIENTRY glEndList() {
    if (recorder.compilingList == 0) gldouble::error("glEndList without glNewList");
    recorder.compilingList = 0;
}

GLboolean GLAPIENTRY glIsList(GLuint list) {
    return recorder.lists.count(list) ? GL_TRUE : GL_FALSE;
}

void GLAPIENTRY glCallList(GLuint list) {
    if (gldouble::storedInList([=] { glCallList(list); })) return;
    const auto it = recorder.lists.find(list);
    if (it == recorder.lists.end()) return; // GL ignores undefined lists
    recorder.callStack.push_back(list);
    const auto calls = it->second;
    for (const auto& call : calls) call();
    recorder.callStack.pop_back();
}

void GLAPIENTRY gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    const double f = 1.0 / std::tan(fovy * 3.14159265358979323846 / 360.0);
    std::array<GLdouble, 16> m{};
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (zFar + zNear) / (zNear - zFar);
    m[11] = -1;
    m[14] = 2 * zFar * zNear / (zNear - zFar);
    for (double v : m)
        if (!std::isfinite(v)) gldouble::error("gluPerspective produced a non-finite matrix");
    glMultMatrixd(m.data());
}

} // extern "C"
