#pragma once
// CPaintManagerUI: owner of one window's control tree. It registers controls by name,
// dispatches input events and notifications, keeps option groups, fonts, default
// attributes and the DPI of the window, runs control timers on the UI message loop and
// tells the realisation (IControlObserver) what changed.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/framework/controls/ControlObserver.h"
#include "ui/framework/core/Dpi.h"
#include "ui/framework/core/UiEvents.h"
#include "ui/framework/core/UiTypes.h"
#include "ui/framework/drawing/DrawInfo.h"
#include "ui/framework/drawing/Painter.h"

namespace vorn::ui {

class CControlUI;
class CWindowWnd;

struct TImageInfo {
    std::string sPath;  // resolved file path
    int nX = 0;
    int nY = 0;
    bool bAlpha = true;
};

class CPaintManagerUI {
  public:
    CPaintManagerUI();
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    // Binds the manager to its window (none for a tree without a window).
    void Init(CWindowWnd* window, std::string_view name = {});
    CWindowWnd* GetPaintWindow() const { return window_; }
    std::string GetName() const { return name_; }

    // Root of the tree; the manager owns it from here on (a previous root is destroyed).
    bool AttachDialog(CControlUI* root);
    CControlUI* GetRoot() const { return root_; }
    // Makes the manager own a subtree that is not (yet) part of the root's tree: names
    // are registered, timers and notifications work. Adding the subtree to a container
    // of this manager keeps them.
    bool InitControls(CControlUI* control, CControlUI* parent = nullptr);
    // Unregisters a control that leaves the tree (called by the control).
    void ReapObjects(CControlUI* control);

    // Window size and frame attributes from the layout's window element (unscaled).
    void SetInitSize(int cx, int cy);
    UiSize GetInitSize() const;  // scaled
    UiSize GetClientSize() const { return clientSize_; }
    void SetClientSize(UiSize size);
    UiRect GetCaptionRect() const;  // scaled
    // Whether a press at the window point moves the window: inside the caption (whose right
    // edge counts from the client's right) and not on an active control.
    bool IsCaptionDragPoint(UiPoint point) const;
    void SetCaptionRect(UiRect rect) { caption_ = rect; }
    UiSize GetRoundCorner() const;  // scaled
    void SetRoundCorner(int cx, int cy) { roundCorner_ = {cx, cy}; }
    UiSize GetMinInfo() const;
    void SetMinInfo(int cx, int cy) { minInfo_ = {cx, cy}; }
    UiSize GetMaxInfo() const;
    void SetMaxInfo(int cx, int cy) { maxInfo_ = {cx, cy}; }
    UiRect GetSizeBox() const;
    void SetSizeBox(UiRect rect) { sizeBox_ = rect; }
    // Window-wide attributes of the layout's window element that the manager does not
    // interpret itself (e.g. "bktrans", "opacity").
    void SetWindowAttribute(std::string_view name, std::string_view value);
    std::string GetWindowAttribute(std::string_view name) const;

    // Layout: positions are recomputed lazily after NeedUpdate.
    void NeedUpdate();
    bool IsUpdateNeeded() const { return layoutNeeded_; }
    void UpdateLayout();

    // Lookup. FindControl(name) answers the first registered control of that name, or
    // nullptr; FindSubControlByName searches below (and including) the parent.
    CControlUI* FindControl(std::string_view name) const;
    CControlUI* FindControl(UiPoint point) const;
    CControlUI* FindSubControlByName(CControlUI* parent, std::string_view name) const;
    CControlUI* FindSubControlByClass(CControlUI* parent, std::string_view className,
                                      int index = 0) const;
    std::vector<CControlUI*> FindSubControlsByClass(CControlUI* parent,
                                                    std::string_view className) const;
    // Called by controls whose name changes.
    void RenameControl(CControlUI* control, std::string_view oldName);

    // Notifications.
    bool AddNotifier(INotifyUI* notifier);
    bool RemoveNotifier(INotifyUI* notifier);
    void SendNotify(TNotifyUI& msg, bool async = false);
    void SendNotify(CControlUI* control, std::string_view type, uintptr_t wParam = 0,
                    intptr_t lParam = 0, bool async = false);
    // Delivers notifications queued with async = true (the message loop calls this).
    void FlushAsyncNotify();

    // Control timers on the UI loop: "timer" notifications (wParam: the id) every `elapse`
    // milliseconds until killed. False without a UI loop.
    bool SetTimer(CControlUI* control, unsigned timerId, unsigned elapse);
    bool KillTimer(CControlUI* control, unsigned timerId);
    void KillTimer(CControlUI* control);
    void RemoveAllTimers();
    bool HasTimer(CControlUI* control, unsigned timerId) const;

    // Destroys a control that left the tree once the current event is over.
    void AddDelayedCleanup(CControlUI* control);

    // Focus and input.
    CControlUI* GetFocus() const { return focus_; }
    void SetFocus(CControlUI* control);
    CControlUI* GetHot() const { return hot_; }
    CControlUI* GetCapture() const { return capture_; }
    UiPoint GetMousePos() const { return mousePos_; }
    // Mouse input at a window-client point: hover tracking, capture and delivery to the
    // control under the point (or the captured one), as a real window does it.
    void DispatchMouse(UiEventType type, UiPoint point, uint32_t keyState = 0,
                       uintptr_t wParam = 0);
    // Key input to the focused control.
    void DispatchKey(UiEventType type, uint32_t key, uint32_t keyState = 0);
    // Presses and releases the left button over the centre of the control.
    void ClickControl(CControlUI* control);
    // Window messages that concern the tree (size, mouse with the point in lParam, keys),
    // turned into the calls above. True when the message was consumed.
    bool MessageHandler(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result);

    // Option groups.
    bool AddOptionGroup(std::string_view group, CControlUI* control);
    const std::vector<CControlUI*>* GetOptionGroup(std::string_view group) const;
    void RemoveOptionGroup(std::string_view group, CControlUI* control);
    void RemoveAllOptionGroups();

    // Default attributes per class and named styles, from the layout's window element.
    // Shared ones apply to every manager.
    void AddDefaultAttributeList(std::string_view className, std::string_view list,
                                 bool shared = false);
    std::string GetDefaultAttributeList(std::string_view className) const;
    void RemoveAllDefaultAttributeList(bool shared = false);
    void AddStyle(std::string_view name, std::string_view list, bool shared = false);
    std::string GetStyle(std::string_view name) const;

    // Fonts (sizes at 96 DPI). Ids not added answer the default font.
    void SetDefaultFont(std::string_view face, int size, bool bold, bool underline, bool italic,
                        bool shared = false);
    const TFontInfo& GetDefaultFontInfo() const;
    void AddFont(int id, std::string_view face, int size, bool bold, bool underline, bool italic,
                 bool shared = false);
    const TFontInfo& GetFontInfo(int id) const;
    bool HasFont(int id) const;
    void RemoveAllFonts(bool shared = false);

    // Program folder (ends in '/') and the folder layouts and images are read from.
    static std::string GetInstancePath();
    static std::string GetResourcePath();
    static void SetResourcePath(std::string_view path);
    // A resource name with '\' as separator made a path below the resource folder
    // (absolute names are kept).
    static std::string ResolveResourcePath(std::string_view name);
    static const std::vector<CPaintManagerUI*>& GetPaintManagers();

    // DPI.
    CDPI* GetDPIObj() { return &dpi_; }
    const CDPI* GetDPIObj() const { return &dpi_; }
    // Sets the scale; the client size follows proportionally and the tree is laid out again.
    void SetDPI(int dpi);
    static void SetAllDPI(int dpi);
    // Drops images and measurements made for the previous scale; every control is
    // refreshed.
    void ResetDPIAssets();

    // Images.
    const TImageInfo* GetImageEx(std::string_view name);
    TDrawInfo GetDrawInfo(std::string_view drawString, std::string_view modify = {}) const;
    void RemoveAllImages();

    // Realisation hooks.
    void AddObserver(IControlObserver* observer);
    void RemoveObserver(IControlObserver* observer);
    void OnControlChanged(CControlUI* control, unsigned what);
    void OnControlAdded(CControlUI* control);
    void OnControlRemoved(CControlUI* control);
    void SetTextMeasurer(ITextMeasurer* measurer) { measurer_ = measurer; }
    UiSize MeasureText(std::string_view text, int fontId, int maxWidth) const;

    // Frees a record handed over through a window message (menu commands).
    template <typename T>
    static void DeletePtr(T* record) {
        delete record;
    }

  private:
    struct TimerTarget;
    struct LoopTarget;
    void fireTimer(CControlUI* control, unsigned timerId);
    void runDeferred();
    void unregisterTree(CControlUI* control);
    void updateHot(CControlUI* target, UiPoint point, uint32_t keyState);
    void restyle();
    static void restyleAll();
    void forgetTimers(CControlUI* control);
    void scheduleAsyncFlush();
    void registerTree(CControlUI* control);
    void deliverNotify(TNotifyUI& msg);

    CWindowWnd* window_ = nullptr;
    std::string name_;
    CControlUI* root_ = nullptr;
    std::unordered_map<std::string, std::vector<CControlUI*>> names_;
    std::vector<INotifyUI*> notifiers_;
    std::vector<TNotifyUI> asyncNotify_;
    std::vector<IControlObserver*> observers_;
    std::map<CControlUI*, std::unique_ptr<TimerTarget>> timers_;
    std::unique_ptr<LoopTarget> loopTarget_;
    std::vector<CControlUI*> delayedCleanup_;
    std::map<std::string, std::vector<CControlUI*>> optionGroups_;
    std::map<std::string, std::string> defaultAttributes_;
    std::map<std::string, std::string> styles_;
    std::map<std::string, std::string> windowAttributes_;
    std::map<int, TFontInfo> fonts_;
    TFontInfo defaultFont_;
    bool hasDefaultFont_ = false;
    std::unordered_map<std::string, TImageInfo> images_;
    CDPI dpi_;
    ITextMeasurer* measurer_ = nullptr;

    UiSize initSize_;
    UiSize clientSize_;
    UiRect caption_;
    UiSize roundCorner_;
    UiSize minInfo_;
    UiSize maxInfo_;
    UiRect sizeBox_;
    bool layoutNeeded_ = true;
    bool inLayout_ = false;

    CControlUI* focus_ = nullptr;
    CControlUI* hot_ = nullptr;
    CControlUI* capture_ = nullptr;
    UiPoint mousePos_;
};

}  // namespace vorn::ui
