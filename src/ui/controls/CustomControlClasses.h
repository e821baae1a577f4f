#pragma once
// The control classes of this library, by the name the program registers them under and
// the name their own layouts give them, with their factories.

#include <array>
#include <string_view>

#include "ui/framework/controls/ControlFactory.h"

namespace vorn::ui {

struct CustomControlClass {
    std::string_view className;  // "CCircleProgressUI"
    std::string_view tagName;    // "CircleProgress" (also the class's GetClass)
    CControlUI* (*create)();
};

extern const std::array<CustomControlClass, 5> kCustomControlClasses;

// The class whose class name or tag name is `name` (without regard to case); nullptr when
// this library has none.
const CustomControlClass* findCustomControlClass(std::string_view name);

// A factory for the class name, empty when this library does not have the class.
CreateControlFn customControlFactory(std::string_view className);

// Registers every class of the table with the control factory under its element name, so
// layouts built without a builder callback can make them (the program registers the class
// names itself, in its own order).
void registerCustomControlElements();

// Registers every class of the table under both its names (for tools that show layouts).
// Answers how many classes.
int registerCustomControlClasses();

}  // namespace vorn::ui
