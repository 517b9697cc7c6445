#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "core/runtime_failure.h"

namespace lwviz::testing {

// What `write` threw, as "number: description", or "ok".
inline std::string outcome(const std::function<void()>& write) {
    try {
        write();
        return "ok";
    } catch (const RuntimeFailure& failure) {
        return std::to_string(failure.number()) + ": " + failure.description();
    }
}

// The outcome as an ordinary user. File permissions do not bind root, so as root `write` runs
// in a child that has given root up (an empty answer: it hung for 10 s); any other user runs
// it right here.
inline std::string outcomeUnprivileged(const std::function<void()>& write) {
    if (geteuid() != 0) {
        return outcome(write);
    }
    int channel[2];
    if (pipe(channel) != 0) {
        return "pipe failed";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        alarm(10);
        std::string result = "cannot drop root";
        if (setgid(65534) == 0 && setuid(65534) == 0) {
            result = outcome(write);
        }
        (void)::write(channel[1], result.data(), result.size());
        _exit(0);
    }
    close(channel[1]);
    std::string result;
    char buffer[512];
    ssize_t length = 0;
    while ((length = read(channel[0], buffer, sizeof buffer)) > 0) {
        result.append(buffer, static_cast<std::size_t>(length));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return result;
}

}  // namespace lwviz::testing
