#include "gles/EsRenderer.h"

#include "gles/EsFunctions.h"
#include "gles/Shaders.h"

#include <cstddef>
#include <initializer_list>

namespace gles {

namespace {

// A compiled shader from its parts, or 0 with the compiler's message in error.
GLuint compileShader(const EsFunctions& es, GLenum type, std::initializer_list<const char*> parts,
                     std::string& error) {
    const GLuint shader = es.CreateShader(type);
    es.ShaderSource(shader, GLsizei(parts.size()), parts.begin(), nullptr);
    es.CompileShader(shader);
    GLint compiled = GL_FALSE;
    es.GetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE) return shader;
    char log[1024] = {};
    es.GetShaderInfoLog(shader, sizeof log, nullptr, log);
    error = std::string(type == GL_VERTEX_SHADER ? "vertex" : "fragment") + " shader: " + log;
    es.DeleteShader(shader);
    return 0;
}

// The linked program of the shader pair, its fragment shader with the given header; 0 with the
// message in error.
GLuint linkProgram(const EsFunctions& es, const char* fragmentHeader, std::string& error) {
    const GLuint vertex = compileShader(es, GL_VERTEX_SHADER, {vertexShaderSource}, error);
    if (vertex == 0) return 0;
    const GLuint fragment =
        compileShader(es, GL_FRAGMENT_SHADER, {fragmentHeader, fragmentShaderBody}, error);
    if (fragment == 0) {
        es.DeleteShader(vertex);
        return 0;
    }
    GLuint program = es.CreateProgram();
    es.AttachShader(program, vertex);
    es.AttachShader(program, fragment);
    es.LinkProgram(program);
    // The program keeps them; deleting now frees them with it.
    es.DeleteShader(vertex);
    es.DeleteShader(fragment);
    GLint linked = GL_FALSE;
    es.GetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        char log[1024] = {};
        es.GetProgramInfoLog(program, sizeof log, nullptr, log);
        error = std::string("shader program: ") + log;
        es.DeleteProgram(program);
        program = 0;
    }
    return program;
}

void vertexAttribute(const EsFunctions& es, GLuint location, GLint size, std::size_t offset) {
    es.EnableVertexAttribArray(location);
    es.VertexAttribPointer(location, size, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                           reinterpret_cast<const void*>(offset));
}

GLenum esMode(PrimitiveKind kind) {
    switch (kind) {
    case PrimitiveKind::Lines:
        return GL_LINES;
    case PrimitiveKind::Points:
        return GL_POINTS;
    default:
        return GL_TRIANGLES;
    }
}

void setEnabled(const EsFunctions& es, GLenum cap, bool on) {
    if (on)
        es.Enable(cap);
    else
        es.Disable(cap);
}

} // namespace

std::unique_ptr<EsRenderer> EsRenderer::create(const EsFunctions& es, std::string& error) {
    Objects objects;
    objects.untextured = linkProgram(es, untexturedHeader, error);
    if (objects.untextured == 0) return nullptr;
    objects.textured = linkProgram(es, texturedHeader, error);
    if (objects.textured == 0) {
        es.DeleteProgram(objects.untextured);
        return nullptr;
    }

    es.GenVertexArrays(1, &objects.vertexArray);
    es.GenBuffers(1, &objects.vertexBuffer);
    es.GenBuffers(1, &objects.indexBuffer);
    es.BindVertexArray(objects.vertexArray);
    es.BindBuffer(GL_ARRAY_BUFFER, objects.vertexBuffer);
    vertexAttribute(es, positionAttribute, 4, offsetof(Vertex, position));
    vertexAttribute(es, colourAttribute, 4, offsetof(Vertex, colour));
    vertexAttribute(es, texCoordAttribute, 2, offsetof(Vertex, texCoord));
    es.BindBuffer(GL_ELEMENT_ARRAY_BUFFER, objects.indexBuffer);
    es.BindVertexArray(0);
    return std::unique_ptr<EsRenderer>(new EsRenderer(es, objects));
}

EsRenderer::EsRenderer(const EsFunctions& es, const Objects& objects) : es(es), objects(objects) {}

EsRenderer::~EsRenderer() {
    for (const auto& [name, texture] : textures) es.DeleteTextures(1, &texture);
    es.DeleteBuffers(1, &objects.indexBuffer);
    es.DeleteBuffers(1, &objects.vertexBuffer);
    es.DeleteVertexArrays(1, &objects.vertexArray);
    es.DeleteProgram(objects.textured);
    es.DeleteProgram(objects.untextured);
}

void EsRenderer::draw(const DrawBatches& batches) {
    if (batches.empty()) return;
    es.BindVertexArray(objects.vertexArray);
    es.BindBuffer(GL_ARRAY_BUFFER, objects.vertexBuffer);
    upload(GL_ARRAY_BUFFER, batches.vertices().size() * sizeof(Vertex), batches.vertices().data(),
           vertexCapacity);
    upload(GL_ELEMENT_ARRAY_BUFFER, batches.indices().size() * sizeof(std::uint32_t),
           batches.indices().data(), indexCapacity);
    const DrawState* previous = nullptr;
    for (const Batch& batch : batches.batches()) {
        apply(batch.state, previous);
        previous = &batch.state;
        es.DrawElements(esMode(batch.state.kind), GLsizei(batch.indexCount), GL_UNSIGNED_INT,
                        reinterpret_cast<const void*>(batch.firstIndex * sizeof(std::uint32_t)));
    }
    es.BindVertexArray(0);
}

// Copies into the buffer's storage, which is kept from one submission to the next and grows only
// when it is too small, instead of having the driver allocate several megabytes for every frame.
void EsRenderer::upload(GLenum target, std::size_t bytes, const void* data, std::size_t& capacity) {
    if (bytes > capacity) {
        capacity = bytes + bytes / 4;
        es.BufferData(target, GLsizeiptr(capacity), nullptr, GL_DYNAMIC_DRAW);
    }
    es.BufferSubData(target, 0, GLsizeiptr(bytes), data);
}

// Sets what differs from the state of the batch before; all of it for the first batch of a
// submission, since the caller may have changed ES state between frames.
void EsRenderer::apply(const DrawState& state, const DrawState* previous) {
    if (!previous || previous->depthTest != state.depthTest)
        setEnabled(es, GL_DEPTH_TEST, state.depthTest);
    if (!previous || previous->blend != state.blend) setEnabled(es, GL_BLEND, state.blend);
    if (state.blend && (!previous || previous->blendSource != state.blendSource ||
                        previous->blendDestination != state.blendDestination))
        es.BlendFunc(state.blendSource, state.blendDestination);
    if (!previous || previous->textured != state.textured)
        es.UseProgram(state.textured ? objects.textured : objects.untextured);
    if (state.textured && (!previous || previous->texture != state.texture))
        bindTexture(state.texture);
}

void EsRenderer::bindTexture(GLuint name) {
    auto it = textures.find(name);
    if (it == textures.end()) {
        GLuint texture = 0;
        es.GenTextures(1, &texture);
        it = textures.emplace(name, texture).first;
    }
    es.BindTexture(GL_TEXTURE_2D, it->second);
}

void EsRenderer::clear(GLbitfield mask) {
    es.Clear(mask);
}

void EsRenderer::clearColour(float red, float green, float blue, float alpha) {
    es.ClearColor(red, green, blue, alpha);
}

void EsRenderer::viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    es.Viewport(x, y, width, height);
}

void EsRenderer::flush() {
    es.Flush();
}

void EsRenderer::specifyTexture(GLuint name, GLsizei width, GLsizei height,
                                const std::vector<std::uint8_t>& rgba) {
    bindTexture(name);
    es.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                  rgba.data());
}

void EsRenderer::textureParameter(GLuint name, GLenum parameter, GLint value) {
    bindTexture(name);
    es.TexParameteri(GL_TEXTURE_2D, parameter, value);
}

} // namespace gles
