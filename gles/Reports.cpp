#include "gles/Reports.h"

#include <cstdio>

namespace gles {

Reports::Reports(ReportSink sink) : sink(std::move(sink)) {
    if (!this->sink)
        this->sink = [](const std::string& message) {
            std::fprintf(stderr, "GL 1.1 on ES: %s\n", message.c_str());
        };
}

void Reports::once(const std::string& message) {
    if (seen.insert(message).second) sink(message);
}

std::string callWith(const char* name, unsigned value) {
    char text[64];
    std::snprintf(text, sizeof text, "%s(0x%04X)", name, value);
    return text;
}

std::string callWith(const char* name, unsigned first, unsigned second) {
    char text[80];
    std::snprintf(text, sizeof text, "%s(0x%04X, 0x%04X)", name, first, second);
    return text;
}

} // namespace gles
