// A recording stand-in for the OpenGL ES functions the layer calls, handed to it through its
// loader in place of EGL's. It keeps the ES state the layer sets and records every call by name,
// and for each draw call the state it was drawn with and the vertices it drew, read back from the
// uploaded buffers. The layer's tests link it with the layer and the unchanged drawing code.
#pragma once

#include "gles/DrawBatches.h"
#include "gles/EsFunctions.h"

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace esdouble {

struct Draw {
    GLenum mode;
    std::vector<gles::Vertex> vertices; // in the order of the indices drawn
    bool depthTest, blend;
    GLenum blendSource, blendDestination;
    bool textured;
    GLuint texture; // the ES texture bound
};

struct Texture {
    GLsizei width = 0, height = 0;
    std::vector<std::uint8_t> texels;
    std::map<GLenum, GLint> parameters;
};

struct Recording {
    std::vector<std::string> calls; // every call by its name ("glDrawElements")
    std::vector<Draw> draws;
    std::map<GLuint, Texture> textures;
    std::vector<GLbitfield> clears;
    std::vector<std::array<GLint, 4>> viewports;
    std::array<GLfloat, 4> clearColour{0, 0, 0, 0};
    int flushes = 0;
    std::size_t bytesUploaded = 0;
    std::vector<std::string> errors; // calls real ES would refuse

    // Set by a test beforehand: the names the loader does not find, a shader that fails.
    std::set<std::string> withheld;
    bool shadersFail = false;

    // ES state
    std::map<GLenum, bool> enabled;
    GLenum blendSource = GL_ONE, blendDestination = GL_ZERO;
    bool textured = false; // the program in use samples the texture
    GLuint boundTexture = 0;
    std::vector<std::uint8_t> vertexData, indexData;
    std::set<GLuint> liveObjects; // shaders, programs, buffers, vertex arrays, textures

    // Calls of this name so far.
    int count(const std::string& name) const;
    // Position of the first call of this name at or after `from`; calls.size() where none.
    std::size_t find(const std::string& name, std::size_t from = 0) const;
};

Recording& es();
// Forgets every call and all state, as for a new context.
void resetRecording();
// The recording's function of that ES name; null for one it lacks or withholds.
void* recordingProcAddress(const char* name);

} // namespace esdouble
