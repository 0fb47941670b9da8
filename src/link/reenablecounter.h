#pragma once
// Timer1's count: after a success message the Read and Write commands come back on the 12th tick of a
// 100 ms timer. The GUI owns the QTimer; this keeps the count.

class ReEnableCounter {
public:
    static constexpr int IntervalMs = 100;
    static constexpr int Ticks = 12;

    void start() { m_running = true; }
    bool isRunning() const { return m_running; }
    int ticks() const { return m_ticks; }

    // One tick; true on the tick that re-enables the commands (the counter then stops and restarts at 0).
    bool onTick() {
        if (!m_running)
            return false;
        if (++m_ticks < Ticks)
            return false;
        m_ticks = 0;
        m_running = false;
        return true;
    }

private:
    int m_ticks = 0; // ReEnableTicks
    bool m_running = false;
};
