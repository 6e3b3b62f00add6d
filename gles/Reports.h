// Where the layer says what it was handed and does not draw: each message once, so a call made in
// every frame does not flood the output.
#pragma once

#include <functional>
#include <set>
#include <string>

namespace gles {

using ReportSink = std::function<void(const std::string& message)>;

class Reports {
  public:
    // Without a sink the messages go to standard error.
    explicit Reports(ReportSink sink);

    // Passes the message on the first time it comes.
    void once(const std::string& message);

  private:
    ReportSink sink;
    std::set<std::string> seen;
};

// "name(0x1234)" or "name(0x1234, 0x5678)": a call with the enum values it could not handle.
std::string callWith(const char* name, unsigned value);
std::string callWith(const char* name, unsigned first, unsigned second);

} // namespace gles
