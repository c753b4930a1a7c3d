// The per-user channel between a starting player and the one already
// running: the first instance claims it and receives the argument strings
// later instances send. Implemented over a local socket in src/ui.
// UI thread only; received texts arrive on the UI thread.
#pragma once

#include <string>

namespace vantor {

class InstanceChannel {
public:
    virtual ~InstanceChannel() = default;
    // Makes this process the running player. False when another player
    // already holds the channel. `takeOver` waits for a previous holder that
    // is ending (a relaunch) instead of giving up.
    virtual bool Claim(bool takeOver) = 0;
    // Hands the unsplit argument string to the running player and waits
    // until it has taken the files. False when no player took them: none
    // answered, or the one running is ending.
    virtual bool Send(const std::string& argumentString) = 0;
};

} // namespace vantor
