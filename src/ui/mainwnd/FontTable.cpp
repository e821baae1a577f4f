#include "ui/mainwnd/FontTable.h"

#include <string>

#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui::mainwnd {
namespace {

// Sizes at 96 DPI.
struct FontRow {
    int id;  // -1: the default font
    int size;
    bool bold;
    bool underline;
};
constexpr FontRow kFontTable[] = {
    {-1, 13, false, false}, {0, 15, false, false}, {1, 14, false, true},  {2, 18, false, false},
    {3, 30, false, false},  {4, 16, false, false}, {5, 20, false, false}, {6, 22, false, false},
    {7, 14, false, false},  {8, 12, false, false}, {9, 11, false, false}, {10, 10, false, false},
    {11, 28, false, false}, {50, 14, true, false}, {51, 16, true, false},
};

}  // namespace

void installMainFontTable(CPaintManagerUI& pm) {
    // The skin's own face carries every script the program shows.
    const std::string face = pm.GetDefaultFontInfo().sFontName;
    pm.RemoveAllFonts(false);
    for (const FontRow& row : kFontTable) {
        if (row.id < 0) {
            pm.SetDefaultFont(face, row.size, row.bold, row.underline, false);
        } else {
            pm.AddFont(row.id, face, row.size, row.bold, row.underline, false);
        }
    }
}

}  // namespace vorn::ui::mainwnd
