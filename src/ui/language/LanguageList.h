#pragma once
// The language list of the program ("Language.config" in the default data folder): JSON
// {"Language": [{"Language_ID": 1033, "Language_name": "en", "Language_file": "lan_en.xml"},
// ...]}. The position in the list is the language index.

#include <string>
#include <string_view>
#include <vector>

namespace vorn::ui {

struct LanguageEntry {
    int id = 0;
    std::string name;
    std::string file;
};

// The entries in order; entries without a name or file are skipped. Empty when the file is
// missing or malformed.
std::vector<LanguageEntry> readLanguageList(const std::string& path);
// Position of the first entry with the id; 0 when none has it.
int languageIndexForId(const std::vector<LanguageEntry>& list, int id);
// Position of the entry with the name (without regard to case), or -1.
int languageIndexForName(const std::vector<LanguageEntry>& list, std::string_view name);
// Makes the entry the current language: name, texts from its file, every window's texts
// resolved again. False when its file cannot be loaded.
bool applyLanguage(const LanguageEntry& entry);

}  // namespace vorn::ui
