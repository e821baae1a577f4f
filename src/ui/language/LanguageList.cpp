#include "ui/language/LanguageList.h"

#include <json/json.h>

#include "platform/debug/DebugSink.h"
#include "platform/text/Text.h"
#include "storage/DataFile.h"
#include "ui/framework/resources/ResourceManager.h"

namespace vorn::ui {

std::vector<LanguageEntry> readLanguageList(const std::string& path) {
    std::vector<LanguageEntry> list;
    const Json::Value root = storage::ReadJsonFile(path);
    if (!root.isObject()) {
        platform::debugPrintf("language list %s unreadable", path.c_str());
        return list;
    }
    const Json::Value& entries = root["Language"];
    if (!entries.isArray()) {
        return list;
    }
    for (const Json::Value& e : entries) {
        if (!e.isObject() || !e["Language_name"].isString() || !e["Language_file"].isString()) {
            continue;
        }
        LanguageEntry entry;
        entry.id = e["Language_ID"].isInt() ? e["Language_ID"].asInt() : 0;
        entry.name = e["Language_name"].asString();
        entry.file = e["Language_file"].asString();
        list.push_back(entry);
    }
    return list;
}

int languageIndexForId(const std::vector<LanguageEntry>& list, int id) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].id == id) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

int languageIndexForName(const std::vector<LanguageEntry>& list, std::string_view name) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (platform::equalsIgnoreCase(list[i].name, name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool applyLanguage(const LanguageEntry& entry) {
    CResourceManager& rm = CResourceManager::GetInstance();
    rm.SetLanguage(entry.name);
    bool ok = rm.LoadLanguage(entry.file);
    rm.ReloadText();
    return ok;
}

}  // namespace vorn::ui
