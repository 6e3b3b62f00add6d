#include "gles/Layer.h"

#include "gles/Context.h"

#include <memory>
#include <string>

namespace gles {

namespace {
// The functions and the context of the started layer; the renderer refers to the table.
EsFunctions functions;
std::unique_ptr<Context> started;
} // namespace

Context* currentContext() {
    return started.get();
}

bool StartLayer(EsProcLoader load, ReportSink sink) {
    StopLayer();
    Reports reports(sink);
    const std::vector<std::string> missing = loadEsFunctions(functions, load);
    if (!missing.empty()) {
        std::string names;
        for (const std::string& name : missing) names += " " + name;
        reports.once("OpenGL ES functions not found:" + names);
        return false;
    }
    std::string error;
    auto renderer = EsRenderer::create(functions, error);
    if (!renderer) {
        reports.once(error);
        return false;
    }
    started = std::make_unique<Context>(std::move(renderer), std::move(sink));
    return true;
}

void StopLayer() {
    if (started) started->flush();
    started.reset();
}

} // namespace gles
