#pragma once
// Identifiers made from the local date and time; they name profile and macro files.

#include <ctime>
#include <string>
#include <string_view>

namespace vorn::storage {

// "year_MM_DD_hh_mm_ss_mmm" for the current local time, e.g. "2024_03_07_09_05_01_042".
std::string MakeTimestampId();
// The same for a given broken-down local time and millisecond (0..999).
std::string MakeTimestampId(const std::tm& localTime, int milliseconds);

// Orders identifiers by the moment they name, field by field as numbers (so a year of
// five digits still sorts after one of four). Identifiers that are no time stamp sort
// after all that are, by their text.
bool TimestampIdLess(std::string_view a, std::string_view b);

}  // namespace vorn::storage
