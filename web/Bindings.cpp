// The viewer as the page's script sees it: one class, WebViewer, with the methods below.
#include "web/WebViewer.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(niveau) {
    using emscripten::class_;
    class_<WebViewer>("WebViewer")
        .constructor<std::string>()
        .function("failure", &WebViewer::failure)
        .function("applyPageOptions", &WebViewer::applyPageOptions)
        .function("resize", &WebViewer::resize)
        .function("pointerDown", &WebViewer::pointerDown)
        .function("pointerMove", &WebViewer::pointerMove)
        .function("pointerUp", &WebViewer::pointerUp)
        .function("wheel", &WebViewer::wheel)
        .function("toggleLevelDemo", &WebViewer::toggleLevelDemo)
        .function("toggleSwingDemo", &WebViewer::toggleSwingDemo)
        .function("speedUp", &WebViewer::speedUp)
        .function("slowDown", &WebViewer::slowDown)
        .function("holdZoomButton", &WebViewer::holdZoomButton)
        .function("levelDemoRunning", &WebViewer::levelDemoRunning)
        .function("swingDemoRunning", &WebViewer::swingDemoRunning)
        .function("smoothEdges", &WebViewer::smoothEdges)
        .function("setSmoothEdges", &WebViewer::setSmoothEdges)
        .function("pictureSizes", &WebViewer::pictureSizes)
        .function("renderPicture", &WebViewer::renderPicture)
        .function("framesDrawn", &WebViewer::framesDrawn)
        .function("firstFrameTime", &WebViewer::firstFrameTime)
        .function("renderer", &WebViewer::renderer);
}
