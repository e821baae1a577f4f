#pragma once
// The dispatch of control events: the event type (compared exactly) chooses a table, the
// sender's name chooses the row. A row names a control exactly, or a family of controls by
// its prefix: a name of the form prefix + decimal number (split at the last underscore, the
// prefix keeping it) matches a prefix row without regard to case, and the handler gets the
// number. Each part of the program adds the rows of its own controls.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/framework/core/UiEvents.h"

namespace vorn::ui::dispatch {

struct NumberedName {
    std::string prefix;  // up to and including the last underscore
    int number = 0;
};

// "DPI_edit_3" -> {"DPI_edit_", 3}. None without an underscore, with nothing or anything but
// decimal digits after the last one, or for a number that does not fit.
std::optional<NumberedName> splitNumberedName(std::string_view name);

class ControlDispatch {
  public:
    using Handler = std::function<void(TNotifyUI& msg)>;
    using NumberedHandler = std::function<void(TNotifyUI& msg, int number)>;

    // A row for one control name (exact) of one event type. A later row for the same name
    // replaces the earlier one.
    void on(std::string_view eventType, std::string_view name, Handler handler);
    // A row for a family of controls: prefix + N.
    void onNumbered(std::string_view eventType, std::string_view prefix, NumberedHandler handler);
    // A row for every sender of the event type not matched by a name or prefix row.
    void onAny(std::string_view eventType, Handler handler);

    // Runs the row that matches; false when none does (or the message has no sender and the
    // event has no row for any sender).
    bool dispatch(TNotifyUI& msg) const;

  private:
    struct Rows {
        std::map<std::string, Handler, std::less<>> names;
        std::vector<std::pair<std::string, NumberedHandler>> prefixes;  // lower case
        Handler any;
    };
    std::map<std::string, Rows, std::less<>> events_;
};

}  // namespace vorn::ui::dispatch
