#include "web/WebGlContext.h"

#include <emscripten/em_js.h>
#include <emscripten/html5_webgl.h>

#include <cstdlib>

// Returns a string the caller frees.
EM_JS(char*, niveauRendererName, (), {
    const gl = GL.currentContext.GLctx;
    const info = gl.getExtension("WEBGL_debug_renderer_info");
    const name = String(gl.getParameter(info ? info.UNMASKED_RENDERER_WEBGL : gl.RENDERER));
    const size = lengthBytesUTF8(name) + 1;
    const text = _malloc(size);
    stringToUTF8(name, text, size);
    return text;
});

bool CreateWebGlContext(const std::string& canvasSelector, std::string& error) {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.majorVersion = 2;
    attributes.minorVersion = 0;
    attributes.alpha = false;
    attributes.depth = true;
    attributes.stencil = false;
    attributes.antialias = false;
    attributes.preserveDrawingBuffer = false;
    attributes.powerPreference = EM_WEBGL_POWER_PREFERENCE_HIGH_PERFORMANCE;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context(canvasSelector.c_str(), &attributes);
    if (context <= 0) {
        error = "no WebGL 2 context on " + canvasSelector;
        return false;
    }
    if (emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
        error = "the WebGL 2 context cannot be made current";
        return false;
    }
    return true;
}

std::string webGlRendererName() {
    char* name = niveauRendererName();
    std::string result = name ? name : "";
    std::free(name);
    return result;
}
