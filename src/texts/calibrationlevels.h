#pragma once
// The three power grades of each calibration tab, in slider order: the frames' titles and the report's rows.

#include "texts/listtables.h"

namespace calibrationtexts {
inline constexpr ListEntry Levels[] = {{"高功率等级", "High Power Grades"},
                                       {"中功率等级", "Middle Power Grades"},
                                       {"低功率等级", "Low Power Grades"}};
} // namespace calibrationtexts
