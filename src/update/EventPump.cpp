#include "EventPump.h"

namespace qingtan {

ThrottledEventPump::ThrottledEventPump(std::chrono::milliseconds interval, std::function<void()> processEvents,
                                       Clock now)
    : m_interval(interval), m_processEvents(std::move(processEvents)), m_now(std::move(now)) {}

void ThrottledEventPump::operator()() {
    const auto now = m_now();
    if (m_ranOnce && now - m_lastRun < m_interval) {
        return;
    }
    m_ranOnce = true;
    m_lastRun = now;
    m_processEvents();
}

} // namespace qingtan
