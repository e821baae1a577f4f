#include "ui/qt/StyleSheets.h"

#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui::qt {
namespace {

// Accent of the skin where a control names no colour of its own.
constexpr UiColor kAccent = 0xFFE23B4Eu;

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
    UiColor accent = box->GetSelectedBkColor() != 0 ? box->GetSelectedBkColor() : kAccent;
    std::string check = CPaintManagerUI::ResolveResourcePath("common/check.svg");
    return "QCheckBox{" + textColor(box->GetTextColor()) +
           "background:" + background(box->GetBkColor()) + ";spacing:" + px(box->Scale(8)) + ";}" +
           "QCheckBox:disabled{" + textColor(box->GetDisabledTextColor()) + "}" +
           "QCheckBox::indicator{width:" + px(scale) + ";height:" + px(scale) +
           ";border-radius:" + px(box->Scale(4)) + ";border:1px solid rgba(74,80,92,255);" +
           "background:rgba(15,17,20,255);}" +
           "QCheckBox::indicator:hover{border-color:" + rgba(accent) + ";}" +
           "QCheckBox::indicator:checked{background:" + rgba(accent) +
           ";border-color:" + rgba(accent) + ";image:url(" + QString::fromStdString(check) + ");}";
}

QString editStyle(CEditUI* e, const char* qtClass) {
    QString cls = qtClass;
    UiColor focus = e->GetFocusBorderColor() != 0 ? e->GetFocusBorderColor() : kAccent;
    return cls + "{" + textColor(e->GetTextColor()) + "background:" + background(e->GetBkColor()) +
           ";" + frame(e) + padding(e->GetTextPadding()) +
           "selection-background-color:" + rgba(kAccent) + ";}" + cls +
           ":focus{border-color:" + rgba(focus) + ";}" + cls + ":disabled{" +
           textColor(e->GetDisabledTextColor()) + "}";
}

QString sliderStyle(CSliderUI* s) {
    bool hor = s->IsHorizontal();
    QString axis = hor ? "horizontal" : "vertical";
    int groove = s->Scale(4);
    UiSize thumb = s->GetThumbSize();
    UiColor fore = s->GetForeColor() != 0 ? s->GetForeColor() : kAccent;
    UiColor back = s->GetBkColor() != 0 ? s->GetBkColor() : 0xFF2C3039u;
    int margin = -(std::max(thumb.cx, thumb.cy) - groove) / 2;
    QString st = "QSlider{background:transparent;}";
    st += "QSlider::groove:" + axis + "{" + (hor ? "height:" : "width:") + px(groove) +
          ";background:" + rgba(back) + ";border-radius:" + px(groove / 2) + ";}";
    st += QString("QSlider::") + (hor ? "sub-page" : "add-page") + ":" + axis +
          "{background:" + rgba(fore) + ";border-radius:" + px(groove / 2) + ";}";
    st += "QSlider::handle:" + axis + "{width:" + px(thumb.cx) + ";height:" + px(thumb.cy) +
          ";margin:" + (hor ? px(margin) + " 0" : "0 " + px(margin)) +
          ";border-radius:" + px(std::max(thumb.cx, thumb.cy) / 2) +
          ";background:rgba(244,245,247,255);border:" + px(s->Scale(3)) + " solid " + rgba(fore) +
          ";}";
    st += "QSlider::handle:" + axis + ":hover{background:rgba(255,255,255,255);}";
    st += "QSlider::sub-page:" + axis + ":disabled{background:rgba(90,94,102,255);}";
    return st;
}

QString progressStyle(CProgressUI* p) {
    UiColor fore = p->GetForeColor() != 0 ? p->GetForeColor() : kAccent;
    int radius = p->GetBorderRound();
    return "QProgressBar{" + textColor(p->GetTextColor()) +
           "background:" + background(p->GetBkColor()) +
           ";border:none;border-radius:" + px(radius) + ";text-align:center;}" +
           "QProgressBar::chunk{background:" + rgba(fore) + ";border-radius:" + px(radius) + ";}";
}

QString comboStyle(CComboUI* c) {
    TListInfoUI* info = c->GetListInfo();
    std::string arrow = CPaintManagerUI::ResolveResourcePath("common/arrow_down.svg");
    UiRect pad = c->GetTextPadding();
    return "QComboBox{" + textColor(c->GetTextColor()) +
           "background:" + background(c->GetBkColor()) + ";" + frame(c) + "padding:0 " +
           px(c->Scale(8)) + " 0 " + px(pad.left) + ";}" +
           "QComboBox:hover{border-color:" + rgba(kAccent) + ";}" +
           "QComboBox::drop-down{border:none;width:" + px(c->Scale(26)) + ";}" +
           "QComboBox::down-arrow{image:url(" + QString::fromStdString(arrow) +
           ");width:" + px(c->Scale(12)) + ";height:" + px(c->Scale(12)) + ";}" +
           "QComboBox QAbstractItemView{background:" + background(info->dwBkColor) + ";" +
           textColor(info->dwTextColor) +
           "selection-background-color:" + background(info->dwSelectedBkColor) +
           ";selection-color:" +
           ((info->dwSelectedTextColor >> 24) != 0 ? rgba(info->dwSelectedTextColor)
                                                   : QString("white")) +
           ";border:1px solid rgba(52,57,68,255);outline:none;padding:" + px(c->Scale(4)) + ";}";
}

}  // namespace vorn::ui::qt
