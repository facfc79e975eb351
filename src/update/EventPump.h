#pragma once

#include <chrono>
#include <functional>

namespace qingtan {

// Lets pending window events through at most once per interval. The payload decoder asks for event processing
// once per group of four characters; on a large library unthrottled that costs more than the decoding itself.
class ThrottledEventPump {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    ThrottledEventPump(std::chrono::milliseconds interval, std::function<void()> processEvents,
                       Clock now = std::chrono::steady_clock::now);

    // Runs processEvents when this is the first call or at least one interval has passed since it last ran.
    void operator()();

private:
    std::chrono::milliseconds m_interval;
    std::function<void()> m_processEvents;
    Clock m_now;
    bool m_ranOnce = false;
    std::chrono::steady_clock::time_point m_lastRun;
};

} // namespace qingtan
