// The ES side of the layer: the shader pair, one vertex array with its two buffers, and the
// textures. It uploads the collected batches once per submission and draws each with one call,
// setting only the state that changes between them. The only part of the layer that calls ES.
#pragma once

#include "gles/DrawBatches.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace gles {

struct EsFunctions;

class EsRenderer {
  public:
    // Builds the shader pair and the buffers in the ES context current now. Null, with the
    // shader compiler's or linker's message in `error`, where that fails.
    static std::unique_ptr<EsRenderer> create(const EsFunctions& es, std::string& error);
    ~EsRenderer();
    EsRenderer(const EsRenderer&) = delete;
    EsRenderer& operator=(const EsRenderer&) = delete;

    void draw(const DrawBatches& batches);
    void clear(GLbitfield mask);
    void clearColour(float red, float green, float blue, float alpha);
    void viewport(GLint x, GLint y, GLsizei width, GLsizei height);
    void flush();

    // Textures by their GL 1.1 names; the ES texture behind a name is made on first use.
    void specifyTexture(GLuint name, GLsizei width, GLsizei height,
                        const std::vector<std::uint8_t>& rgba);
    void textureParameter(GLuint name, GLenum parameter, GLint value);

  private:
    struct Objects {
        GLuint untextured = 0, textured = 0; // the programs
        GLuint vertexArray = 0;
        GLuint vertexBuffer = 0;
        GLuint indexBuffer = 0;
    };
    EsRenderer(const EsFunctions& es, const Objects& objects);

    void apply(const DrawState& state, const DrawState* previous);
    void upload(GLenum target, std::size_t bytes, const void* data, std::size_t& capacity);
    void bindTexture(GLuint name);

    const EsFunctions& es;
    Objects objects;
    std::size_t vertexCapacity = 0, indexCapacity = 0; // bytes the buffers hold
    std::map<GLuint, GLuint> textures;                 // GL 1.1 name -> ES name
};

} // namespace gles
