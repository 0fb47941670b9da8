#pragma once
// One hidden click gesture: three different caption labels clicked, in any order, within 5 seconds by the
// whole-second clock. A click that comes too late counts as the first click of a new attempt.

#include <array>

class OptionalFeaturesGesture {
public:
    // A click on label 0, 1 or 2 at `now` whole seconds since midnight. True when all three marks are set
    // within the time window (also for further clicks after the gesture was completed).
    bool click(int label, int now);
    void clear();
    bool anyMarked() const;

private:
    std::array<bool, 3> m_marks{};
    int m_start = 0;
};
