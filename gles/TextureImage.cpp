#include "gles/TextureImage.h"

#include "gles/Reports.h"

namespace gles {

namespace {

// Components of an internal format; 0 for one the layer does not keep.
int componentsOf(GLint internalFormat) {
    switch (internalFormat) {
    case 3:
    case GL_RGB:
    case GL_RGB8:
        return 3;
    case 4:
    case GL_RGBA:
    case GL_RGBA8:
        return 4;
    default:
        return 0;
    }
}

// Bytes of one source row: GL unpacks rows aligned to four bytes by default.
std::size_t rowBytes(std::size_t width, std::size_t components) {
    return (width * components + 3) / 4 * 4;
}

} // namespace

std::size_t sourceBytes(GLsizei width, GLsizei height, GLenum format, GLenum type) {
    if ((format != GL_RGB && format != GL_RGBA) || type != GL_UNSIGNED_BYTE) return 0;
    if (width <= 0 || height <= 0) return 0;
    return rowBytes(std::size_t(width), format == GL_RGBA ? 4 : 3) * std::size_t(height);
}

std::optional<std::vector<std::uint8_t>> rgbaTexels(GLint internalFormat, GLsizei width,
                                                    GLsizei height, GLenum format, GLenum type,
                                                    const void* pixels, std::string& unsupported) {
    const int components = componentsOf(internalFormat);
    if (components == 0) {
        unsupported = callWith("glTexImage2D internal format", unsigned(internalFormat));
        return std::nullopt;
    }
    if (format != GL_RGB && format != GL_RGBA) {
        unsupported = callWith("glTexImage2D format", format);
        return std::nullopt;
    }
    if (type != GL_UNSIGNED_BYTE) {
        unsupported = callWith("glTexImage2D type", type);
        return std::nullopt;
    }
    if (width < 0 || height < 0) {
        unsupported = "glTexImage2D with a negative size";
        return std::nullopt;
    }
    const std::size_t w = std::size_t(width), h = std::size_t(height);
    std::vector<std::uint8_t> rgba(w * h * 4, 0);
    const std::size_t sourceComponents = format == GL_RGBA ? 4 : 3;
    const std::size_t stride = rowBytes(w, sourceComponents);
    const auto* source = static_cast<const std::uint8_t*>(pixels);
    for (std::size_t y = 0; y < h; ++y)
        for (std::size_t x = 0; x < w; ++x) {
            std::uint8_t* texel = &rgba[(y * w + x) * 4];
            if (source) {
                const std::uint8_t* from = source + y * stride + x * sourceComponents;
                for (std::size_t c = 0; c < sourceComponents; ++c) texel[c] = from[c];
            }
            if (components == 3 || sourceComponents == 3) texel[3] = 255;
        }
    return rgba;
}

} // namespace gles
