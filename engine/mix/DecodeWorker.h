// The thread that decodes ahead for every open voice, keeping each voice's
// ring filled so the mixing thread never waits for a decoder. Add and Remove
// are called on the UI thread; after Remove returns the worker no longer
// touches the voice.
#pragma once

#include "engine/mix/Voice.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace vantor::engine {

class DecodeWorker {
public:
    DecodeWorker();
    ~DecodeWorker();
    DecodeWorker(const DecodeWorker&) = delete;
    DecodeWorker& operator=(const DecodeWorker&) = delete;

    void Add(Voice* voice);
    void Remove(Voice* voice);
    // Asks for an early round (after a seek, a start).
    void Wake();

private:
    void Run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<Voice*> m_voices;
    bool m_stop = false;
    bool m_woken = false;
    std::thread m_thread;
};

} // namespace vantor::engine
