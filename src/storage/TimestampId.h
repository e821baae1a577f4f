#pragma once
// Identifiers made from the local date and time; they name profile and macro files.

#include <ctime>
#include <string>

namespace vorn::storage {

// "year_MM_DD_hh_mm_ss_mmm" for the current local time, e.g. "2024_03_07_09_05_01_042".
std::string MakeTimestampId();
// The same for a given broken-down local time and millisecond (0..999).
std::string MakeTimestampId(const std::tm& localTime, int milliseconds);

}  // namespace vorn::storage
