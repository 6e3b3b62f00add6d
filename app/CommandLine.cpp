#include "app/CommandLine.h"

#include <cstring>

namespace {
constexpr const char* helpText =
    "Usage: niveau [OPTION]\n"
    "An interactive 3D demonstration model of a magnetic bypass level indicator: liquid rises and\n"
    "falls in a bypass chamber, a float's magnet turns a column of bicolour flaps, limit switches\n"
    "trip and a transmitter read-out shows the level in percent.\n"
    "\n"
    "  --help       display this help and exit\n"
    "  --version    output version information and exit\n"
    "\n"
    "Any other argument is ignored. Only one copy runs at a time: starting a second one brings\n"
    "the running window to the front.\n"
    "\n"
    "The settings file kelo.ini keeps the language and the background colour; an installed\n"
    "program uses $XDG_CONFIG_HOME/niveau/kelo.ini (~/.config/niveau/kelo.ini).\n";
} // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::FILE* out) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(helpText, out);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fprintf(out, "niveau %s\n", NIVEAU_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}
