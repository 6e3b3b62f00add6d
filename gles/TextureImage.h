// GL 1.1 texture images as the layer keeps them on ES: eight-bit RGBA, rows as given.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gles {

// The texels of a glTexImage2D call as RGBA bytes. Internal formats with three components
// (3, GL_RGB, GL_RGB8) read alpha as 1 whatever the source holds; four (4, GL_RGBA, GL_RGBA8)
// keep it. Sources are GL_RGB or GL_RGBA unsigned bytes with rows aligned to four bytes, GL's
// default unpacking; a null source gives zero texels. Anything else: nothing, and `unsupported`
// says what it was.
std::optional<std::vector<std::uint8_t>> rgbaTexels(GLint internalFormat, GLsizei width,
                                                    GLsizei height, GLenum format, GLenum type,
                                                    const void* pixels, std::string& unsupported);

// Bytes of the source image glTexImage2D reads for these arguments; 0 for a format or type that
// rgbaTexels does not take.
std::size_t sourceBytes(GLsizei width, GLsizei height, GLenum format, GLenum type);

} // namespace gles
