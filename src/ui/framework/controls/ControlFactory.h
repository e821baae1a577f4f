#pragma once
// CControlFactory: control classes registered by name, for layouts built without a builder
// callback that knows them. Names compare without regard to case.

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace vorn::ui {

class CControlUI;

using CreateControlFn = std::function<CControlUI*()>;

class CControlFactory {
  public:
    static CControlFactory& GetInstance();

    // Registers (or replaces) a class.
    void RegistControl(std::string_view className, CreateControlFn create);
    void UnregistControl(std::string_view className);
    bool IsRegistered(std::string_view className) const;
    // A new control of the class, or nullptr when the name is not registered.
    CControlUI* CreateControl(std::string_view className) const;

    // The framework's own classes ("Button", "VerticalLayout", ...), without regard to case.
    static CControlUI* CreateBuiltin(std::string_view className);

  private:
    CControlFactory() = default;
    std::map<std::string, CreateControlFn> classes_;
};

}  // namespace vorn::ui
