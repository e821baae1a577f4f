#pragma once
// The skin frame: a small pop-up below the title bar's "skinbtn" where the user picks the
// main window's background, a picture or a colour, or a picture of their own. Its choice
// goes as a notice to every window that takes skin changes, and a picture is noted in
// "main.ini" of the user folder (section "SKINIMAGE": "FLAGS" 1 for a chosen picture, 0
// for the standard one, and "IMAGE").

#include <string>
#include <vector>

#include "ui/framework/core/UiTypes.h"
#include "ui/framework/windows/WindowImplBase.h"

namespace vorn::ui::mainwnd {

struct SkinChangedParam {
    bool colour = false;  // a colour notice; otherwise a picture notice
    UiColor colourValue = 0;
    std::string image;  // the picture (a skin path or a file of the user's)
};

class ISkinChangeReceiver {
  public:
    virtual ~ISkinChangeReceiver() = default;
    virtual void OnSkinChanged(const SkinChangedParam& change) = 0;
};

// The windows that take skin changes (UI thread only).
class SkinChangeNotices {
  public:
    void add(ISkinChangeReceiver* receiver);
    void remove(ISkinChangeReceiver* receiver);
    void announce(const SkinChangedParam& change);

  private:
    std::vector<ISkinChangeReceiver*> receivers_;
};
SkinChangeNotices& skinChangeNotices();

inline constexpr char kStandardBackground[] = "common/background.png";

class CSkinFrame : public WindowImplBase {
  public:
    explicit CSkinFrame(std::string userFolder) : userFolder_(std::move(userFolder)) {}
    std::string GetWindowClassName() const override { return "UISkinFrame"; }
    void Notify(TNotifyUI& msg) override;

  protected:
    std::string GetSkinFile() const override { return "skin.xml"; }
    void OnFinalMessage(UiWindowHandle handle) override;

  private:
    void notePicture(bool chosen, const std::string& image);
    std::string userFolder_;
};

}  // namespace vorn::ui::mainwnd
