#pragma once

// Part of the atomic write (atomicfile/atomic_file.h): a named temporary file that a
// signal would otherwise leave behind is removed by the signal's handler.

#include <string>

namespace kst {

// While it watches a path, the signals that end the process by default
// remove that path before they end it as they would have. Only signals that are
// left to their default action are taken over, and only while something is
// watched: a signal the program ignores or handles itself stays its own.
class LeftoverCleanup {
public:
    LeftoverCleanup() = default;
    ~LeftoverCleanup() { reset(); }
    LeftoverCleanup(const LeftoverCleanup&) = delete;
    LeftoverCleanup& operator=(const LeftoverCleanup&) = delete;

    // Watches path instead of what was watched before. A path too long for
    // the handler's table, or more paths than it holds at once, go unwatched.
    void watch(const std::string& path);
    void reset();

private:
    int slot_ = -1;
};

}  // namespace kst
