// The GL 1.1 state machine of the layer: the current colour and texture coordinate, the primitive
// being built between glBegin and glEnd, both matrix stacks, the enables, blend function and
// polygon mode, the texture names and the display lists. Finished primitives go into the draw
// batches; the ES renderer draws them before a call that must not act on what is drawn so far
// (a clear, a viewport or texture change) and at glFlush.
#pragma once

#include "gles/DisplayLists.h"
#include "gles/DrawBatches.h"
#include "gles/EsRenderer.h"
#include "gles/Matrix.h"
#include "gles/PointPixels.h"
#include "gles/Reports.h"

#include <GL/gl.h>

#include <map>
#include <memory>

namespace gles {

class Context {
  public:
    Context(std::unique_ptr<EsRenderer> renderer, ReportSink sink);
    ~Context();

    // Between glBegin and glEnd
    void begin(GLenum mode);
    void end();
    void vertex(float x, float y, float z);
    void colour(float red, float green, float blue, float alpha);
    void texCoord(float s, float t);

    // Matrices; `caller` names the GL call in a report
    void matrixMode(GLenum mode);
    void loadIdentity();
    void pushMatrix();
    void popMatrix();
    void multiplyMatrix(const char* caller, const Matrix& m);

    // State
    void setEnabled(GLenum capability, bool on);
    // Depth test, blending and 2D texturing as set; false (and reported) for anything else.
    bool isEnabled(GLenum capability);
    void blendFunc(GLenum source, GLenum destination);
    void polygonMode(GLenum face, GLenum mode);

    // The frame
    void clear(GLbitfield mask);
    void clearColour(float red, float green, float blue, float alpha);
    void viewport(GLint x, GLint y, GLsizei width, GLsizei height);
    void flush();

    // Textures
    void genTextures(GLsizei n, GLuint* names);
    void bindTexture(GLenum target, GLuint name);
    void texImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                    GLint border, GLenum format, GLenum type, const void* pixels);
    void texParameter(GLenum target, GLenum parameter, GLint value);

    // Display lists: while one is compiled, the GL calls that go into lists are recorded in it
    GLuint genLists(GLsizei range);
    void newList(GLuint list, GLenum mode);
    void endList();
    bool compiling() const { return lists.compiling(); }
    void record(DisplayLists::Command command) { lists.record(std::move(command)); }
    void callList(GLuint list);

    // Says once that a call was not carried out.
    void report(const std::string& message) { reports.once(message); }

  private:
    struct TextureInfo {
        GLsizei width = 0, height = 0;
        GLenum minFilter = GL_NEAREST_MIPMAP_LINEAR; // GL's initial value
    };

    // True, with a report, for a call GL 1.1 refuses between glBegin and glEnd.
    bool refusedInsideBegin(const char* caller);
    MatrixStack& currentStack();
    const Matrix& modelViewProjection();
    DrawState drawState(PrimitiveKind kind) const;
    bool textureComplete(GLuint name) const;
    void submit();

    std::unique_ptr<EsRenderer> renderer;
    Reports reports;
    DrawBatches batches;
    DisplayLists lists;
    int callDepth = 0;

    // The primitive being built
    bool insideBegin = false;
    GLenum beginMode = GL_POINTS;
    std::vector<Vertex> primitiveVertices;
    std::vector<std::uint32_t> primitiveIndices;
    float currentColour[4] = {1, 1, 1, 1};
    float currentTexCoord[2] = {0, 0};

    // Matrices
    MatrixStack modelView{32};
    MatrixStack projection{32};
    GLenum matrixModeValue = GL_MODELVIEW;
    Matrix mvp = identityMatrix;
    bool mvpStale = false;

    // State
    bool depthTest = false;
    bool blend = false;
    bool texture2D = false;
    GLenum blendSource = GL_ONE, blendDestination = GL_ZERO;
    GLenum polygonModeValue = GL_FILL;
    Viewport viewportBox; // unknown (empty) until glViewport

    // Textures by GL 1.1 name; 0 is the default texture
    std::map<GLuint, TextureInfo> textures{{0, TextureInfo{}}};
    GLuint boundTexture = 0;
};

// The context the GL 1.1 functions act on: the started layer's, null before it starts.
Context* currentContext();

} // namespace gles
