#pragma once
// The layout of every JSON document the program writes: the styled form of the JSON
// library (members one per line, three-space indentation, short arrays of plain values on
// one line within 74 columns, a line end at the end), with text kept as UTF-8.

#include <json/json.h>

#include <string>

namespace vorn::storage {

// The styled text of value, ending in one line end. Characters beyond ASCII appear as
// their UTF-8 bytes ("Ä" as C3 84), never as \u escapes; control characters stay escaped.
std::string StyledJsonText(const Json::Value& value);

}  // namespace vorn::storage
