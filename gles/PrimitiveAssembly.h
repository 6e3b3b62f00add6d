// What GL 1.1 draws for the vertices of one glBegin/glEnd: the primitive mode and the polygon
// mode give triangles, lines or points, as indices into those vertices.
//
// GL leaves open how a polygon is cut into triangles and in which order the corners of a triangle
// and the edges of an outline are taken; the order shows where colours are interpolated across a
// quad and which of two faces in one plane wins the depth test. The assembly takes them as Mesa's
// software renderer does, so that its pictures agree with libGL's on this renderer:
// - filled, a quad v0 v1 v2 v3 gives (v0 v1 v2)(v0 v2 v3), but (v0 v1 v3)(v1 v2 v3) in a
//   glBegin/glEnd that reaches outside the view volume, which Mesa sends through its clipper; the
//   quad v0 v1 v2 v3 of a strip, with the outline v0 v1 v3 v2, gives (v2 v0 v3)(v0 v1 v3); a
//   polygon the fan (v1 v2 v0)(v2 v3 v0) ...; strips and fans as GL defines them;
// - GL_LINE draws the edges of each polygon's outline, so a quad shows no diagonal while every
//   triangle of a strip or fan shows all three edges; GL_POINT draws each polygon's corners.
// Vertices that do not complete a primitive are dropped, as GL drops them.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

namespace gles {

enum class PrimitiveKind { Triangles, Lines, Points };

// True for the ten primitive modes of glBegin.
bool isBeginMode(GLenum mode);

// Appends to `indices` what a glBegin(mode) with vertexCount vertices draws, and says whether
// those are triangles, lines or points. `reachesOutside`: a vertex lies outside the view volume.
PrimitiveKind assemblePrimitive(GLenum mode, std::uint32_t vertexCount, GLenum polygonMode,
                                bool reachesOutside, std::vector<std::uint32_t>& indices);

} // namespace gles
