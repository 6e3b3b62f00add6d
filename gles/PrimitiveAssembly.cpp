#include "gles/PrimitiveAssembly.h"

namespace gles {

namespace {

// A triangle of a polygon, and which of its edges a -> b, b -> c, c -> a belong to the polygon's
// outline (the others are diagonals inside it).
struct Triangle {
    std::uint32_t a, b, c;
    unsigned outline;
};
constexpr unsigned edgeAB = 1, edgeBC = 2, edgeCA = 4, allEdges = 7;

// The triangles of the polygon modes in Mesa's order.
template <typename Visit> void forEachTriangle(GLenum mode, std::uint32_t n, Visit visit) {
    switch (mode) {
    case GL_TRIANGLES:
        for (std::uint32_t i = 0; i + 2 < n; i += 3) visit({i, i + 1, i + 2, allEdges});
        break;
    case GL_TRIANGLE_STRIP:
        // Every second triangle is turned round, so that all keep the strip's winding.
        for (std::uint32_t i = 0; i + 2 < n; ++i)
            visit(i % 2 == 0 ? Triangle{i, i + 1, i + 2, allEdges}
                             : Triangle{i + 1, i, i + 2, allEdges});
        break;
    case GL_TRIANGLE_FAN:
        for (std::uint32_t i = 1; i + 1 < n; ++i) visit({0, i, i + 1, allEdges});
        break;
    case GL_QUADS:
        for (std::uint32_t i = 0; i + 3 < n; i += 4) {
            visit({i, i + 1, i + 3, edgeAB | edgeCA});
            visit({i + 1, i + 2, i + 3, edgeAB | edgeBC});
        }
        break;
    case GL_QUAD_STRIP:
        for (std::uint32_t i = 0; i + 3 < n; i += 2) {
            visit({i + 2, i, i + 3, edgeAB | edgeCA});
            visit({i, i + 1, i + 3, edgeAB | edgeBC});
        }
        break;
    case GL_POLYGON:
        for (std::uint32_t i = 1; i + 1 < n; ++i) {
            unsigned outline = edgeAB;
            if (i == 1) outline |= edgeCA;
            if (i + 2 == n) outline |= edgeBC;
            visit({i, i + 1, 0, outline});
        }
        break;
    default:
        break;
    }
}

PrimitiveKind assemblePolygons(GLenum mode, std::uint32_t n, GLenum polygonMode,
                               bool reachesOutside, std::vector<std::uint32_t>& out) {
    if (polygonMode == GL_LINE) {
        forEachTriangle(mode, n, [&](const Triangle& t) {
            if (t.outline & edgeCA) out.insert(out.end(), {t.c, t.a});
            if (t.outline & edgeAB) out.insert(out.end(), {t.a, t.b});
            if (t.outline & edgeBC) out.insert(out.end(), {t.b, t.c});
        });
        return PrimitiveKind::Lines;
    }
    if (polygonMode == GL_POINT) {
        forEachTriangle(mode, n, [&](const Triangle& t) {
            if (t.outline & edgeAB) out.push_back(t.a);
            if (t.outline & edgeBC) out.push_back(t.b);
            if (t.outline & edgeCA) out.push_back(t.c);
        });
        return PrimitiveKind::Points;
    }
    if (mode == GL_QUADS && !reachesOutside) {
        for (std::uint32_t i = 0; i + 3 < n; i += 4)
            out.insert(out.end(), {i, i + 1, i + 2, i, i + 2, i + 3});
        return PrimitiveKind::Triangles;
    }
    forEachTriangle(mode, n, [&](const Triangle& t) { out.insert(out.end(), {t.a, t.b, t.c}); });
    return PrimitiveKind::Triangles;
}

} // namespace

bool isBeginMode(GLenum mode) {
    return mode <= GL_POLYGON; // GL_POINTS is 0, the modes are numbered without a gap
}

PrimitiveKind assemblePrimitive(GLenum mode, std::uint32_t n, GLenum polygonMode,
                                bool reachesOutside, std::vector<std::uint32_t>& out) {
    switch (mode) {
    case GL_POINTS:
        for (std::uint32_t i = 0; i < n; ++i) out.push_back(i);
        return PrimitiveKind::Points;
    case GL_LINES:
        for (std::uint32_t i = 0; i + 1 < n; i += 2) out.insert(out.end(), {i, i + 1});
        return PrimitiveKind::Lines;
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
        for (std::uint32_t i = 0; i + 1 < n; ++i) out.insert(out.end(), {i, i + 1});
        if (mode == GL_LINE_LOOP && n >= 2) out.insert(out.end(), {n - 1, 0});
        return PrimitiveKind::Lines;
    default:
        return assemblePolygons(mode, n, polygonMode, reachesOutside, out);
    }
}

} // namespace gles
