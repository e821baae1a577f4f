#pragma once
// The widgets that show controls (inside the Qt layer only). Each keeps its control and
// applies the control's state when told what changed; user input goes back through the
// realiser's context (RealiserContext).

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>

#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/Label.h"
#include "ui/framework/controls/Progress.h"
#include "ui/qt/RealiserContext.h"

namespace vorn::ui::qt {

class Realised {
  public:
    Realised(RealiserContext& realiser, CControlUI* control)
        : realiser_(realiser), control_(control) {}
    virtual ~Realised() = default;
    Realised(const Realised&) = delete;
    Realised& operator=(const Realised&) = delete;

    virtual QWidget* widget() = 0;
    // Where the control's children go, and the window point that is its (0,0).
    virtual QWidget* childParent() { return widget(); }
    virtual UiPoint childOrigin() const;
    // Applies the control's state to the widget (ControlChange bits).
    virtual void sync(unsigned what);
    CControlUI* control() const { return control_; }
    // The control leaves the tree: the widget stops using it.
    void detach() { control_ = nullptr; }

  protected:
    void syncCommon(unsigned what);
    void applyFont();
    RealiserContext& realiser_;
    CControlUI* control_;
};

// A control that draws itself (and containers, which draw their own background and frame):
// painting goes through DoPaint, mouse input through the paint manager.
class PaintedWidget : public QWidget, public Realised {
  public:
    PaintedWidget(RealiserContext& realiser, CControlUI* control, QWidget* parent, bool container);
    QWidget* widget() override { return this; }
    void sync(unsigned what) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    bool container_;
};

// A container whose content scrolls.
class ScrollWidget final : public PaintedWidget {
  public:
    ScrollWidget(RealiserContext& realiser, CControlUI* control, QWidget* parent);
    QWidget* childParent() override { return content_; }
    UiPoint childOrigin() const override;
    void sync(unsigned what) override;

  private:
    QScrollArea* area_;
    QWidget* content_;
};

class LabelWidget final : public QLabel, public Realised {
  public:
    LabelWidget(RealiserContext& realiser, CLabelUI* label, QWidget* parent);
    QWidget* widget() override { return this; }
    void sync(unsigned what) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Plain text with "endellipsis" is cut to the width with an ellipsis at its end.
    void showPlainText();
    QString plain_;
    bool elide_ = false;
};

// Buttons and options (an option is a checkable button).
class ButtonWidget final : public QPushButton, public Realised {
  public:
    ButtonWidget(RealiserContext& realiser, CButtonUI* button, QWidget* parent);
    QWidget* widget() override { return this; }
    void sync(unsigned what) override;
};

class CheckWidget final : public QCheckBox, public Realised {
  public:
    CheckWidget(RealiserContext& realiser, CCheckBoxUI* box, QWidget* parent);
    QWidget* widget() override { return this; }
    void sync(unsigned what) override;
};

class EditWidget final : public QLineEdit, public Realised {
  public:
    EditWidget(RealiserContext& realiser, CEditUI* edit, QWidget* parent);
    QWidget* widget() override { return this; }
    void sync(unsigned what) override;
};

class TextEditWidget final : public QPlainTextEdit, public Realised {
  public:
    TextEditWidget(RealiserContext& realiser, CRichEditUI* edit, QWidget* parent);
    QWidget* widget() override { return this; }
    void sync(unsigned what) override;
};

class SliderWidget final : public QSlider, public Realised {
  public:
    SliderWidget(RealiserContext& realiser, CSliderUI* slider, QWidget* parent);
    QWidget* widget() override { return this; }
    void sync(unsigned what) override;
};

class ProgressWidget final : public QProgressBar, public Realised {
  public:
    ProgressWidget(RealiserContext& realiser, CProgressUI* progress, QWidget* parent);
    QWidget* widget() override { return this; }
    void sync(unsigned what) override;
};

class ComboWidget final : public QComboBox, public Realised {
  public:
    ComboWidget(RealiserContext& realiser, CComboUI* combo, QWidget* parent);
    QWidget* widget() override { return this; }
    void sync(unsigned what) override;
};

}  // namespace vorn::ui::qt
