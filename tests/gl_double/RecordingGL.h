// A recording stand-in for the GL 1.1 and GLU entry points the program calls. Test binaries
// link it instead of libGL: it keeps the matrix stacks as GL does and records every primitive
// with its vertices transformed to world space (by the model-view matrix), the colour of each
// vertex and the state that affects how it would look. Misuse that real GL would reject
// (unbalanced stacks, nested glBegin, state calls inside glBegin/glEnd) is collected in errors.
#pragma once

#include <GL/gl.h>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace gldouble {

using Matrix = std::array<float, 16>; // column-major, as GL stores it

struct Vec3 {
    float x, y, z;
};

struct Vertex {
    Vec3 position;               // model-view applied
    std::array<float, 4> colour; // current colour, unclamped as passed to GL
    std::array<float, 2> texCoord;
};

struct Primitive {
    GLenum mode;
    std::vector<Vertex> vertices;
    bool blend;
    GLenum blendSrc, blendDst;
    bool texture2D;
    bool depthTest;
    GLenum polygonMode;
    int textureWidth, textureHeight; // of the image of the texture bound while it was drawn
    const GLvoid* texturePixels;     // that image's texels, as GL keeps them
    GLuint calledList;               // innermost display list being replayed, 0 outside lists
};

// A texture as GL keeps it: the image last specified for it (GL copies the pixels) and its
// parameters. Name 0 is the default texture.
struct TextureObject {
    int width = 0, height = 0;
    std::vector<unsigned char> texels; // RGBA bytes, rows as specified
    std::map<GLenum, float> parameters;
};

struct Recorder {
    std::vector<Primitive> primitives;
    std::vector<std::string> errors;

    // GL state
    std::vector<Matrix> modelview{identity()};
    std::vector<Matrix> projection{identity()};
    std::vector<Matrix> textureStack{identity()};
    GLenum matrixMode = GL_MODELVIEW;
    std::map<GLenum, bool> enabled;
    GLenum blendSrc = GL_ONE, blendDst = GL_ZERO;
    GLenum polygonMode = GL_FILL;
    std::array<float, 4> colour{1, 1, 1, 1};
    std::array<float, 2> texCoord{0, 0};
    std::array<float, 4> clearColour{0, 0, 0, 0};
    std::array<int, 4> viewport{0, 0, 0, 0};
    int clearCount = 0;
    GLbitfield lastClearMask = 0;
    int flushCount = 0;
    int textureUploads = 0;
    std::map<GLuint, TextureObject> textures{{0, TextureObject{}}};
    GLuint boundTexture = 0;
    bool inBegin = false;

    // Display lists: calls made between glNewList and glEndList are stored, not executed.
    std::map<GLuint, std::vector<std::function<void()>>> lists;
    GLuint compilingList = 0;
    std::vector<GLuint> callStack;

    TextureObject& texture() { return textures[boundTexture]; }
    static Matrix identity();
    const Matrix& current() const;
    Matrix& current();
    bool isEnabled(GLenum cap) const;
};

// The one recorder the GL functions write to.
Recorder& gl();

// Forget everything: primitives, errors, lists, and all state back to GL's initial values.
void reset();

// Helpers for assertions.
Vec3 transform(const Matrix& m, Vec3 v);
std::vector<Vertex> allVertices();
std::vector<const Primitive*> primitivesOfMode(GLenum mode);
struct Bounds {
    Vec3 min, max;
    bool empty;
};
Bounds boundsOf(const std::vector<Vertex>& vertices);
Bounds allBounds();
size_t vertexCount();
// True when the model-view stack is back at one matrix and that matrix is the identity.
bool modelviewAtIdentity();

} // namespace gldouble
