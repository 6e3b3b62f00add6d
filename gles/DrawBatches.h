// The vertices and indices collected since the last submission, in drawing order, cut into
// batches of one drawing state each. A primitive joins the batch before it only where nothing
// that affects its pixels differs, so one draw call per batch gives the pictures of GL 1.1.
#pragma once

#include "gles/PrimitiveAssembly.h"

#include <cstdint>
#include <span>
#include <vector>

namespace gles {

struct Vertex {
    float position[4]; // clip coordinates: projection and model-view applied
    float colour[4];   // clamped to 0 .. 1, as GL clamps fixed-function colours
    float texCoord[2];
};

// Everything besides the vertices that decides how a primitive is drawn. Blend factors are zero
// when blending is off and the texture is 0 when texturing is off, so equal looks compare equal.
struct DrawState {
    PrimitiveKind kind = PrimitiveKind::Triangles;
    bool depthTest = false;
    bool blend = false;
    GLenum blendSource = 0, blendDestination = 0;
    bool textured = false;
    GLuint texture = 0; // the GL 1.1 name of the bound texture

    bool operator==(const DrawState&) const = default;
};

struct Batch {
    DrawState state;
    std::uint32_t firstIndex;
    std::uint32_t indexCount;
};

class DrawBatches {
  public:
    // Appends one primitive: its vertices and the indices into them of what is drawn.
    void add(const DrawState& state, std::span<const Vertex> vertices,
             std::span<const std::uint32_t> indices);

    bool empty() const { return batches_.empty(); }
    const std::vector<Vertex>& vertices() const { return vertices_; }
    const std::vector<std::uint32_t>& indices() const { return indices_; }
    const std::vector<Batch>& batches() const { return batches_; }
    // Forgets everything, keeping the memory for the next frame.
    void clear();

  private:
    std::vector<Vertex> vertices_;
    std::vector<std::uint32_t> indices_;
    std::vector<Batch> batches_;
};

} // namespace gles
