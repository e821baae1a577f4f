#pragma once
// Qt style sheets that give the native widgets the look the tree describes (colours,
// frames, corner radius, padding per state), scaled by the window's DPI.

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

}  // namespace vorn::ui::qt
