#pragma once
// Qt style sheets that give the native widgets the look the tree describes (colours,
// frames, corner radius, padding per state, images), scaled by the window's DPI. Every
// colour and image comes from the controls (the skin); a part the skin leaves without one
// keeps Qt's own look.

#include <QString>

namespace vorn::ui {
class CControlUI;
class CLabelUI;
class CButtonUI;
class COptionUI;
class CCheckBoxUI;
class CEditUI;
class CSliderUI;
class CProgressUI;
class CComboUI;
class CScrollBarUI;
}  // namespace vorn::ui

namespace vorn::ui::qt {

QString rgba(unsigned color);
QString labelStyle(CLabelUI* label);
QString buttonStyle(CButtonUI* button);
QString checkBoxStyle(CCheckBoxUI* box);
QString editStyle(CEditUI* edit, const char* qtClass);
QString sliderStyle(CSliderUI* slider);
QString progressStyle(CProgressUI* progress);
QString comboStyle(CComboUI* combo);
// The scroll area of a scrolling container with its bars (either may be nullptr).
QString scrollAreaStyle(CScrollBarUI* vertical, CScrollBarUI* horizontal);

}  // namespace vorn::ui::qt
