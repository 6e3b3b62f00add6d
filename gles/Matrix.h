// 4 x 4 matrices as GL 1.1 builds them, and its matrix stacks. Products are taken in single
// precision in the order GL uses, so that vertices land where the fixed-function pipeline puts
// them.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace gles {

using Matrix = std::array<float, 16>; // column-major, as GL stores it
using Vec4 = std::array<float, 4>;

inline constexpr Matrix identityMatrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// a times b: b is applied first.
Matrix product(const Matrix& a, const Matrix& b);
Vec4 transformPoint(const Matrix& m, float x, float y, float z);

Matrix translation(float x, float y, float z);
Matrix scaling(float x, float y, float z);
// Rotation by angle degrees about (x, y, z); a rotation about a coordinate axis is built without
// normalising it, so that its zeros stay exact. A zero axis gives the identity.
Matrix rotation(float angle, float x, float y, float z);
// The matrices of gluPerspective and glOrtho, computed in double as GLU and GL take them.
Matrix perspective(double fovy, double aspect, double zNear, double zFar);
Matrix ortho(double left, double right, double bottom, double top, double zNear, double zFar);

// A matrix stack of GL's fixed depth. Push and pop return false, leaving the stack as it was,
// where GL reports a stack overflow or underflow.
class MatrixStack {
  public:
    explicit MatrixStack(std::size_t depth) : depth(depth) {}

    const Matrix& top() const { return matrices.back(); }
    void load(const Matrix& m) { matrices.back() = m; }
    void multiply(const Matrix& m) { matrices.back() = product(matrices.back(), m); }
    bool push();
    bool pop();

  private:
    std::size_t depth;
    std::vector<Matrix> matrices{identityMatrix};
};

} // namespace gles
