#include "app/frame/Renderer.h"

#include <algorithm>
#include <cctype>
#include <string>

bool isSoftwareRenderer(std::string_view renderer) {
    std::string name(renderer);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    for (const char* software :
         {"llvmpipe", "softpipe", "swrast", "software rasterizer", "swiftshader", "lavapipe"}) {
        if (name.find(software) != std::string::npos) return true;
    }
    // A renderer that does not say what it is gets the cheaper choice.
    return name.empty();
}

SmoothingWay smoothingWayFor(std::string_view renderer) {
    return isSoftwareRenderer(renderer) ? SmoothingWay::EdgeFilter : SmoothingWay::Multisampling;
}

bool smoothEdgesByDefault(std::string_view renderer, SmoothingWay way, int width, int height) {
    if (way == SmoothingWay::Off) return false;
    if (!isSoftwareRenderer(renderer)) return true;
    return way == SmoothingWay::EdgeFilter && long(width) * long(height) <= edgeFilterDefaultPixels;
}
