#pragma once
// Text entry: CEditUI (one line, with a character limit, digits-only mode and a value
// range for numbers) and CRichEditUI (several lines).

#include "ui/framework/controls/Label.h"

namespace vorn::ui {

class CEditUI : public CLabelUI {
  public:
    CEditUI();
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    unsigned GetControlFlags() const override;
    bool IsSelfDrawn() const override { return false; }
    bool IsActiveControl() const override { return true; }

    int GetMaxChar() const { return maxChar_; }
    void SetMaxChar(int maxChar);
    bool IsNumberOnly() const { return numberOnly_; }
    void SetNumberOnly(bool numberOnly);
    bool IsPasswordMode() const { return password_; }
    void SetPasswordMode(bool password);
    bool IsReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // Range of a digits-only edit; applied when the edit loses focus (min > max: none).
    int GetMinValue() const { return minValue_; }
    void SetMinValue(int value);
    int GetMaxValue() const { return maxValue_; }
    void SetMaxValue(int value);
    std::string GetTipValue() const { return tipValue_; }
    void SetTipValue(std::string_view text);
    bool IsMultiLine() const { return multiLine_; }

    // Text typed by the user: limited to the edit's rules, then "textchanged" when it
    // differs from the current text. Answers the text as accepted.
    std::string InputText(std::string_view text);
    // The text limited to the edit's rules (characters allowed, length).
    std::string Filter(std::string_view text) const;

    void DoEvent(TEventUI& event) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintText(IPainter& painter) override;

  protected:
    UiCursor DefaultCursor() const override { return UiCursor::IBeam; }
    void setMultiLine(bool multiLine) { multiLine_ = multiLine; }

  private:
    void applyRange();

    int maxChar_ = 255;
    bool numberOnly_ = false;
    bool password_ = false;
    bool readOnly_ = false;
    bool multiLine_ = false;
    int minValue_ = 0;
    int maxValue_ = -1;
    std::string tipValue_;
};

class CRichEditUI : public CEditUI {
  public:
    CRichEditUI();
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    bool IsWantReturn() const { return wantReturn_; }
    void SetAttribute(std::string_view name, std::string_view value) override;
    void DoEvent(TEventUI& event) override;

  private:
    bool wantReturn_ = true;
};

}  // namespace vorn::ui
