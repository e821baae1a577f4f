#pragma once
// --trace: the diagnostic lines printed on the command's output while a TracePrinter lives.

#include <ostream>

namespace vorn::cli {

class TracePrinter {
  public:
    // Every diagnostic line, or with framesOnly only the lines of the frame trace; each is
    // printed with one line end.
    TracePrinter(std::ostream& out, bool framesOnly);
    ~TracePrinter();
    TracePrinter(const TracePrinter&) = delete;
    TracePrinter& operator=(const TracePrinter&) = delete;

  private:
    int id_;
};

}  // namespace vorn::cli
