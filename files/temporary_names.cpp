// A handler that removes the hidden files, rather than the signals held
// across the whole replacement: a signal goes to any thread that does not
// hold it, and the threads of the window and of a batch run are not the
// replacement's to mask; and a batch run writes for minutes, which Ctrl+C
// must still end. Signals are held only in the thread that makes or unmakes a
// name, for the few system calls that takes.

#include "files/temporary_names.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace orbalis {
namespace {

// The signals that end a program by default, core dumps included, apart from
// those a fault raises (after a fault nothing is to be trusted).
constexpr std::array<int, 12> kEndingSignals = {SIGHUP,  SIGINT,  SIGQUIT,   SIGTERM,
                                                SIGPIPE, SIGALRM, SIGUSR1,   SIGUSR2,
                                                SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF};

enum State : int {
    kFree,
    kClaimed,   // its thread is making or unmaking the name, the signals held
    kLive,      // the file is there: a signal removes it
    kRemoving,  // a handler has it: the program is ending
};

// More than the window and the companion ever have in flight at once.
constexpr int kEntries = 32;

struct Entry {
    std::atomic<int> state{kFree};
    int folder = -1;
    char name[NAME_MAX + 1] = {};
};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler needs a lock-free state");

// The program's one mutable global: a signal handler can reach nothing else.
// A handler reads an entry only after taking it from kLive to kRemoving, and
// its owner writes it only between kFree and kLive, so they never meet.
Entry entries[kEntries];

// How long a handler waits for a name being made or unmade: a few system
// calls' time, unless the file system hangs.
constexpr int kMostWaits = 1000;
constexpr timespec kWait = {0, 1'000'000};

sigset_t EndingSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : kEndingSignals) sigaddset(&signals, signal);
    return signals;
}

// Only what is safe in a signal handler: atomics, unlinkat, nanosleep,
// sigaction and raise.
void RemoveAndEnd(int signal) {
    const int saved = errno;
    for (Entry& entry : entries) {
        for (int waits = 0;; ++waits) {
            int state = entry.state.load();
            if (state == kLive) {
                if (!entry.state.compare_exchange_strong(state, kRemoving)) continue;
                ::unlinkat(entry.folder, entry.name, 0);
                break;
            }
            if (state != kClaimed || waits == kMostWaits) break;
            ::nanosleep(&kWait, nullptr);
        }
    }
    // Ended by the same signal, as if it had never been caught: the signal is
    // held while this handler runs and comes in as it returns.
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);
    errno = saved;
}

}  // namespace

void RemoveTemporaryFilesOnSignals() {
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    action.sa_mask = EndingSignals();
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndingSignals) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0) continue;
        // Ignored (nohup) or the program's own: left as it is.
        if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) continue;
        ::sigaction(signal, &action, nullptr);
    }
}

void TemporaryName::Hold() {
    if (holding_) return;
    const sigset_t ending = EndingSignals();
    ::pthread_sigmask(SIG_BLOCK, &ending, &previous_);
    holding_ = true;
}

void TemporaryName::Release() {
    if (!holding_) return;
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    holding_ = false;
}

void TemporaryName::Claim(int folder, const std::string& name) {
    End();
    Hold();
    if (name.size() >= sizeof(Entry::name)) return;
    for (int i = 0; i < kEntries; ++i) {
        int state = kFree;
        if (!entries[i].state.compare_exchange_strong(state, kClaimed)) continue;
        entries[i].folder = folder;
        std::memcpy(entries[i].name, name.c_str(), name.size() + 1);
        slot_ = i;
        return;
    }
}

void TemporaryName::Keep() {
    if (slot_ >= 0) entries[slot_].state.store(kLive);
    Release();
}

void TemporaryName::Resume() {
    Hold();
    if (slot_ < 0) return;
    int state = kLive;
    if (entries[slot_].state.compare_exchange_strong(state, kClaimed) || state != kRemoving) return;
    // A handler in another thread is removing the file and ends the program
    // as soon as it is done; the folder it names must stay open till then.
    for (;;) ::pause();
}

void TemporaryName::End() {
    if (slot_ >= 0) {
        Resume();
        entries[slot_].state.store(kFree);
        slot_ = -1;
    }
    Release();
}

}  // namespace orbalis
