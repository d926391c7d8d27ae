#pragma once

#include <signal.h>

#include <string>

namespace orbalis {

// The hidden files of the file replacement (files/replacing_file.h) are
// removed when a signal ends the program: where a file system has no unnamed
// files, a program stopped in the middle of a save would otherwise leave one
// beside the target, as big as the file being written.
//
// Call once at start-up, before any thread starts (the companion's main
// does). Each signal that ends a program by default and that the program
// does not already ignore or handle (hang-up, interrupt, quit, terminate,
// broken pipe, alarms, user signals, the processor and file-size limits) then
// removes the hidden files in flight and ends the program as the signal would
// have. A signal that cannot be caught (SIGKILL) and a crash still leave them.
void RemoveTemporaryFilesOnSignals();

// A hidden file's name in the list a signal removes, for the replacement's
// own use. From Claim to Keep and from Resume to End the name is being made
// or unmade: the signals above are held in the calling thread, and a handler
// in another thread waits (a moment at most) until the name is settled.
class TemporaryName {
  public:
    TemporaryName() = default;
    ~TemporaryName() { End(); }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;

    // `name` in the folder open as `folder`, about to be created (or linked).
    // Where the list is full or the name too long, the file is not removed by
    // a signal, but the signals are held all the same.
    void Claim(int folder, const std::string& name);
    // The file now exists under the name: a signal removes it.
    void Keep();
    // The name is about to go (renamed over the target, or removed).
    void Resume();
    // The name is gone, or never came to be: the entry is free again.
    void End();

  private:
    void Hold();
    void Release();

    int slot_ = -1;  // the entry in the list; none where it was full
    bool holding_ = false;
    sigset_t previous_{};  // the thread's signal mask before Claim or Resume
};

}  // namespace orbalis
