#include "ui/qt/StyleSheets.h"

#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/controls/ScrollBar.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui::qt {
namespace {

QString px(int v) {
    return QString::number(v) + "px";
}

QString background(UiColor c) {
    return (c >> 24) != 0 ? rgba(c) : QString("transparent");
}

QString frame(CControlUI* c) {
    QString s;
    int size = c->GetBorderSize();
    if (size > 0 && (c->GetBorderColor() >> 24) != 0) {
        s += "border: " + px(size) + " solid " + rgba(c->GetBorderColor()) + ";";
    } else {
        s += "border: none;";
    }
    if (c->GetBorderRound() > 0) {
        s += "border-radius: " + px(c->GetBorderRound()) + ";";
    }
    return s;
}

QString padding(const UiRect& p) {
    return "padding: " + px(p.top) + " " + px(p.right) + " " + px(p.bottom) + " " + px(p.left) +
           ";";
}

QString textColor(UiColor c) {
    return (c >> 24) != 0 ? "color: " + rgba(c) + ";" : QString();
}

// "property: colour;" when the skin gives the colour, nothing otherwise.
QString colorRule(const char* property, UiColor c) {
    return (c >> 24) != 0 ? QString(property) + ":" + rgba(c) + ";" : QString();
}

QString imageUrl(const std::string& image) {
    return image.empty()
               ? QString()
               : "image:url(" +
                     QString::fromStdString(CPaintManagerUI::ResolveResourcePath(image)) + ");";
}

}  // namespace

QString rgba(unsigned c) {
    return QString("rgba(%1,%2,%3,%4)")
        .arg((c >> 16) & 0xFF)
        .arg((c >> 8) & 0xFF)
        .arg(c & 0xFF)
        .arg(c >> 24);
}

QString labelStyle(CLabelUI* label) {
    return "QLabel{" + textColor(label->GetTextColor()) +
           "background:" + background(label->GetBkColor()) + ";" + frame(label) +
           padding(label->GetTextPadding()) + "}" + "QLabel:disabled{" +
           textColor(label->GetDisabledTextColor()) + "}";
}

QString buttonStyle(CButtonUI* b) {
    unsigned align = b->GetTextStyle();
    QString textAlign =
        (align & DT_CENTER) != 0 ? "center" : ((align & DT_RIGHT) != 0 ? "right" : "left");
    QString s = "QPushButton{" + textColor(b->GetTextColor()) +
                "background:" + background(b->GetBkColor()) + ";" + frame(b) +
                padding(b->GetTextPadding()) + "text-align:" + textAlign + ";outline:none;}";
    s += "QPushButton:hover{";
    if (b->GetHotBkColor() != 0) {
        s += "background:" + rgba(b->GetHotBkColor()) + ";";
    }
    s += textColor(b->GetHotTextColor());
    if (b->GetHotBorderColor() != 0 && b->GetBorderSize() > 0) {
        s += "border-color:" + rgba(b->GetHotBorderColor()) + ";";
    }
    s += "}";
    s += "QPushButton:pressed{";
    if (b->GetPushedBkColor() != 0) {
        s += "background:" + rgba(b->GetPushedBkColor()) + ";";
    }
    s += textColor(b->GetPushedTextColor()) + "}";
    if (auto* option = dynamic_cast<COptionUI*>(b)) {
        s += "QPushButton:checked{";
        if (option->GetSelectedBkColor() != 0) {
            s += "background:" + rgba(option->GetSelectedBkColor()) + ";";
        }
        s += textColor(option->GetSelectedTextColor()) + "}";
    }
    s += "QPushButton:disabled{";
    if (b->GetDisabledBkColor() != 0) {
        s += "background:" + rgba(b->GetDisabledBkColor()) + ";";
    }
    s += textColor(b->GetDisabledTextColor()) + "}";
    return s;
}

QString checkBoxStyle(CCheckBoxUI* box) {
    int scale = box->Scale(16);
    UiColor checked = box->GetSelectedBkColor();
    return "QCheckBox{" + textColor(box->GetTextColor()) +
           "background:" + background(box->GetBkColor()) + ";spacing:" + px(box->Scale(8)) + ";}" +
           "QCheckBox:disabled{" + textColor(box->GetDisabledTextColor()) + "}" +
           "QCheckBox::indicator{width:" + px(scale) + ";height:" + px(scale) +
           ";border-radius:" + px(box->Scale(4)) + ";border:1px solid " +
           background(box->GetIndicatorBorderColor()) + ";" +
           colorRule("background", box->GetIndicatorBkColor()) + "}" +
           "QCheckBox::indicator:hover{" + colorRule("border-color", checked) + "}" +
           "QCheckBox::indicator:checked{" + colorRule("background", checked) +
           colorRule("border-color", checked) + imageUrl(box->GetCheckImage()) + "}";
}

QString editStyle(CEditUI* e, const char* qtClass) {
    QString cls = qtClass;
    // The focus frame's colour also marks selected text.
    UiColor focus = e->GetFocusBorderColor();
    return cls + "{" + textColor(e->GetTextColor()) + "background:" + background(e->GetBkColor()) +
           ";" + frame(e) + padding(e->GetTextPadding()) +
           colorRule("selection-background-color", focus) + "}" + cls + ":focus{" +
           colorRule("border-color", focus) + "}" + cls + ":disabled{" +
           textColor(e->GetDisabledTextColor()) + "}";
}

QString sliderStyle(CSliderUI* s) {
    bool hor = s->IsHorizontal();
    QString axis = hor ? "horizontal" : "vertical";
    int groove = s->Scale(4);
    UiSize thumb = s->GetThumbSize();
    UiColor fore = s->GetForeColor();
    UiColor back = s->GetBkColor();
    int margin = -(std::max(thumb.cx, thumb.cy) - groove) / 2;
    QString st = "QSlider{background:transparent;}";
    st += "QSlider::groove:" + axis + "{" + (hor ? "height:" : "width:") + px(groove) +
          ";background:" + background(back) + ";border-radius:" + px(groove / 2) + ";}";
    st += QString("QSlider::") + (hor ? "sub-page" : "add-page") + ":" + axis +
          "{background:" + background(fore) + ";border-radius:" + px(groove / 2) + ";}";
    st += "QSlider::handle:" + axis + "{width:" + px(thumb.cx) + ";height:" + px(thumb.cy) +
          ";margin:" + (hor ? px(margin) + " 0" : "0 " + px(margin)) +
          ";border-radius:" + px(std::max(thumb.cx, thumb.cy) / 2) + ";" +
          colorRule("background", s->GetThumbColor()) + "border:" + px(s->Scale(3)) + " solid " +
          background(fore) + ";}";
    st += "QSlider::handle:" + axis + ":hover{" + colorRule("background", s->GetThumbHotColor()) +
          "}";
    st += "QSlider::sub-page:" + axis + ":disabled{" +
          colorRule("background", s->GetDisabledForeColor()) + "}";
    return st;
}

QString progressStyle(CProgressUI* p) {
    UiColor fore = p->GetForeColor();
    int radius = p->GetBorderRound();
    return "QProgressBar{" + textColor(p->GetTextColor()) +
           "background:" + background(p->GetBkColor()) +
           ";border:none;border-radius:" + px(radius) + ";text-align:center;}" +
           "QProgressBar::chunk{background:" + background(fore) + ";border-radius:" + px(radius) +
           ";}";
}

QString comboStyle(CComboUI* c) {
    TListInfoUI* info = c->GetListInfo();
    UiRect pad = c->GetTextPadding();
    return "QComboBox{" + textColor(c->GetTextColor()) +
           "background:" + background(c->GetBkColor()) + ";" + frame(c) + "padding:0 " +
           px(c->Scale(8)) + " 0 " + px(pad.left) + ";}" + "QComboBox:hover{" +
           colorRule("border-color", c->GetHotBorderColor()) + "}" +
           "QComboBox::drop-down{border:none;width:" + px(c->Scale(26)) + ";}" +
           "QComboBox::down-arrow{" + imageUrl(c->GetArrowImage()) + "width:" + px(c->Scale(12)) +
           ";height:" + px(c->Scale(12)) + ";}" +
           "QComboBox QAbstractItemView{background:" + background(info->dwBkColor) + ";" +
           textColor(info->dwTextColor) +
           "selection-background-color:" + background(info->dwSelectedBkColor) + ";" +
           colorRule("selection-color", info->dwSelectedTextColor) + "border:1px solid " +
           background(c->GetDropBorderColor()) + ";outline:none;padding:" + px(c->Scale(4)) + ";}";
}

QString scrollAreaStyle(CScrollBarUI* vertical, CScrollBarUI* horizontal) {
    QString s =
        "QScrollArea{background:transparent;border:none;}"
        "QScrollBar::add-line,QScrollBar::sub-line{width:0;height:0;}"
        "QScrollBar::add-page,QScrollBar::sub-page{background:transparent;}";
    auto bar = [&s](CScrollBarUI* b, const char* axis, const char* thickness, const char* length) {
        if (b == nullptr) {
            return;
        }
        s += QString("QScrollBar:") + axis + "{background:transparent;" + thickness + ":" +
             px(b->Scale(8)) + ";margin:" + px(b->Scale(2)) + ";}";
        s += QString("QScrollBar::handle:") + axis + "{" +
             colorRule("background", b->GetThumbColor()) + "border-radius:" + px(b->Scale(3)) +
             ";min-" + length + ":" + px(b->Scale(24)) + ";}";
        s += QString("QScrollBar::handle:") + axis + ":hover{" +
             colorRule("background", b->GetThumbHotColor()) + "}";
    };
    bar(vertical, "vertical", "width", "height");
    bar(horizontal, "horizontal", "height", "width");
    return s;
}

}  // namespace vorn::ui::qt
