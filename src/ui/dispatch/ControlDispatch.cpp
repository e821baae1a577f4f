#include "ui/dispatch/ControlDispatch.h"

#include "platform/text/Text.h"
#include "ui/framework/controls/Control.h"

namespace vorn::ui::dispatch {
namespace {

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

}  // namespace

std::optional<NumberedName> splitNumberedName(std::string_view name) {
    const std::size_t underscore = name.rfind('_');
    if (underscore == std::string_view::npos || underscore + 1 >= name.size()) {
        return std::nullopt;
    }
    const std::optional<int> number = platform::parseWholeNumber(name.substr(underscore + 1));
    if (!number) {
        return std::nullopt;
    }
    return NumberedName{std::string(name.substr(0, underscore + 1)), *number};
}

void ControlDispatch::on(std::string_view eventType, std::string_view name, Handler handler) {
    events_[std::string(eventType)].names[std::string(name)] = std::move(handler);
}

void ControlDispatch::onNumbered(std::string_view eventType, std::string_view prefix,
                                 NumberedHandler handler) {
    events_[std::string(eventType)].prefixes.emplace_back(lowerAscii(prefix), std::move(handler));
}

void ControlDispatch::onAny(std::string_view eventType, Handler handler) {
    events_[std::string(eventType)].any = std::move(handler);
}

bool ControlDispatch::dispatch(TNotifyUI& msg) const {
    const auto rows = events_.find(msg.sType);
    if (rows == events_.end()) {
        return false;
    }
    if (msg.pSender != nullptr) {
        const std::string name = msg.pSender->GetName();
        if (const auto row = rows->second.names.find(name); row != rows->second.names.end()) {
            row->second(msg);
            return true;
        }
        if (const std::optional<NumberedName> numbered = splitNumberedName(name)) {
            const std::string prefix = lowerAscii(numbered->prefix);
            for (const auto& [rowPrefix, handler] : rows->second.prefixes) {
                if (rowPrefix == prefix) {
                    handler(msg, numbered->number);
                    return true;
                }
            }
        }
    }
    if (rows->second.any) {
        rows->second.any(msg);
        return true;
    }
    return false;
}

}  // namespace vorn::ui::dispatch
