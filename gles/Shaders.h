// The one shader pair of the layer: vertices arrive in clip coordinates with their clamped
// colour, and a fragment is that colour, or the texel modulated by it where a texture is used
// (GL's default texture environment). The fragment shader is built twice, with and without the
// texture, so that untextured fragments, nearly all of them, take no branch.
#pragma once

namespace gles {

inline constexpr const char* vertexShaderSource = R"(#version 300 es
layout(location = 0) in vec4 position;
layout(location = 1) in vec4 colour;
layout(location = 2) in vec2 texCoord;
out vec4 vertexColour;
out vec2 vertexTexCoord;
void main() {
    gl_Position = position;
    gl_PointSize = 1.0;
    vertexColour = colour;
    vertexTexCoord = texCoord;
}
)";

// Put before the fragment shader's body: the first line of a shader must be its version.
inline constexpr const char* untexturedHeader = "#version 300 es\n#define TEXTURED 0\n";
inline constexpr const char* texturedHeader = "#version 300 es\n#define TEXTURED 1\n";

inline constexpr const char* fragmentShaderBody = R"(
precision highp float;
uniform sampler2D image;
in vec4 vertexColour;
in vec2 vertexTexCoord;
out vec4 fragmentColour;
void main() {
#if TEXTURED
    fragmentColour = texture(image, vertexTexCoord) * vertexColour;
#else
    fragmentColour = vertexColour;
#endif
}
)";

// Attribute locations of the vertex shader, matching the fields of Vertex.
inline constexpr unsigned positionAttribute = 0;
inline constexpr unsigned colourAttribute = 1;
inline constexpr unsigned texCoordAttribute = 2;

} // namespace gles
