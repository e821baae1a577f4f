#pragma once
// The macro list of a device model: "macro.config" in the device data folder names the
// macros in list order (the position is the macro index key assignments use) and the
// identifier that names each macro's file.

#include <string>
#include <vector>

namespace vorn::macros {

inline constexpr char kMacroListFileName[] = "macro.config";
inline constexpr char kMacroFileExtension[] = ".mac";

struct MacroListEntry {
    std::string name;  // "MacroName"
    std::string guid;  // "Guid": the macro file is guid + ".mac"
};

struct MacroList {
    std::vector<MacroListEntry> entries;  // "MacroInfo", in list order
    int selected = 0;                     // "macroselect"
};

// The list of folder/"macro.config". A missing, empty or damaged file gives an empty list;
// an element that is no object gives an entry without name or identifier, so the positions
// of the others stay what key assignments refer to.
MacroList readMacroList(const std::string& folder);

// The path of the macro file of guid in folder: the identifier is reduced to a plain name,
// so a list entry cannot lead outside the folder. Empty when nothing of it is left.
std::string macroFilePath(const std::string& folder, const std::string& guid);

}  // namespace vorn::macros
