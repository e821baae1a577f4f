#include "cli/TracePrinter.h"

#include <string_view>

#include "platform/debug/DebugSink.h"
#include "protocol/FrameTrace.h"

namespace vorn::cli {

TracePrinter::TracePrinter(std::ostream& out, bool framesOnly)
    : id_(platform::addDebugListener([&out, framesOnly](std::string_view line) {
          if (!line.empty() && line.back() == '\n') {
              line.remove_suffix(1);
          }
          if (!framesOnly || protocol::isFrameTraceLine(line)) {
              out << line << "\n";
          }
      })) {}

TracePrinter::~TracePrinter() {
    platform::removeDebugListener(id_);
}

}  // namespace vorn::cli
