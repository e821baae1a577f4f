#pragma once
// The program's fonts in Qt's font database, for this program alone. Fonts are added by
// file, so the font system maps them as it does the system's own instead of holding a
// second copy in memory.

#include "shell/ApplicationFonts.h"

namespace vorn::shell {

class QtFontRegistry final : public IFontRegistry {
  public:
    int add(const std::string& path) override;
    void remove(int handle) override;
};

}  // namespace vorn::shell
