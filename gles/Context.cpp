#include "gles/Context.h"

#include "gles/PointPixels.h"
#include "gles/PrimitiveAssembly.h"
#include "gles/TextureImage.h"

#include <algorithm>
#include <cmath>

namespace gles {

namespace {

constexpr int maxListNesting = 64; // GL_MAX_LIST_NESTING of GL 1.1 implementations

// GL clamps fixed-function colours to 0 .. 1; a NaN becomes 0.
float clampedColour(float value) {
    return value > 0 ? std::min(value, 1.0f) : 0.0f;
}

// Outside the clip volume. Mesa clips a glBegin/glEnd that has such a vertex, and that decides
// how it splits the quads (see PrimitiveAssembly.h).
bool outsideViewVolume(const Vertex& v) {
    const float w = v.position[3];
    return std::fabs(v.position[0]) > w || std::fabs(v.position[1]) > w ||
           std::fabs(v.position[2]) > w;
}

bool isBlendFactor(GLenum factor) {
    return factor == GL_ZERO || factor == GL_ONE ||
           (factor >= GL_SRC_COLOR && factor <= GL_SRC_ALPHA_SATURATE);
}

bool isTextureParameterValue(GLenum parameter, GLint value) {
    switch (parameter) {
    case GL_TEXTURE_MAG_FILTER:
        return value == GL_NEAREST || value == GL_LINEAR;
    case GL_TEXTURE_MIN_FILTER:
        return value == GL_NEAREST || value == GL_LINEAR ||
               (value >= GL_NEAREST_MIPMAP_NEAREST && value <= GL_LINEAR_MIPMAP_LINEAR);
    case GL_TEXTURE_WRAP_S:
    case GL_TEXTURE_WRAP_T:
        // GL_CLAMP has no ES counterpart; GL_CLAMP_TO_EDGE and GL_MIRRORED_REPEAT do.
        return value == GL_REPEAT || value == GL_CLAMP_TO_EDGE || value == GL_MIRRORED_REPEAT;
    default:
        return false;
    }
}

} // namespace

Context::Context(std::unique_ptr<EsRenderer> renderer, ReportSink sink)
    : renderer(std::move(renderer)), reports(std::move(sink)) {}

Context::~Context() = default;

bool Context::refusedInsideBegin(const char* caller) {
    if (!insideBegin) return false;
    report(std::string(caller) + " between glBegin and glEnd, ignored");
    return true;
}

// --- Between glBegin and glEnd

void Context::begin(GLenum mode) {
    if (refusedInsideBegin("glBegin")) return;
    if (!isBeginMode(mode)) {
        report(callWith("glBegin", mode) + ": not a primitive mode, ignored");
        return;
    }
    insideBegin = true;
    beginMode = mode;
    primitiveVertices.clear();
}

void Context::end() {
    if (!insideBegin) {
        report("glEnd without glBegin, ignored");
        return;
    }
    insideBegin = false;
    primitiveIndices.clear();
    const PrimitiveKind kind = assemblePrimitive(
        beginMode, std::uint32_t(primitiveVertices.size()), polygonModeValue,
        std::any_of(primitiveVertices.begin(), primitiveVertices.end(), outsideViewVolume),
        primitiveIndices);
    if (kind == PrimitiveKind::Points) centreOnPixels(primitiveVertices, viewportBox);
    batches.add(drawState(kind), primitiveVertices, primitiveIndices);
}

void Context::vertex(float x, float y, float z) {
    if (!insideBegin) {
        report("glVertex3f outside glBegin/glEnd, ignored");
        return;
    }
    Vertex v;
    const Vec4 clip = transformPoint(modelViewProjection(), x, y, z);
    std::copy(clip.begin(), clip.end(), v.position);
    std::copy(std::begin(currentColour), std::end(currentColour), v.colour);
    std::copy(std::begin(currentTexCoord), std::end(currentTexCoord), v.texCoord);
    primitiveVertices.push_back(v);
}

void Context::colour(float red, float green, float blue, float alpha) {
    currentColour[0] = clampedColour(red);
    currentColour[1] = clampedColour(green);
    currentColour[2] = clampedColour(blue);
    currentColour[3] = clampedColour(alpha);
}

void Context::texCoord(float s, float t) {
    currentTexCoord[0] = s;
    currentTexCoord[1] = t;
}

// --- Matrices

MatrixStack& Context::currentStack() {
    return matrixModeValue == GL_PROJECTION ? projection : modelView;
}

const Matrix& Context::modelViewProjection() {
    if (mvpStale) {
        mvp = product(projection.top(), modelView.top());
        mvpStale = false;
    }
    return mvp;
}

void Context::matrixMode(GLenum mode) {
    if (refusedInsideBegin("glMatrixMode")) return;
    if (mode != GL_MODELVIEW && mode != GL_PROJECTION) {
        report(callWith("glMatrixMode", mode) + ": only the model-view and projection stacks are "
                                                "kept, ignored");
        return;
    }
    matrixModeValue = mode;
}

void Context::loadIdentity() {
    if (refusedInsideBegin("glLoadIdentity")) return;
    currentStack().load(identityMatrix);
    mvpStale = true;
}

void Context::pushMatrix() {
    if (refusedInsideBegin("glPushMatrix")) return;
    if (!currentStack().push()) report("glPushMatrix: stack overflow, ignored");
}

void Context::popMatrix() {
    if (refusedInsideBegin("glPopMatrix")) return;
    if (!currentStack().pop()) report("glPopMatrix: stack underflow, ignored");
    mvpStale = true;
}

void Context::multiplyMatrix(const char* caller, const Matrix& m) {
    if (refusedInsideBegin(caller)) return;
    currentStack().multiply(m);
    mvpStale = true;
}

// --- State

void Context::setEnabled(GLenum capability, bool on) {
    const char* caller = on ? "glEnable" : "glDisable";
    if (refusedInsideBegin(caller)) return;
    switch (capability) {
    case GL_DEPTH_TEST:
        depthTest = on;
        break;
    case GL_BLEND:
        blend = on;
        break;
    case GL_TEXTURE_2D:
        texture2D = on;
        break;
    default:
        report(callWith(caller, capability) + ": not supported, ignored");
    }
}

bool Context::isEnabled(GLenum capability) {
    switch (capability) {
    case GL_DEPTH_TEST:
        return depthTest;
    case GL_BLEND:
        return blend;
    case GL_TEXTURE_2D:
        return texture2D;
    default:
        report(callWith("glIsEnabled", capability) + ": not supported");
        return false;
    }
}

void Context::blendFunc(GLenum source, GLenum destination) {
    if (refusedInsideBegin("glBlendFunc")) return;
    if (!isBlendFactor(source) || !isBlendFactor(destination)) {
        report(callWith("glBlendFunc", isBlendFactor(source) ? destination : source) +
               ": not a blend factor, ignored");
        return;
    }
    blendSource = source;
    blendDestination = destination;
}

void Context::polygonMode(GLenum face, GLenum mode) {
    if (refusedInsideBegin("glPolygonMode")) return;
    if (face != GL_FRONT_AND_BACK) {
        report(callWith("glPolygonMode", face) + ": only GL_FRONT_AND_BACK is kept, ignored");
        return;
    }
    if (mode != GL_FILL && mode != GL_LINE && mode != GL_POINT) {
        report(callWith("glPolygonMode", mode) + ": not a polygon mode, ignored");
        return;
    }
    polygonModeValue = mode;
}

DrawState Context::drawState(PrimitiveKind kind) const {
    DrawState state;
    state.kind = kind;
    state.depthTest = depthTest;
    state.blend = blend;
    if (blend) state.blendSource = blendSource, state.blendDestination = blendDestination;
    // GL 1.1 draws untextured where the bound texture is incomplete.
    state.textured = texture2D && textureComplete(boundTexture);
    if (state.textured) state.texture = boundTexture;
    return state;
}

// --- The frame

void Context::submit() {
    renderer->draw(batches);
    batches.clear();
}

void Context::clear(GLbitfield mask) {
    if (refusedInsideBegin("glClear")) return;
    constexpr GLbitfield kept = GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
    if (mask & ~kept)
        report(callWith("glClear", mask) + ": only colour, depth and stencil "
                                           "buffers are cleared");
    submit();
    renderer->clear(mask & kept);
}

void Context::clearColour(float red, float green, float blue, float alpha) {
    if (refusedInsideBegin("glClearColor")) return;
    renderer->clearColour(clampedColour(red), clampedColour(green), clampedColour(blue),
                          clampedColour(alpha));
}

void Context::viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (refusedInsideBegin("glViewport")) return;
    if (width < 0 || height < 0) {
        report("glViewport with a negative size, ignored");
        return;
    }
    submit();
    viewportBox = {x, y, width, height};
    renderer->viewport(x, y, width, height);
}

void Context::flush() {
    if (refusedInsideBegin("glFlush")) return;
    submit();
    renderer->flush();
}

// --- Textures

void Context::genTextures(GLsizei n, GLuint* names) {
    if (refusedInsideBegin("glGenTextures")) return;
    GLuint next = 1;
    for (GLsizei i = 0; i < n; ++i) {
        while (textures.count(next)) ++next;
        textures[next];
        names[i] = next;
    }
}

void Context::bindTexture(GLenum target, GLuint name) {
    if (refusedInsideBegin("glBindTexture")) return;
    if (target != GL_TEXTURE_2D) {
        report(callWith("glBindTexture", target) + ": only 2D textures are kept, ignored");
        return;
    }
    textures[name]; // binding an unused name makes the texture, as in GL 1.1
    boundTexture = name;
}

void Context::texImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                         GLsizei height, GLint border, GLenum format, GLenum type,
                         const void* pixels) {
    if (refusedInsideBegin("glTexImage2D")) return;
    if (target != GL_TEXTURE_2D || level != 0 || border != 0) {
        report("glTexImage2D: only level 0 of a 2D texture without border is kept, ignored");
        return;
    }
    std::string unsupported;
    const auto rgba = rgbaTexels(internalFormat, width, height, format, type, pixels, unsupported);
    if (!rgba) {
        report(unsupported + ": not supported, ignored");
        return;
    }
    submit(); // what is drawn so far shows the texture as it was
    TextureInfo& info = textures[boundTexture];
    info.width = width;
    info.height = height;
    renderer->specifyTexture(boundTexture, width, height, *rgba);
}

void Context::texParameter(GLenum target, GLenum parameter, GLint value) {
    if (refusedInsideBegin("glTexParameter")) return;
    if (target != GL_TEXTURE_2D || !isTextureParameterValue(parameter, value)) {
        report(callWith("glTexParameter", parameter, GLenum(value)) + ": not supported, ignored");
        return;
    }
    submit();
    if (parameter == GL_TEXTURE_MIN_FILTER) textures[boundTexture].minFilter = GLenum(value);
    renderer->textureParameter(boundTexture, parameter, value);
}

bool Context::textureComplete(GLuint name) const {
    const auto it = textures.find(name);
    if (it == textures.end()) return false;
    const TextureInfo& info = it->second;
    // Only level 0 is kept, so a filter that needs mipmaps leaves the texture incomplete.
    return info.width > 0 && info.height > 0 &&
           (info.minFilter == GL_NEAREST || info.minFilter == GL_LINEAR);
}

// --- Display lists

GLuint Context::genLists(GLsizei range) {
    if (refusedInsideBegin("glGenLists")) return 0;
    return lists.generate(range);
}

void Context::newList(GLuint list, GLenum mode) {
    if (refusedInsideBegin("glNewList")) return;
    if (list == 0 || mode != GL_COMPILE || lists.compiling()) {
        report("glNewList: a list is compiled only with GL_COMPILE, one at a time and with a "
               "name other than 0, ignored");
        return;
    }
    lists.begin(list);
}

void Context::endList() {
    if (refusedInsideBegin("glEndList")) return;
    if (!lists.compiling()) {
        report("glEndList without glNewList, ignored");
        return;
    }
    lists.end();
}

void Context::callList(GLuint list) {
    const auto* commands = lists.find(list);
    if (!commands) return; // GL ignores a list that was never defined
    if (callDepth >= maxListNesting) {
        report("glCallList: lists nested deeper than 64, ignored");
        return;
    }
    ++callDepth;
    for (const auto& command : *commands) command(*this);
    --callDepth;
}

} // namespace gles
