#include "gles/Matrix.h"

#include <cmath>

namespace gles {

namespace {
constexpr double pi = 3.14159265358979323846;

// Element at row r, column c of a column-major matrix.
float& at(Matrix& m, int r, int c) {
    return m[std::size_t(c * 4 + r)];
}
} // namespace

Matrix product(const Matrix& a, const Matrix& b) {
    Matrix r{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            r[col * 4 + row] = a[row] * b[col * 4] + a[4 + row] * b[col * 4 + 1] +
                               a[8 + row] * b[col * 4 + 2] + a[12 + row] * b[col * 4 + 3];
    return r;
}

Vec4 transformPoint(const Matrix& m, float x, float y, float z) {
    return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14], m[3] * x + m[7] * y + m[11] * z + m[15]};
}

Matrix translation(float x, float y, float z) {
    Matrix m = identityMatrix;
    m[12] = x, m[13] = y, m[14] = z;
    return m;
}

Matrix scaling(float x, float y, float z) {
    Matrix m = identityMatrix;
    m[0] = x, m[5] = y, m[10] = z;
    return m;
}

Matrix rotation(float angle, float x, float y, float z) {
    const float s = std::sin(float(angle * pi / 180));
    const float c = std::cos(float(angle * pi / 180));
    Matrix m = identityMatrix;
    // About one coordinate axis: the sign of the axis turns the rotation round.
    const auto axisRotation = [&](int a, int b, float direction) {
        at(m, a, a) = c;
        at(m, b, b) = c;
        at(m, a, b) = direction < 0 ? s : -s;
        at(m, b, a) = direction < 0 ? -s : s;
        return m;
    };
    if (x == 0 && y == 0 && z != 0) return axisRotation(0, 1, z);
    if (x == 0 && z == 0 && y != 0) return axisRotation(2, 0, y);
    if (y == 0 && z == 0 && x != 0) return axisRotation(1, 2, x);

    const float length = std::sqrt(x * x + y * y + z * z);
    if (!(length > 1e-4f)) return m;
    x /= length, y /= length, z /= length;
    const float t = 1 - c;
    at(m, 0, 0) = t * x * x + c;
    at(m, 0, 1) = t * x * y - z * s;
    at(m, 0, 2) = t * z * x + y * s;
    at(m, 1, 0) = t * x * y + z * s;
    at(m, 1, 1) = t * y * y + c;
    at(m, 1, 2) = t * y * z - x * s;
    at(m, 2, 0) = t * z * x - y * s;
    at(m, 2, 1) = t * y * z + x * s;
    at(m, 2, 2) = t * z * z + c;
    return m;
}

Matrix perspective(double fovy, double aspect, double zNear, double zFar) {
    const double radians = fovy / 2 * pi / 180;
    const double deltaZ = zFar - zNear;
    const double sine = std::sin(radians);
    if (deltaZ == 0 || sine == 0 || aspect == 0) return identityMatrix; // GLU leaves it unchanged
    const double cotangent = std::cos(radians) / sine;
    Matrix m{};
    at(m, 0, 0) = float(cotangent / aspect);
    at(m, 1, 1) = float(cotangent);
    at(m, 2, 2) = float(-(zFar + zNear) / deltaZ);
    at(m, 3, 2) = -1;
    at(m, 2, 3) = float(-2 * zNear * zFar / deltaZ);
    return m;
}

Matrix ortho(double left, double right, double bottom, double top, double zNear, double zFar) {
    Matrix m = identityMatrix;
    at(m, 0, 0) = float(2 / (right - left));
    at(m, 0, 3) = float(-(right + left) / (right - left));
    at(m, 1, 1) = float(2 / (top - bottom));
    at(m, 1, 3) = float(-(top + bottom) / (top - bottom));
    at(m, 2, 2) = float(-2 / (zFar - zNear));
    at(m, 2, 3) = float(-(zFar + zNear) / (zFar - zNear));
    return m;
}

bool MatrixStack::push() {
    if (matrices.size() >= depth) return false;
    matrices.push_back(matrices.back());
    return true;
}

bool MatrixStack::pop() {
    if (matrices.size() <= 1) return false;
    matrices.pop_back();
    return true;
}

} // namespace gles
