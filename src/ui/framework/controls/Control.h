#pragma once
// CControlUI: the base of every control of the tree. A control keeps everything a user sees
// of it (text or language key, colours, images, visibility, geometry attributes) as plain
// data, computes its rectangle from its container's layout, raises notifications through
// its paint manager and paints itself through IPainter when it draws itself.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/framework/core/UiEvents.h"
#include "ui/framework/core/UiTypes.h"
#include "ui/framework/drawing/Painter.h"

namespace vorn::ui {

class CPaintManagerUI;
class CControlUI;

// What changed on a control, for the realisation that mirrors the tree.
enum ControlChange : unsigned {
    CHANGE_TEXT = 0x0001,
    CHANGE_VISIBLE = 0x0002,
    CHANGE_ENABLED = 0x0004,
    CHANGE_STYLE = 0x0008,  // colours, images, fonts, border, tooltip
    CHANGE_VALUE = 0x0010,  // slider/progress/edit value, palette colour
    CHANGE_SELECTION = 0x0020,
    CHANGE_ITEMS = 0x0040,  // combo/list entries, tab pages
    CHANGE_LAYOUT = 0x0080,
    CHANGE_PAINT = 0x0100,  // only needs repainting (self-drawn state)
};

// Flags of FindControl.
inline constexpr unsigned UIFIND_ALL = 0x00000000;
inline constexpr unsigned UIFIND_VISIBLE = 0x00000001;
inline constexpr unsigned UIFIND_ENABLED = 0x00000002;
inline constexpr unsigned UIFIND_HITTEST = 0x00000004;
inline constexpr unsigned UIFIND_UPDATETEST = 0x00000008;
inline constexpr unsigned UIFIND_TOP_FIRST = 0x00000010;
inline constexpr unsigned UIFIND_ME_FIRST = 0x80000000;

// Control flags (GetControlFlags).
inline constexpr unsigned UIFLAG_TABSTOP = 0x00000001;
inline constexpr unsigned UIFLAG_SETCURSOR = 0x00000002;
inline constexpr unsigned UIFLAG_WANTRETURN = 0x00000004;

// Pointer shapes a control asks for (the "cursor" attribute: arrow, hand, ibeam, cross, sizewe,
// sizens, wait, no).
enum class UiCursor { Arrow, Hand, IBeam, Cross, SizeWE, SizeNS, Wait, No };
// The shape of an attribute value; false for an unknown name.
bool parseCursor(std::string_view value, UiCursor& cursor);

using FindControlProc = CControlUI* (*)(CControlUI* control, const void* data);

class CControlUI {
  public:
    CControlUI();
    virtual ~CControlUI();
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    // Identity.
    virtual std::string GetName() const { return name_; }
    virtual void SetName(std::string_view name);
    virtual std::string GetClass() const;
    // Answers this control (cast as needed) for the interface names it implements
    // ("Control" for every control), nullptr otherwise.
    virtual void* GetInterface(std::string_view name);
    virtual unsigned GetControlFlags() const { return 0; }
    virtual bool Activate();
    CControlUI* GetParent() const { return parent_; }
    // The nearest ancestor (or this) that names a virtual window; "" when none does.
    std::string GetVirtualWnd() const;
    void SetVirtualWnd(std::string_view name) { virtualWnd_ = std::string(name); }

    // Tree membership.
    CPaintManagerUI* GetManager() const { return manager_; }
    virtual void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true);
    virtual void Init();
    virtual void DoInit() {}
    bool IsInited() const { return inited_; }

    // Text. With the resource flag the stored text is a language key and GetText answers
    // the resolved text.
    virtual std::string GetText() const { return shownText_; }
    virtual void SetText(std::string_view text);
    std::string GetTextKey() const { return text_; }
    bool IsResourceText() const { return resourceText_; }
    void SetResourceText(bool resource);
    // Resolves the language key again (after a language change).
    virtual void ReloadText();
    virtual std::string GetToolTip() const;
    virtual void SetToolTip(std::string_view text);
    int GetToolTipWidth() const { return toolTipWidth_; }

    // Appearance.
    UiColor GetBkColor() const { return bkColor_; }
    void SetBkColor(UiColor color);
    UiColor GetBkColor2() const { return bkColor2_; }
    void SetBkColor2(UiColor color);
    UiColor GetForeColor() const { return foreColor_; }
    void SetForeColor(UiColor color);
    UiColor GetBorderColor() const { return borderColor_; }
    void SetBorderColor(UiColor color);
    UiColor GetFocusBorderColor() const { return focusBorderColor_; }
    void SetFocusBorderColor(UiColor color);
    int GetBorderSize() const;  // scaled
    void SetBorderSize(int size);
    int GetBorderRound() const;  // scaled corner radius
    void SetBorderRound(int radius);
    std::string GetBkImage() const { return bkImage_; }
    void SetBkImage(std::string_view image);
    std::string GetForeImage() const { return foreImage_; }
    void SetForeImage(std::string_view image);
    UiColor GetTextColor() const { return textColor_; }
    void SetTextColor(UiColor color);
    UiColor GetDisabledTextColor() const { return disabledTextColor_; }
    void SetDisabledTextColor(UiColor color);
    int GetFont() const { return font_; }
    void SetFont(int id);
    unsigned GetTextStyle() const { return textStyle_; }
    void SetTextStyle(unsigned style);
    UiRect GetTextPadding() const;  // scaled
    void SetTextPadding(UiRect padding);
    // Colour as drawn (hook for colour adjustment of the skin; identity here).
    UiColor GetAdjustColor(UiColor color) const { return color; }

    // User data.
    std::string GetUserData() const { return userData_; }
    void SetUserData(std::string_view data) { userData_ = std::string(data); }
    uintptr_t GetTag() const { return tag_; }
    void SetTag(uintptr_t tag) { tag_ = tag; }

    // State.
    virtual bool IsVisible() const { return visible_ && internVisible_; }
    bool IsVisibleSelf() const { return visible_; }
    virtual void SetVisible(bool visible = true);
    virtual void SetInternVisible(bool visible = true);
    virtual bool IsEnabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled = true);
    virtual bool IsMouseEnabled() const { return mouseEnabled_; }
    virtual void SetMouseEnabled(bool enabled = true) { mouseEnabled_ = enabled; }
    virtual bool IsKeyboardEnabled() const { return keyboardEnabled_; }
    virtual void SetKeyboardEnabled(bool enabled = true) { keyboardEnabled_ = enabled; }
    virtual bool IsFocused() const { return focused_; }
    virtual void SetFocus();
    bool IsContextMenuUsed() const { return menuUsed_; }
    void SetContextMenuUsed(bool used) { menuUsed_ = used; }
    unsigned GetButtonState() const { return buttonState_; }
    void SetButtonState(unsigned state);
    // Mouse enter sets the hot state (enabled controls only), mouse leave clears it. True
    // when the event was one of the two.
    bool TrackHotState(const TEventUI& event);

    // Geometry. Sizes given by attributes are at 96 DPI; the getters answer them scaled by
    // the paint manager's DPI. GetPos is the rectangle the layout gave the control in
    // window-client pixels (the pending layout runs first).
    virtual const UiRect& GetPos() const;
    virtual void SetPos(UiRect rect, bool needInvalidate = true);
    const UiRect& GetPosNoLayout() const { return rcItem_; }
    int GetWidth() const { return GetPos().width(); }
    int GetHeight() const { return GetPos().height(); }
    int GetX() const { return GetPos().left; }
    int GetY() const { return GetPos().top; }
    virtual UiRect GetPadding() const;
    virtual void SetPadding(UiRect padding);
    virtual UiSize GetFixedXY() const;
    virtual void SetFixedXY(UiSize xy);
    virtual int GetFixedWidth() const;
    virtual void SetFixedWidth(int cx);
    virtual int GetFixedHeight() const;
    virtual void SetFixedHeight(int cy);
    virtual int GetMinWidth() const;
    virtual void SetMinWidth(int cx);
    virtual int GetMaxWidth() const;
    virtual void SetMaxWidth(int cx);
    virtual int GetMinHeight() const;
    virtual void SetMinHeight(int cy);
    virtual int GetMaxHeight() const;
    virtual void SetMaxHeight(int cy);
    virtual bool IsFloat() const { return float_; }
    virtual void SetFloat(bool isFloat = true);
    // The size the control wants within the available space; 0 in a dimension means
    // "stretch".
    virtual UiSize EstimateSize(UiSize available);
    // Integer scaled by the manager's DPI (unscaled without a manager).
    int Scale(int value) const;
    UiRect Scale(UiRect rect) const;

    // Layout attributes.
    virtual void SetAttribute(std::string_view name, std::string_view value);
    void ApplyAttributeList(std::string_view list);
    // Every attribute set so far, in order (last value wins); for tools and tests.
    std::string GetAttribute(std::string_view name) const;

    // Events and notifications.
    void Event(TEventUI& event);
    virtual void DoEvent(TEventUI& event);
    // Delegates run before DoEvent / after a notification is sent for this control;
    // an event delegate answering false stops the event.
    std::vector<std::function<bool(TEventUI&)>> OnEvent;
    std::vector<std::function<void(TNotifyUI&)>> OnNotify;

    // Search below (and including) this control.
    virtual CControlUI* FindControl(FindControlProc proc, const void* data, unsigned flags);

    // Painting (controls that draw themselves).
    virtual void DoPaint(IPainter& painter, const UiRect& paint);
    virtual void PaintBkColor(IPainter& painter);
    virtual void PaintBkImage(IPainter& painter);
    virtual void PaintStatusImage(IPainter& painter);
    virtual void PaintForeColor(IPainter& painter);
    virtual void PaintForeImage(IPainter& painter);
    virtual void PaintText(IPainter& painter);
    virtual void PaintBorder(IPainter& painter);
    // Draws an image string over the control (modify: extra key='value' pairs, e.g.
    // "dest='0,0,10,10'"). False when nothing could be drawn.
    bool DrawImage(IPainter& painter, std::string_view image, std::string_view modify = {});
    // Draws an image string into a rectangle of its own (window pixels) instead of the
    // control's rectangle.
    bool DrawImageInRect(IPainter& painter, std::string_view image, const UiRect& rect);
    // Fills a rectangle with a colour, with the control's rounded corners when it has them;
    // a fully transparent colour draws nothing.
    void FillShape(IPainter& painter, const UiRect& rect, UiColor color);

    // The images of a control's states; an empty one falls back to the normal image.
    struct StatusImages {
        std::string_view normal = {};
        std::string_view hot = {};
        std::string_view pushed = {};
        std::string_view focused = {};
        std::string_view disabled = {};
    };
    // The image for the current state: disabled, else pushed, hot, focused, normal.
    std::string_view PickStatusImage(const StatusImages& images) const;
    // Whether the realisation should paint this control through DoPaint rather than with a
    // native widget. True for every class the framework does not show natively and for
    // native ones whose look is made of images; a class derived from a native one that
    // paints itself answers true again.
    virtual bool IsSelfDrawn() const { return true; }
    // Whether presses on the control are its own input (buttons, edits, sliders, rows ...)
    // rather than the window's: a press in the caption on an inactive control moves the
    // window (CPaintManagerUI::IsCaptionDragPoint).
    virtual bool IsActiveControl() const { return false; }
    // The pointer shape over the control: its "cursor" attribute, else its class's shape.
    UiCursor GetCursor() const { return hasCursor_ ? cursor_ : DefaultCursor(); }
    void SetCursor(UiCursor cursor);

    // Change propagation to the realisation.
    void Invalidate();
    void NeedUpdate();
    void NeedParentUpdate();
    bool IsUpdateNeeded() const { return updateNeeded_; }
    void NotifyChanged(unsigned what);

  protected:
    virtual void OnManagerChanged(CPaintManagerUI* oldManager) { (void)oldManager; }
    void resolveText();

    CPaintManagerUI* manager_ = nullptr;
    CControlUI* parent_ = nullptr;
    UiRect rcItem_;
    unsigned buttonState_ = 0;

  protected:
    virtual UiCursor DefaultCursor() const { return UiCursor::Arrow; }

  private:
    UiCursor cursor_ = UiCursor::Arrow;
    bool hasCursor_ = false;
    std::string name_;
    std::string text_;
    std::string shownText_;
    std::string toolTip_;
    int toolTipWidth_ = 300;
    std::string virtualWnd_;
    bool resourceText_ = false;
    bool inited_ = false;
    bool updateNeeded_ = true;

    UiColor bkColor_ = 0;
    UiColor bkColor2_ = 0;
    UiColor foreColor_ = 0;
    UiColor borderColor_ = 0;
    UiColor focusBorderColor_ = 0;
    int borderSize_ = 0;
    int borderRound_ = 0;
    std::string bkImage_;
    std::string foreImage_;
    UiColor textColor_ = 0;
    UiColor disabledTextColor_ = 0;
    int font_ = -1;
    unsigned textStyle_ = DT_VCENTER | DT_SINGLELINE;
    UiRect textPadding_;

    std::string userData_;
    uintptr_t tag_ = 0;

    bool visible_ = true;
    bool internVisible_ = true;
    bool enabled_ = true;
    bool mouseEnabled_ = true;
    bool keyboardEnabled_ = true;
    bool focused_ = false;
    bool menuUsed_ = false;

    UiRect padding_;
    UiSize fixedXY_;
    UiSize fixed_;
    UiSize min_;
    UiSize max_{9999, 9999};
    bool float_ = false;

    std::vector<std::pair<std::string, std::string>> attributes_;
};

// Typed GetInterface helper: ui::interfaceOf<CButtonUI>(control, "Button").
template <typename T>
T* interfaceOf(CControlUI* control, std::string_view name) {
    return control != nullptr ? static_cast<T*>(control->GetInterface(name)) : nullptr;
}

}  // namespace vorn::ui
