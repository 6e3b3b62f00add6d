#include "RecordingEs.h"

#include <algorithm>
#include <cstring>

namespace esdouble {

namespace {

Recording recording;
GLuint nextName = 1;
std::map<GLuint, std::string> shaderSources;
std::map<GLuint, std::set<GLuint>> programShaders;

void called(const char* name) {
    recording.calls.emplace_back(name);
}

GLuint newObject() {
    recording.liveObjects.insert(nextName);
    return nextName++;
}

void newObjects(GLsizei n, GLuint* names) {
    for (GLsizei i = 0; i < n; ++i) names[i] = newObject();
}

void deleteObjects(GLsizei n, const GLuint* names) {
    for (GLsizei i = 0; i < n; ++i) recording.liveObjects.erase(names[i]);
}

bool isEnabled(GLenum cap) {
    const auto it = recording.enabled.find(cap);
    return it != recording.enabled.end() && it->second;
}

void GL_APIENTRY attachShader(GLuint program, GLuint shader) {
    called("glAttachShader");
    programShaders[program].insert(shader);
}
void GL_APIENTRY bindBuffer(GLenum, GLuint) {
    called("glBindBuffer");
}
void GL_APIENTRY bindTexture(GLenum, GLuint texture) {
    called("glBindTexture");
    recording.boundTexture = texture;
}
void GL_APIENTRY bindVertexArray(GLuint) {
    called("glBindVertexArray");
}
void GL_APIENTRY blendFunc(GLenum source, GLenum destination) {
    called("glBlendFunc");
    recording.blendSource = source;
    recording.blendDestination = destination;
}
std::vector<std::uint8_t>& bufferOf(GLenum target) {
    return target == GL_ELEMENT_ARRAY_BUFFER ? recording.indexData : recording.vertexData;
}
void GL_APIENTRY bufferData(GLenum target, GLsizeiptr size, const void* data, GLenum) {
    called("glBufferData");
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (bytes)
        bufferOf(target).assign(bytes, bytes + size);
    else
        bufferOf(target).assign(std::size_t(size), 0);
}
void GL_APIENTRY bufferSubData(GLenum target, GLintptr offset, GLsizeiptr size, const void* data) {
    called("glBufferSubData");
    std::vector<std::uint8_t>& store = bufferOf(target);
    if (std::size_t(offset + size) > store.size()) {
        recording.errors.push_back("glBufferSubData beyond the buffer's storage");
        return;
    }
    std::memcpy(store.data() + offset, data, std::size_t(size));
    recording.bytesUploaded += std::size_t(size);
}
void GL_APIENTRY clear(GLbitfield mask) {
    called("glClear");
    recording.clears.push_back(mask);
}
void GL_APIENTRY clearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    called("glClearColor");
    recording.clearColour = {r, g, b, a};
}
void GL_APIENTRY compileShader(GLuint) {
    called("glCompileShader");
}
GLuint GL_APIENTRY createProgram() {
    called("glCreateProgram");
    return newObject();
}
GLuint GL_APIENTRY createShader(GLenum) {
    called("glCreateShader");
    return newObject();
}
void GL_APIENTRY deleteBuffers(GLsizei n, const GLuint* names) {
    called("glDeleteBuffers");
    deleteObjects(n, names);
}
void GL_APIENTRY deleteProgram(GLuint program) {
    called("glDeleteProgram");
    deleteObjects(1, &program);
}
void GL_APIENTRY deleteShader(GLuint shader) {
    called("glDeleteShader");
    deleteObjects(1, &shader);
}
void GL_APIENTRY deleteTextures(GLsizei n, const GLuint* names) {
    called("glDeleteTextures");
    deleteObjects(n, names);
}
void GL_APIENTRY deleteVertexArrays(GLsizei n, const GLuint* names) {
    called("glDeleteVertexArrays");
    deleteObjects(n, names);
}
void GL_APIENTRY disable(GLenum cap) {
    called("glDisable");
    recording.enabled[cap] = false;
}
void GL_APIENTRY drawElements(GLenum mode, GLsizei count, GLenum, const void* offset) {
    called("glDrawElements");
    Draw draw{mode,
              {},
              isEnabled(GL_DEPTH_TEST),
              isEnabled(GL_BLEND),
              recording.blendSource,
              recording.blendDestination,
              recording.textured,
              recording.boundTexture};
    const std::size_t first = reinterpret_cast<std::size_t>(offset) / sizeof(std::uint32_t);
    for (std::size_t i = first; i < first + std::size_t(count); ++i) {
        std::uint32_t index;
        std::memcpy(&index, &recording.indexData[i * sizeof index], sizeof index);
        gles::Vertex v;
        std::memcpy(&v, &recording.vertexData[index * sizeof v], sizeof v);
        draw.vertices.push_back(v);
    }
    recording.draws.push_back(std::move(draw));
}
void GL_APIENTRY enable(GLenum cap) {
    called("glEnable");
    recording.enabled[cap] = true;
}
void GL_APIENTRY enableVertexAttribArray(GLuint) {
    called("glEnableVertexAttribArray");
}
void GL_APIENTRY flush() {
    called("glFlush");
    ++recording.flushes;
}
void GL_APIENTRY genBuffers(GLsizei n, GLuint* names) {
    called("glGenBuffers");
    newObjects(n, names);
}
void GL_APIENTRY genTextures(GLsizei n, GLuint* names) {
    called("glGenTextures");
    newObjects(n, names);
}
void GL_APIENTRY genVertexArrays(GLsizei n, GLuint* names) {
    called("glGenVertexArrays");
    newObjects(n, names);
}
void GL_APIENTRY getProgramInfoLog(GLuint, GLsizei size, GLsizei*, GLchar* log) {
    called("glGetProgramInfoLog");
    std::strncpy(log, "link failed", std::size_t(size));
}
void GL_APIENTRY getProgramiv(GLuint, GLenum, GLint* value) {
    called("glGetProgramiv");
    *value = GL_TRUE;
}
void GL_APIENTRY getShaderInfoLog(GLuint, GLsizei size, GLsizei*, GLchar* log) {
    called("glGetShaderInfoLog");
    std::strncpy(log, "syntax error", std::size_t(size));
}
void GL_APIENTRY getShaderiv(GLuint, GLenum, GLint* value) {
    called("glGetShaderiv");
    *value = recording.shadersFail ? GL_FALSE : GL_TRUE;
}
void GL_APIENTRY linkProgram(GLuint) {
    called("glLinkProgram");
}
void GL_APIENTRY shaderSource(GLuint shader, GLsizei count, const GLchar* const* parts,
                              const GLint*) {
    called("glShaderSource");
    for (GLsizei i = 0; i < count; ++i) shaderSources[shader] += parts[i];
}
void GL_APIENTRY texImage2D(GLenum, GLint, GLint, GLsizei width, GLsizei height, GLint, GLenum,
                            GLenum, const void* pixels) {
    called("glTexImage2D");
    Texture& texture = recording.textures[recording.boundTexture];
    texture.width = width;
    texture.height = height;
    const auto* bytes = static_cast<const std::uint8_t*>(pixels);
    texture.texels.assign(bytes, bytes + std::size_t(width) * std::size_t(height) * 4);
}
void GL_APIENTRY texParameteri(GLenum, GLenum name, GLint value) {
    called("glTexParameteri");
    recording.textures[recording.boundTexture].parameters[name] = value;
}
// A program samples its texture where one of its shaders was built with TEXTURED set.
void GL_APIENTRY useProgram(GLuint program) {
    called("glUseProgram");
    recording.textured = false;
    for (const GLuint shader : programShaders[program])
        if (shaderSources[shader].find("#define TEXTURED 1") != std::string::npos)
            recording.textured = true;
}
void GL_APIENTRY vertexAttribPointer(GLuint, GLint, GLenum, GLboolean, GLsizei, const void*) {
    called("glVertexAttribPointer");
}
void GL_APIENTRY viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    called("glViewport");
    recording.viewports.push_back({x, y, width, height});
}

struct Entry {
    const char* name;
    void* function;
};

const Entry entries[] = {
    {"glAttachShader", reinterpret_cast<void*>(&attachShader)},
    {"glBindBuffer", reinterpret_cast<void*>(&bindBuffer)},
    {"glBindTexture", reinterpret_cast<void*>(&bindTexture)},
    {"glBindVertexArray", reinterpret_cast<void*>(&bindVertexArray)},
    {"glBlendFunc", reinterpret_cast<void*>(&blendFunc)},
    {"glBufferData", reinterpret_cast<void*>(&bufferData)},
    {"glBufferSubData", reinterpret_cast<void*>(&bufferSubData)},
    {"glClear", reinterpret_cast<void*>(&clear)},
    {"glClearColor", reinterpret_cast<void*>(&clearColor)},
    {"glCompileShader", reinterpret_cast<void*>(&compileShader)},
    {"glCreateProgram", reinterpret_cast<void*>(&createProgram)},
    {"glCreateShader", reinterpret_cast<void*>(&createShader)},
    {"glDeleteBuffers", reinterpret_cast<void*>(&deleteBuffers)},
    {"glDeleteProgram", reinterpret_cast<void*>(&deleteProgram)},
    {"glDeleteShader", reinterpret_cast<void*>(&deleteShader)},
    {"glDeleteTextures", reinterpret_cast<void*>(&deleteTextures)},
    {"glDeleteVertexArrays", reinterpret_cast<void*>(&deleteVertexArrays)},
    {"glDisable", reinterpret_cast<void*>(&disable)},
    {"glDrawElements", reinterpret_cast<void*>(&drawElements)},
    {"glEnable", reinterpret_cast<void*>(&enable)},
    {"glEnableVertexAttribArray", reinterpret_cast<void*>(&enableVertexAttribArray)},
    {"glFlush", reinterpret_cast<void*>(&flush)},
    {"glGenBuffers", reinterpret_cast<void*>(&genBuffers)},
    {"glGenTextures", reinterpret_cast<void*>(&genTextures)},
    {"glGenVertexArrays", reinterpret_cast<void*>(&genVertexArrays)},
    {"glGetProgramInfoLog", reinterpret_cast<void*>(&getProgramInfoLog)},
    {"glGetProgramiv", reinterpret_cast<void*>(&getProgramiv)},
    {"glGetShaderInfoLog", reinterpret_cast<void*>(&getShaderInfoLog)},
    {"glGetShaderiv", reinterpret_cast<void*>(&getShaderiv)},
    {"glLinkProgram", reinterpret_cast<void*>(&linkProgram)},
    {"glShaderSource", reinterpret_cast<void*>(&shaderSource)},
    {"glTexImage2D", reinterpret_cast<void*>(&texImage2D)},
    {"glTexParameteri", reinterpret_cast<void*>(&texParameteri)},
    {"glUseProgram", reinterpret_cast<void*>(&useProgram)},
    {"glVertexAttribPointer", reinterpret_cast<void*>(&vertexAttribPointer)},
    {"glViewport", reinterpret_cast<void*>(&viewport)},
};

} // namespace

int Recording::count(const std::string& name) const {
    return int(std::count(calls.begin(), calls.end(), name));
}

std::size_t Recording::find(const std::string& name, std::size_t from) const {
    const auto it =
        std::find(calls.begin() + std::ptrdiff_t(std::min(from, calls.size())), calls.end(), name);
    return std::size_t(it - calls.begin());
}

Recording& es() {
    return recording;
}

void resetRecording() {
    recording = Recording{};
    nextName = 1;
    shaderSources.clear();
    programShaders.clear();
}

void* recordingProcAddress(const char* name) {
    if (recording.withheld.count(name)) return nullptr;
    for (const Entry& entry : entries)
        if (std::strcmp(entry.name, name) == 0) return entry.function;
    return nullptr;
}

} // namespace esdouble
