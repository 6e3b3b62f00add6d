// The WebGL 2 context on the page's canvas, made current for the GL 1.1 layer.
#pragma once

#include <string>

// Makes a WebGL 2 context on the canvas the CSS selector names and makes it current: no alpha
// (the frame clears with alpha 0), a depth buffer, no multisampling of its own (the view
// multisamples in a framebuffer of its own, so that smooth edges can be switched at any time).
// False, with the reason in `error`, where the browser has no WebGL 2.
bool CreateWebGlContext(const std::string& canvasSelector, std::string& error);

// The renderer behind the context as the browser names it, unmasked where it tells
// ("ANGLE (Google, Vulkan 1.3.0 (SwiftShader Device ...))").
std::string webGlRendererName();
