// What the program makes of the GL renderer it runs on.
#pragma once

#include <string_view>

// A software rasteriser (Mesa's llvmpipe or softpipe, and the like), told by its GL_RENDERER
// name. Such a renderer does every pixel on the processor, so multisampling costs it dearly.
bool isSoftwareRenderer(std::string_view renderer);

// Smooth edges unless the renderer is a software one.
inline bool smoothEdgesByDefault(std::string_view renderer) {
    return !isSoftwareRenderer(renderer);
}
