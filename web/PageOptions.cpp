#include "web/PageOptions.h"

#include <optional>

namespace {
// "1" / "on" / "true" and "0" / "off" / "false"; anything else is no answer.
std::optional<bool> switchValue(std::string_view value) {
    for (std::string_view on : {"1", "on", "true"})
        if (value == on) return true;
    for (std::string_view off : {"0", "off", "false"})
        if (value == off) return false;
    return std::nullopt;
}
} // namespace

PageOptions parsePageOptions(std::string_view query) {
    if (query.starts_with('?')) query.remove_prefix(1);
    PageOptions options;
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view pair = query.substr(0, end);
        query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = pair.substr(0, equals), text = pair.substr(equals + 1);
        if (key == "lang" && (text == "de" || text == "en")) options.german = text == "de";
        const std::optional<bool> value = switchValue(text);
        if (!value) continue;
        if (key == "demos") options.demosRunning = *value;
        if (key == "smooth") options.smoothEdges = value;
    }
    return options;
}
