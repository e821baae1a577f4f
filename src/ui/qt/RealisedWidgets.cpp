#include "ui/qt/RealisedWidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "ui/framework/controls/ScrollBar.h"
#include "ui/framework/drawing/Markup.h"
#include "ui/framework/drawing/RenderEngine.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/qt/QtPainter.h"
#include "ui/qt/StyleSheets.h"

namespace vorn::ui::qt {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

Qt::Alignment alignmentOf(unsigned style) {
    Qt::Alignment a = (style & DT_CENTER) != 0
                          ? Qt::AlignHCenter
                          : ((style & DT_RIGHT) != 0 ? Qt::AlignRight : Qt::AlignLeft);
    a |= (style & DT_VCENTER) != 0 ? Qt::AlignVCenter
                                   : ((style & DT_BOTTOM) != 0 ? Qt::AlignBottom : Qt::AlignTop);
    return a;
}

// The runs of a label's markup (the tree's parser) as Qt rich text.
QString richText(const std::string& text) {
    QString out;
    for (const TTextRun& run : parseMarkup(text)) {
        QString piece = qs(run.text).toHtmlEscaped();
        if (run.bold) {
            piece = "<b>" + piece + "</b>";
        }
        if (run.italic) {
            piece = "<i>" + piece + "</i>";
        }
        if (run.underline) {
            piece = "<u>" + piece + "</u>";
        }
        if (run.color != 0) {
            piece = "<span style=\"color:" + rgba(run.color) + "\">" + piece + "</span>";
        }
        out += piece;
        if (run.lineBreak) {
            out += "<br/>";
        }
    }
    return out;
}

// Style sheets are costly to apply: an unchanged one is not applied again.
void applyStyleSheet(QWidget* widget, const QString& sheet) {
    if (widget->styleSheet() != sheet) {
        widget->setStyleSheet(sheet);
    }
}

Qt::CursorShape toQtCursor(UiCursor cursor) {
    switch (cursor) {
        case UiCursor::Hand:
            return Qt::PointingHandCursor;
        case UiCursor::IBeam:
            return Qt::IBeamCursor;
        case UiCursor::Cross:
            return Qt::CrossCursor;
        case UiCursor::SizeWE:
            return Qt::SizeHorCursor;
        case UiCursor::SizeNS:
            return Qt::SizeVerCursor;
        case UiCursor::Wait:
            return Qt::WaitCursor;
        case UiCursor::No:
            return Qt::ForbiddenCursor;
        case UiCursor::Arrow:
            break;
    }
    return Qt::ArrowCursor;
}

UiEventType pressType(const QMouseEvent* e) {
    return e->button() == Qt::RightButton ? UIEVENT_RBUTTONDOWN : UIEVENT_BUTTONDOWN;
}

}  // namespace

// --- common ---

UiPoint Realised::childOrigin() const {
    return control_ != nullptr
               ? UiPoint{control_->GetPosNoLayout().left, control_->GetPosNoLayout().top}
               : UiPoint{};
}

void Realised::applyFont() {
    CPaintManagerUI* pm = control_->GetManager();
    if (pm == nullptr) {
        return;
    }
    TFontInfo f = pm->GetFontInfo(control_->GetFont());
    f.iSize = pm->GetDPIObj()->Scale(f.iSize);
    widget()->setFont(toQFont(f));
}

void Realised::syncCommon(unsigned what) {
    QWidget* w = widget();
    if ((what & CHANGE_VISIBLE) != 0) {
        w->setVisible(control_->IsVisibleSelf());
    }
    if ((what & CHANGE_ENABLED) != 0) {
        w->setEnabled(control_->IsEnabled());
    }
    if ((what & CHANGE_STYLE) != 0) {
        w->setToolTip(qs(control_->GetToolTip()));
        applyFont();
        w->setCursor(toQtCursor(control_->GetCursor()));
    }
}

void Realised::sync(unsigned what) {
    syncCommon(what);
    widget()->update();
}

// --- painted ---

PaintedWidget::PaintedWidget(RealiserContext& realiser, CControlUI* control, QWidget* parent,
                             bool container)
    : QWidget(parent), Realised(realiser, control), container_(container) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_Hover, true);
}

void PaintedWidget::sync(unsigned what) {
    syncCommon(what);
    update();
}

void PaintedWidget::paintEvent(QPaintEvent* event) {
    if (control_ == nullptr) {
        return;
    }
    QPainter p(this);
    const UiRect& rc = control_->GetPosNoLayout();
    p.translate(-rc.left, -rc.top);
    QtPainter painter(p);
    QRect dirty = event->rect().translated(rc.left, rc.top);
    UiRect paint{dirty.left(), dirty.top(), dirty.right() + 1, dirty.bottom() + 1};
    if (container_) {
        // The container's own layers; its children are widgets of their own.
        control_->CControlUI::DoPaint(painter, paint);
    } else {
        control_->DoPaint(painter, paint);
    }
}

void PaintedWidget::mousePressEvent(QMouseEvent* event) {
    realiser_.forwardMouse(this, pressType(event), event->position().toPoint(), event->modifiers());
}

void PaintedWidget::mouseReleaseEvent(QMouseEvent* event) {
    realiser_.forwardMouse(
        this, event->button() == Qt::RightButton ? UIEVENT_RBUTTONUP : UIEVENT_BUTTONUP,
        event->position().toPoint(), event->modifiers());
}

void PaintedWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    realiser_.forwardMouse(
        this, event->button() == Qt::RightButton ? UIEVENT_RBUTTONDOWN : UIEVENT_DBLCLICK,
        event->position().toPoint(), event->modifiers());
}

void PaintedWidget::mouseMoveEvent(QMouseEvent* event) {
    realiser_.forwardMouse(this, UIEVENT_MOUSEMOVE, event->position().toPoint(),
                           event->modifiers());
}

void PaintedWidget::wheelEvent(QWheelEvent* event) {
    realiser_.forwardMouse(this, UIEVENT_SCROLLWHEEL, event->position().toPoint(),
                           event->modifiers(), event->angleDelta().y());
    event->accept();
}

void PaintedWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (parentWidget() == realiser_.host()) {
        realiser_.forwardMouse(this, UIEVENT_MOUSELEAVE, {}, {});
    }
}

// --- scrolling container ---

namespace {

// The scrolled content: transparent, passes clicks on empty space to the container.
class ScrollContent final : public QWidget {
  public:
    ScrollContent(RealiserContext& realiser, QWidget* parent)
        : QWidget(parent), realiser_(realiser) {
        setMouseTracking(true);
    }

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        realiser_.forwardMouse(this, pressType(e), e->position().toPoint(), e->modifiers());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        realiser_.forwardMouse(this, UIEVENT_BUTTONUP, e->position().toPoint(), e->modifiers());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        realiser_.forwardMouse(this, UIEVENT_MOUSEMOVE, e->position().toPoint(), e->modifiers());
    }

  private:
    RealiserContext& realiser_;
};

}  // namespace

ScrollWidget::ScrollWidget(RealiserContext& realiser, CControlUI* control, QWidget* parent)
    : PaintedWidget(realiser, control, parent, true),
      area_(new QScrollArea(this)),
      content_(new ScrollContent(realiser, nullptr)) {
    area_->setFrameShape(QFrame::NoFrame);
    area_->setWidgetResizable(false);
    area_->setWidget(content_);
    area_->setAttribute(Qt::WA_TranslucentBackground);
    area_->viewport()->setAutoFillBackground(false);
    content_->setAutoFillBackground(false);
    auto* container = static_cast<CContainerUI*>(control);
    area_->setStyleSheet(
        scrollAreaStyle(container->GetVerticalScrollBar(), container->GetHorizontalScrollBar()));
    area_->setVerticalScrollBarPolicy(container->GetVerticalScrollBar() != nullptr
                                          ? Qt::ScrollBarAsNeeded
                                          : Qt::ScrollBarAlwaysOff);
    area_->setHorizontalScrollBarPolicy(container->GetHorizontalScrollBar() != nullptr
                                            ? Qt::ScrollBarAsNeeded
                                            : Qt::ScrollBarAlwaysOff);
    auto onScroll = [this] {
        if (control_ == nullptr || realiser_.syncing()) {
            return;
        }
        static_cast<CContainerUI*>(control_)->SetScrollPos(
            {area_->horizontalScrollBar()->value(), area_->verticalScrollBar()->value()});
    };
    connect(area_->verticalScrollBar(), &QScrollBar::valueChanged, this, onScroll);
    connect(area_->horizontalScrollBar(), &QScrollBar::valueChanged, this, onScroll);
}

UiPoint ScrollWidget::childOrigin() const {
    if (control_ == nullptr) {
        return {};
    }
    auto* c = static_cast<CContainerUI*>(control_);
    UiRect inner = c->GetPosNoLayout().deflated(c->GetInset());
    UiSize scroll = c->GetScrollPos();
    return {inner.left - scroll.cx, inner.top - scroll.cy};
}

void ScrollWidget::sync(unsigned what) {
    PaintedWidget::sync(what);
    auto* c = static_cast<CContainerUI*>(control_);
    UiRect rc = c->GetPosNoLayout();
    UiRect inner = rc.deflated(c->GetInset());
    area_->setGeometry(inner.left - rc.left, inner.top - rc.top, inner.width(), inner.height());
    UiSize content = c->GetContentSize();
    content_->resize(std::max(content.cx, inner.width()), std::max(content.cy, inner.height()));
    QSignalBlocker v(area_->verticalScrollBar());
    QSignalBlocker h(area_->horizontalScrollBar());
    area_->verticalScrollBar()->setValue(c->GetScrollPos().cy);
    area_->horizontalScrollBar()->setValue(c->GetScrollPos().cx);
}

// --- label ---

LabelWidget::LabelWidget(RealiserContext& realiser, CLabelUI* label, QWidget* parent)
    : QLabel(parent), Realised(realiser, label) {
    setFocusPolicy(Qt::ClickFocus);
}

void LabelWidget::sync(unsigned what) {
    syncCommon(what);
    auto* label = static_cast<CLabelUI*>(control_);
    if ((what & (CHANGE_TEXT | CHANGE_STYLE)) != 0) {
        unsigned style = label->GetTextStyle();
        elide_ = (style & DT_END_ELLIPSIS) != 0 && (style & DT_WORDBREAK) == 0;
        if (label->IsShowHtml()) {
            setTextFormat(Qt::RichText);
            setText(richText(label->GetText()));
        } else {
            setTextFormat(Qt::PlainText);
            plain_ = qs(label->GetText());
            showPlainText();
        }
    }
    if ((what & (CHANGE_STYLE | CHANGE_ENABLED)) != 0) {
        if (label->GetBorderSize() > 0 || label->GetBorderRound() > 0) {
            applyStyleSheet(this, labelStyle(label));
        } else {
            // Plain labels (the most numerous controls) take their colours from the palette,
            // which costs far less than a style sheet.
            applyStyleSheet(this, QString());
            QPalette pal = palette();
            UiColor text = !label->IsEnabled() && label->GetDisabledTextColor() != 0
                               ? label->GetDisabledTextColor()
                               : label->GetTextColor();
            if ((text >> 24) != 0) {
                pal.setColor(QPalette::WindowText, toQColor(text));
            }
            bool filled = (label->GetBkColor() >> 24) != 0;
            if (filled) {
                pal.setColor(QPalette::Window, toQColor(label->GetBkColor()));
            }
            setAutoFillBackground(filled);
            setPalette(pal);
            UiRect pad = label->GetTextPadding();
            setContentsMargins(pad.left, pad.top, pad.right, pad.bottom);
        }
    }
    if ((what & CHANGE_STYLE) != 0) {
        setAlignment(alignmentOf(label->GetTextStyle()));
        setWordWrap((label->GetTextStyle() & DT_WORDBREAK) != 0);
        if (elide_ && textFormat() == Qt::PlainText) {
            showPlainText();  // in the new font and margins
        }
    }
}

void LabelWidget::showPlainText() {
    QString shown = plain_;
    if (elide_) {
        QMargins m = contentsMargins();
        int width = std::max(0, this->width() - m.left() - m.right());
        shown = fontMetrics().elidedText(plain_, Qt::ElideRight, width);
    }
    if (text() != shown) {
        setText(shown);
    }
}

void LabelWidget::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (elide_ && textFormat() == Qt::PlainText) {
        showPlainText();
    }
}

// --- buttons and options ---

ButtonWidget::ButtonWidget(RealiserContext& realiser, CButtonUI* button, QWidget* parent)
    : QPushButton(parent), Realised(realiser, button) {
    setCheckable(button->GetInterface("Option") != nullptr);
    connect(this, &QPushButton::clicked, this, [this] {
        if (control_ == nullptr || realiser_.syncing()) {
            return;
        }
        CControlUI* c = control_;
        c->Activate();
        // The tree decides the selection (a group keeps one); the widget shows it.
        if (control_ != nullptr) {
            sync(CHANGE_SELECTION);
        }
    });
}

void ButtonWidget::sync(unsigned what) {
    syncCommon(what);
    auto* button = static_cast<CButtonUI*>(control_);
    if ((what & CHANGE_TEXT) != 0) {
        setText(qs(button->GetText()));
    }
    if ((what & CHANGE_SELECTION) != 0 && isCheckable()) {
        QSignalBlocker block(this);
        setChecked(static_cast<COptionUI*>(control_)->IsSelected());
    }
    if ((what & CHANGE_STYLE) != 0) {
        applyStyleSheet(this, buttonStyle(button));
    }
}

CheckWidget::CheckWidget(RealiserContext& realiser, CCheckBoxUI* box, QWidget* parent)
    : QCheckBox(parent), Realised(realiser, box) {
    connect(this, &QCheckBox::clicked, this, [this] {
        if (control_ == nullptr || realiser_.syncing()) {
            return;
        }
        control_->Activate();
        if (control_ != nullptr) {
            sync(CHANGE_SELECTION);
        }
    });
}

void CheckWidget::sync(unsigned what) {
    syncCommon(what);
    auto* box = static_cast<CCheckBoxUI*>(control_);
    if ((what & CHANGE_TEXT) != 0) {
        setText(qs(box->GetText()));
    }
    if ((what & CHANGE_SELECTION) != 0) {
        QSignalBlocker block(this);
        setChecked(box->GetCheck());
    }
    if ((what & CHANGE_STYLE) != 0) {
        applyStyleSheet(this, checkBoxStyle(box));
    }
}

// --- edits ---

EditWidget::EditWidget(RealiserContext& realiser, CEditUI* edit, QWidget* parent)
    : QLineEdit(parent), Realised(realiser, edit) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (control_ == nullptr || realiser_.syncing()) {
            return;
        }
        std::string accepted = static_cast<CEditUI*>(control_)->InputText(text.toStdString());
        if (control_ != nullptr && qs(accepted) != this->text()) {
            QSignalBlocker block(this);
            setText(qs(accepted));
        }
    });
    connect(this, &QLineEdit::returnPressed, this, [this] {
        if (control_ != nullptr && !realiser_.syncing()) {
            realiser_.focusGained(control_);
            realiser_.manager().DispatchKey(UIEVENT_KEYDOWN, VK_RETURN_KEY);
        }
    });
}

void EditWidget::sync(unsigned what) {
    syncCommon(what);
    auto* edit = static_cast<CEditUI*>(control_);
    if ((what & (CHANGE_TEXT | CHANGE_VALUE)) != 0 && text() != qs(edit->GetText())) {
        QSignalBlocker block(this);
        setText(qs(edit->GetText()));
    }
    if ((what & CHANGE_STYLE) != 0) {
        setMaxLength(edit->GetMaxChar() > 0 ? edit->GetMaxChar() : 32767);
        setEchoMode(edit->IsPasswordMode() ? QLineEdit::Password : QLineEdit::Normal);
        setReadOnly(edit->IsReadOnly());
        setPlaceholderText(qs(edit->GetTipValue()));
        setAlignment(alignmentOf(edit->GetTextStyle()));
        setValidator(edit->IsNumberOnly()
                         ? new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this)
                         : nullptr);
        applyStyleSheet(this, editStyle(edit, "QLineEdit"));
    }
}

TextEditWidget::TextEditWidget(RealiserContext& realiser, CRichEditUI* edit, QWidget* parent)
    : QPlainTextEdit(parent), Realised(realiser, edit) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (control_ == nullptr || realiser_.syncing()) {
            return;
        }
        static_cast<CEditUI*>(control_)->InputText(toPlainText().toStdString());
    });
}

void TextEditWidget::sync(unsigned what) {
    syncCommon(what);
    auto* edit = static_cast<CRichEditUI*>(control_);
    if ((what & (CHANGE_TEXT | CHANGE_VALUE)) != 0 && toPlainText() != qs(edit->GetText())) {
        QSignalBlocker block(this);
        setPlainText(qs(edit->GetText()));
    }
    if ((what & CHANGE_STYLE) != 0) {
        setReadOnly(edit->IsReadOnly());
        setPlaceholderText(qs(edit->GetTipValue()));
        applyStyleSheet(this, editStyle(edit, "QPlainTextEdit"));
    }
}

// --- slider and progress ---

SliderWidget::SliderWidget(RealiserContext& realiser, CSliderUI* slider, QWidget* parent)
    : QSlider(parent), Realised(realiser, slider) {
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QSlider::sliderMoved, this, [this](int value) {
        if (control_ != nullptr && !realiser_.syncing()) {
            static_cast<CSliderUI*>(control_)->UserChange(value, true);
        }
    });
    connect(this, &QSlider::sliderReleased, this, [this] {
        if (control_ != nullptr && !realiser_.syncing()) {
            static_cast<CSliderUI*>(control_)->UserChange(value(), false);
        }
    });
    connect(this, &QSlider::valueChanged, this, [this](int value) {
        // Keys and clicks on the groove change the value without a drag.
        if (control_ != nullptr && !realiser_.syncing() && !isSliderDown()) {
            static_cast<CSliderUI*>(control_)->UserChange(value, false);
        }
    });
}

void SliderWidget::sync(unsigned what) {
    syncCommon(what);
    auto* slider = static_cast<CSliderUI*>(control_);
    if ((what & (CHANGE_VALUE | CHANGE_STYLE)) != 0) {
        QSignalBlocker block(this);
        setOrientation(slider->IsHorizontal() ? Qt::Horizontal : Qt::Vertical);
        setRange(slider->GetMinValue(), slider->GetMaxValue());
        setSingleStep(slider->GetChangeStep());
        setPageStep(slider->GetPageStep());
        if (!isSliderDown()) {
            setValue(slider->GetValue());
        }
    }
    if ((what & CHANGE_STYLE) != 0) {
        applyStyleSheet(this, sliderStyle(slider));
    }
}

ProgressWidget::ProgressWidget(RealiserContext& realiser, CProgressUI* progress, QWidget* parent)
    : QProgressBar(parent), Realised(realiser, progress) {}

void ProgressWidget::sync(unsigned what) {
    syncCommon(what);
    auto* p = static_cast<CProgressUI*>(control_);
    if ((what & (CHANGE_VALUE | CHANGE_STYLE | CHANGE_TEXT)) != 0) {
        setOrientation(p->IsHorizontal() ? Qt::Horizontal : Qt::Vertical);
        setRange(p->GetMinValue(), std::max(p->GetMinValue(), p->GetMaxValue()));
        setValue(p->GetValue());
        setTextVisible(!p->GetText().empty());
        setFormat(qs(p->GetText()));
    }
    if ((what & CHANGE_STYLE) != 0) {
        applyStyleSheet(this, progressStyle(p));
    }
}

// --- combo ---

ComboWidget::ComboWidget(RealiserContext& realiser, CComboUI* combo, QWidget* parent)
    : QComboBox(parent), Realised(realiser, combo) {
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (control_ != nullptr && !realiser_.syncing()) {
            static_cast<CComboUI*>(control_)->SelectItem(index);
        }
    });
}

void ComboWidget::sync(unsigned what) {
    syncCommon(what);
    auto* combo = static_cast<CComboUI*>(control_);
    QSignalBlocker block(this);
    if ((what & (CHANGE_ITEMS | CHANGE_TEXT | CHANGE_STYLE)) != 0) {
        QStringList rows;
        rows.reserve(combo->GetCount());
        for (int i = 0; i < combo->GetCount(); ++i) {
            rows.push_back(qs(combo->GetItemAt(i)->GetText()));
        }
        clear();
        addItems(rows);
    }
    if ((what & (CHANGE_ITEMS | CHANGE_SELECTION | CHANGE_TEXT | CHANGE_STYLE)) != 0) {
        setCurrentIndex(combo->GetCurSel());
    }
    if ((what & CHANGE_STYLE) != 0) {
        applyStyleSheet(this, comboStyle(combo));
    }
}

}  // namespace vorn::ui::qt
