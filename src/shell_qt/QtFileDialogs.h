#pragma once
// The desktop's file dialogs.

#include "platform/shell/FileDialogs.h"

namespace vorn::shell {

class QtFileDialogs final : public platform::IFileDialogs {
  public:
    std::optional<std::string> openFile(const platform::FileQuestion& question) override;
    std::optional<std::string> saveFile(const platform::FileQuestion& question) override;
};

}  // namespace vorn::shell
