#include "atomicfile/leftover_cleanup.h"

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace kst {
namespace {

// Those another process, the terminal or a limit may send, and SIGABRT of an
// uncaught exception. Faults are left alone.
constexpr int Signals[] = {SIGHUP,  SIGINT,  SIGQUIT,   SIGABRT, SIGUSR1, SIGUSR2, SIGPIPE, SIGALRM,
                           SIGTERM, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGPOLL, SIGPWR};
constexpr int SignalCount = sizeof Signals / sizeof Signals[0];

// The handler reads the table without a lock: a slot's path is complete
// before its flag says so, and is not rewritten while the flag is up.
struct Slot {
    std::atomic<bool> used = false;
    char path[PATH_MAX] = {};
};
constexpr int SlotCount = 8;
Slot slots[SlotCount];
static_assert(std::atomic<bool>::is_always_lock_free);

std::mutex tableLock;
int watching = 0;
bool takenOver[SignalCount] = {};

extern "C" void removeLeftovers(int signal)
{
    // Only async-signal-safe calls: unlink, signal, raise. The signal raised
    // again waits until this handler returns, then acts as it would have.
    for (Slot& slot : slots)
        if (slot.used.load())
            ::unlink(slot.path);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void takeOverSignals()
{
    for (int i = 0; i < SignalCount; ++i) {
        struct sigaction current {};
        ::sigaction(Signals[i], nullptr, &current);
        takenOver[i] = !(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_DFL;
        if (!takenOver[i])
            continue;
        struct sigaction ours {};
        ours.sa_handler = removeLeftovers;
        sigfillset(&ours.sa_mask);
        ::sigaction(Signals[i], &ours, nullptr);
    }
}

void giveBackSignals()
{
    for (int i = 0; i < SignalCount; ++i) {
        struct sigaction current {};
        ::sigaction(Signals[i], nullptr, &current);
        // Someone who installed a handler of their own meanwhile keeps it.
        if (takenOver[i] && current.sa_handler == removeLeftovers)
            std::signal(Signals[i], SIG_DFL);
        takenOver[i] = false;
    }
}

}  // namespace

void LeftoverCleanup::watch(const std::string& path)
{
    reset();
    if (path.size() >= PATH_MAX)
        return;
    std::lock_guard lock(tableLock);
    for (int i = 0; i < SlotCount; ++i) {
        if (slots[i].used.load())
            continue;
        std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
        if (watching++ == 0)
            takeOverSignals();
        slots[i].used.store(true);
        slot_ = i;
        return;
    }
}

void LeftoverCleanup::reset()
{
    if (slot_ < 0)
        return;
    std::lock_guard lock(tableLock);
    slots[slot_].used.store(false);
    slot_ = -1;
    if (--watching == 0)
        giveBackSignals();
}

}  // namespace kst
