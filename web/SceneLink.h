// A scene carried in a page address: the fragment "#scene=" followed by the scene file's text in
// base64url, so that a link sent to a customer shows the configured instrument. Plain C++.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// "scene=<base64url of the text, without padding>".
std::string sceneFragment(std::string_view sceneText);

struct SceneLinkReading {
    bool present = false;            // the fragment names a scene at all
    std::optional<std::string> text; // its decoded text; none where the encoding is damaged
};

// From location.hash, with or without its '#'. Parameters are separated by '&'; padding and the
// standard alphabet's '+' and '/' are read too, since mail programs may rewrite a link. A text
// longer than `maxBytes` is refused as damaged.
SceneLinkReading readSceneFragment(std::string_view fragment, std::size_t maxBytes);
