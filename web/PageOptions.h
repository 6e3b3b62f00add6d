// What the page's address asks of the view: "?demos=0" starts with both demos stopped (a still
// picture, as the frame parity check needs), "?smooth=0" or "?smooth=1" overrides the renderer's
// choice of smooth edges, "?lang=de" or "?lang=en" chooses the language. Unknown parameters are
// left to others.
#pragma once

#include <optional>
#include <string_view>

struct PageOptions {
    bool demosRunning = true;
    std::optional<bool> smoothEdges; // unset: the renderer decides
    std::optional<bool> german;      // unset: the stored settings decide
};

// From a query string as location.search gives it, with or without its leading '?'.
PageOptions parsePageOptions(std::string_view query);
