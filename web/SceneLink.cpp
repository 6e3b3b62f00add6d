#include "web/SceneLink.h"

namespace {
constexpr std::string_view alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr std::string_view parameter = "scene=";

int sextet(char c) {
    if (c == '+') return 62;
    if (c == '/') return 63;
    const std::size_t at = alphabet.find(c);
    return at == std::string_view::npos ? -1 : int(at);
}

std::optional<std::string> decoded(std::string_view encoded, std::size_t maxBytes) {
    while (encoded.ends_with('=')) encoded.remove_suffix(1);
    if (encoded.size() % 4 == 1 || encoded.size() / 4 * 3 > maxBytes + 3) return std::nullopt;
    std::string text;
    unsigned bits = 0;
    int held = 0;
    for (const char c : encoded) {
        const int value = sextet(c);
        if (value < 0) return std::nullopt;
        bits = (bits << 6) | unsigned(value);
        held += 6;
        if (held >= 8) {
            held -= 8;
            text += char((bits >> held) & 0xFF);
        }
    }
    if (text.size() > maxBytes) return std::nullopt;
    return text;
}
} // namespace

std::string sceneFragment(std::string_view sceneText) {
    std::string encoded(parameter);
    unsigned bits = 0;
    int held = 0;
    for (const char c : sceneText) {
        bits = (bits << 8) | static_cast<unsigned char>(c);
        held += 8;
        while (held >= 6) {
            held -= 6;
            encoded += alphabet[(bits >> held) & 0x3F];
        }
    }
    if (held > 0) encoded += alphabet[(bits << (6 - held)) & 0x3F];
    return encoded;
}

SceneLinkReading readSceneFragment(std::string_view fragment, std::size_t maxBytes) {
    if (fragment.starts_with('#')) fragment.remove_prefix(1);
    while (!fragment.empty()) {
        const std::size_t end = fragment.find('&');
        const std::string_view pair = fragment.substr(0, end);
        fragment = end == std::string_view::npos ? std::string_view() : fragment.substr(end + 1);
        if (pair.starts_with(parameter))
            return {true, decoded(pair.substr(parameter.size()), maxBytes)};
    }
    return {};
}
