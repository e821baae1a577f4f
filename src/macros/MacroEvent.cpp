#include "macros/MacroEvent.h"

#include <limits>

#include "platform/text/Text.h"
#include "profiles/JsonFields.h"
#include "storage/DataFile.h"

namespace vorn::macros {
namespace {

// The leading decimal digits of text (after white space); 0 when there are none. Values
// beyond 32 bits stay at the largest one.
std::uint32_t decimalText(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t\r\n");
    std::uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (value > std::numeric_limits<std::uint32_t>::max()) {
            return std::numeric_limits<std::uint32_t>::max();
        }
    }
    return static_cast<std::uint32_t>(value);
}

std::uint32_t readDelay(const Json::Value* delay) {
    if (delay == nullptr) {
        return 0;
    }
    if (delay->isString()) {
        return decimalText(delay->asString());
    }
    const std::int32_t number = profiles::readInt(delay);
    return number > 0 ? static_cast<std::uint32_t>(number) : 0;
}

}  // namespace

MacroEvent readMacroEvent(const Json::Value& element) {
    MacroEvent event;
    event.down = platform::equalsIgnoreCase(profiles::textMember(element, "Action"), "down");
    event.type = profiles::intMember(element, "Type");
    event.button = profiles::intMember(element, "Button");
    event.delay = readDelay(profiles::findMember(element, "Delay"));
    return event;
}

std::vector<MacroEvent> readMacroEvents(const Json::Value& document) {
    std::vector<MacroEvent> events;
    if (const Json::Value* list = profiles::findArray(document, "Events")) {
        events.reserve(list->size());
        for (const Json::Value& element : *list) {
            events.push_back(readMacroEvent(element));
        }
    }
    return events;
}

std::vector<MacroEvent> readMacroEventFile(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    return readMacroEvents(storage::ReadJsonFile(path));
}

}  // namespace vorn::macros
