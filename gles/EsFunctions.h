// The OpenGL ES 3.0 entry points the layer calls, held as pointers in one table. The layer itself
// defines GL 1.1 functions of the same names (glClear, glViewport, glEnable, glBindTexture ...),
// so it never calls an ES function by its name: on the desktop the caller fills the table through
// eglGetProcAddress, in the browser from emscripten's WebGL 2 functions, and the tests from a
// recording of the calls.
#pragma once

// Only the types and constants of the ES header: its prototypes would name the same functions.
#define GL_GLES_PROTOTYPES 0
#include <GLES3/gl3.h>

#include <string>
#include <vector>

namespace gles {

// Every function of the table: its pointer type and its name without the "gl" prefix.
#define NIVEAU_ES_FUNCTIONS(X)                                                                     \
    X(PFNGLATTACHSHADERPROC, AttachShader)                                                         \
    X(PFNGLBINDBUFFERPROC, BindBuffer)                                                             \
    X(PFNGLBINDTEXTUREPROC, BindTexture)                                                           \
    X(PFNGLBINDVERTEXARRAYPROC, BindVertexArray)                                                   \
    X(PFNGLBLENDFUNCPROC, BlendFunc)                                                               \
    X(PFNGLBUFFERDATAPROC, BufferData)                                                             \
    X(PFNGLBUFFERSUBDATAPROC, BufferSubData)                                                       \
    X(PFNGLCLEARPROC, Clear)                                                                       \
    X(PFNGLCLEARCOLORPROC, ClearColor)                                                             \
    X(PFNGLCOMPILESHADERPROC, CompileShader)                                                       \
    X(PFNGLCREATEPROGRAMPROC, CreateProgram)                                                       \
    X(PFNGLCREATESHADERPROC, CreateShader)                                                         \
    X(PFNGLDELETEBUFFERSPROC, DeleteBuffers)                                                       \
    X(PFNGLDELETEPROGRAMPROC, DeleteProgram)                                                       \
    X(PFNGLDELETESHADERPROC, DeleteShader)                                                         \
    X(PFNGLDELETETEXTURESPROC, DeleteTextures)                                                     \
    X(PFNGLDELETEVERTEXARRAYSPROC, DeleteVertexArrays)                                             \
    X(PFNGLDISABLEPROC, Disable)                                                                   \
    X(PFNGLDRAWELEMENTSPROC, DrawElements)                                                         \
    X(PFNGLENABLEPROC, Enable)                                                                     \
    X(PFNGLENABLEVERTEXATTRIBARRAYPROC, EnableVertexAttribArray)                                   \
    X(PFNGLFLUSHPROC, Flush)                                                                       \
    X(PFNGLGENBUFFERSPROC, GenBuffers)                                                             \
    X(PFNGLGENTEXTURESPROC, GenTextures)                                                           \
    X(PFNGLGENVERTEXARRAYSPROC, GenVertexArrays)                                                   \
    X(PFNGLGETPROGRAMINFOLOGPROC, GetProgramInfoLog)                                               \
    X(PFNGLGETPROGRAMIVPROC, GetProgramiv)                                                         \
    X(PFNGLGETSHADERINFOLOGPROC, GetShaderInfoLog)                                                 \
    X(PFNGLGETSHADERIVPROC, GetShaderiv)                                                           \
    X(PFNGLLINKPROGRAMPROC, LinkProgram)                                                           \
    X(PFNGLSHADERSOURCEPROC, ShaderSource)                                                         \
    X(PFNGLTEXIMAGE2DPROC, TexImage2D)                                                             \
    X(PFNGLTEXPARAMETERIPROC, TexParameteri)                                                       \
    X(PFNGLUSEPROGRAMPROC, UseProgram)                                                             \
    X(PFNGLVERTEXATTRIBPOINTERPROC, VertexAttribPointer)                                           \
    X(PFNGLVIEWPORTPROC, Viewport)

struct EsFunctions {
#define NIVEAU_ES_MEMBER(type, name) type name = nullptr;
    NIVEAU_ES_FUNCTIONS(NIVEAU_ES_MEMBER)
#undef NIVEAU_ES_MEMBER
};

// Looks up an ES function by its full name ("glDrawElements"); null when there is none.
using EsProcLoader = void* (*)(const char* name);

// Fills every entry of the table; returns the full names of the functions that were not found.
std::vector<std::string> loadEsFunctions(EsFunctions& es, EsProcLoader load);

} // namespace gles
