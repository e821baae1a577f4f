#pragma once
// The program vorn: start-up, the message loop and shutdown.

#include <iosfwd>

namespace vorn::shell {

// Runs the program. Answers the exit status: 0 (also for a second start, which hands over to
// the running one), 1 when start-up failed, 2 for arguments it cannot understand.
int runVorn(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace vorn::shell
