#pragma once
// Test support: runs a piece of a test in a forked child, for conditions that must not
// leak into the test program (a lowered file-size limit, a dropped user id).

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>

namespace vorn::test {

// Runs body in a child process; returns its result (0..255), or -1 when the child did not
// end normally.
inline int runInChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid < 0) {
        return -1;
    }
    if (pid == 0) {
        _exit(body());
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// In a child: becomes the unprivileged user 65534 when running as root, so permission
// bits apply again (root ignores them). True when the process is unprivileged afterwards.
inline bool dropRootInChild() {
    if (geteuid() != 0) {
        return true;
    }
    return setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0 && geteuid() != 0;
}

}  // namespace vorn::test
