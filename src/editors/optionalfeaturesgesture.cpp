#include "editors/optionalfeaturesgesture.h"

#include <algorithm>

namespace {
constexpr int Window = 5;
constexpr int SecondsPerDay = 24 * 60 * 60;
} // namespace

bool OptionalFeaturesGesture::click(int label, int now) {
    if (label < 0 || label >= int(m_marks.size()))
        return false;
    if (!anyMarked())
        m_start = now;
    int elapsed = now - m_start;
    if (elapsed < 0) // the clock went past midnight since the first click
        elapsed += SecondsPerDay;
    if (elapsed > Window) {
        m_marks.fill(false);
        m_marks[std::size_t(label)] = true;
        m_start = now;
        return false;
    }
    m_marks[std::size_t(label)] = true;
    return std::all_of(m_marks.begin(), m_marks.end(), [](bool m) { return m; });
}

void OptionalFeaturesGesture::clear() {
    m_marks.fill(false);
    m_start = 0;
}

bool OptionalFeaturesGesture::anyMarked() const {
    return std::any_of(m_marks.begin(), m_marks.end(), [](bool m) { return m; });
}
