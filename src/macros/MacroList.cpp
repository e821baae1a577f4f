#include "macros/MacroList.h"

#include "profiles/JsonFields.h"
#include "profiles/PlainName.h"
#include "storage/DataFile.h"

namespace vorn::macros {

MacroList readMacroList(const std::string& folder) {
    MacroList list;
    const Json::Value document = storage::ReadJsonFile(folder + kMacroListFileName);
    if (const Json::Value* info = profiles::findArray(document, "MacroInfo")) {
        list.entries.reserve(info->size());
        for (const Json::Value& element : *info) {
            list.entries.push_back({profiles::textMember(element, "MacroName"),
                                    profiles::textMember(element, "Guid")});
        }
    }
    list.selected = profiles::intMember(document, "macroselect");
    return list;
}

std::string macroFilePath(const std::string& folder, const std::string& guid) {
    const std::string plain = profiles::PlainName(guid);
    return plain.empty() ? std::string() : folder + plain + kMacroFileExtension;
}

}  // namespace vorn::macros
