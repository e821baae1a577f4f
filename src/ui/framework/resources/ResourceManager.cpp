#include "ui/framework/resources/ResourceManager.h"

#include "platform/debug/DebugSink.h"
#include "platform/text/LanguageFile.h"
#include "ui/framework/controls/Control.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

CResourceManager& CResourceManager::GetInstance() {
    static CResourceManager instance;
    return instance;
}

bool CResourceManager::LoadLanguage(std::string_view file) {
    std::string path = CPaintManagerUI::ResolveResourcePath(file);
    std::string error;
    if (!platform::readLanguageFile(path, texts_, error)) {
        platform::debugPrintf("language file %s: %s", path.c_str(), error.c_str());
        return false;
    }
    return true;
}

bool CResourceManager::LoadLanguageText(std::string_view xml) {
    std::string error;
    return platform::readLanguageText(xml, texts_, error);
}

std::string CResourceManager::GetText(std::string_view key, std::string_view type) const {
    auto it = texts_.find(key);
    if (it != texts_.end()) {
        return it->second;
    }
    if (query_ != nullptr) {
        std::string answer = query_->QueryControlText(key, type);
        if (!answer.empty()) {
            return answer;
        }
    }
    return std::string(key);
}

bool CResourceManager::HasText(std::string_view key) const {
    return texts_.find(key) != texts_.end();
}

void CResourceManager::SetText(std::string_view key, std::string_view text) {
    texts_[std::string(key)] = std::string(text);
}

void CResourceManager::ReloadText() {
    struct Reload {
        static CControlUI* call(CControlUI* c, const void*) {
            c->ReloadText();
            return nullptr;
        }
    };
    for (CPaintManagerUI* pm : CPaintManagerUI::GetPaintManagers()) {
        if (CControlUI* root = pm->GetRoot()) {
            root->FindControl(&Reload::call, nullptr, UIFIND_ALL);
        }
    }
}

}  // namespace vorn::ui
