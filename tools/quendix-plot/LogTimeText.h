#pragma once
// The log's local times (seconds of LogLine) as text, in the log's own forms.

#include <cstdint>
#include <string>

// "dd/mm/yy"
std::string DateText(std::int64_t nSeconds);
// "HH:MM:SS", or "HH:MM" without seconds.
std::string ClockText(std::int64_t nSeconds, bool bSeconds = true);
// "dd/mm/yy HH:MM:SS"
std::string DateTimeText(std::int64_t nSeconds);
