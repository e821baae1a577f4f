#pragma once
// The program's own fonts: eight files of its Font folder, added for this program alone at
// start and removed again, in reverse order, at the end. A file that is missing or that the
// font system rejects is skipped.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::shell {

inline constexpr std::array<std::string_view, 8> kApplicationFontFiles = {
    "Font/Simplified_Chinese.ttf",    "Font/Nightjar-Regular.otf", "Font/NotoSansThai-Regular.ttf",
    "Font/NotoSansCJKtc-Regular.otf", "Font/MiSans-Normal.ttf",    "Font/MiSans-Demibold.ttf",
    "Font/MiSans-Semibold.ttf",       "Font/MiSans-Light.ttf",
};

// Where fonts are added (the Qt font database in the program).
class IFontRegistry {
  public:
    virtual ~IFontRegistry() = default;
    // A handle (0 or more) for the added font file, or -1 when it was not added.
    virtual int add(const std::string& path) = 0;
    virtual void remove(int handle) = 0;
};

class ApplicationFonts {
  public:
    explicit ApplicationFonts(IFontRegistry& registry) : registry_(registry) {}
    ~ApplicationFonts() { unload(); }
    ApplicationFonts(const ApplicationFonts&) = delete;
    ApplicationFonts& operator=(const ApplicationFonts&) = delete;

    // Adds the eight files below programFolder (ending in '/') in table order. Answers how
    // many were added.
    int load(const std::string& programFolder);
    // Removes them, the last added first.
    void unload();
    // The table paths that were added.
    std::vector<std::string_view> loaded() const;

  private:
    IFontRegistry& registry_;
    std::vector<std::pair<std::string_view, int>> handles_;
};

}  // namespace vorn::shell
