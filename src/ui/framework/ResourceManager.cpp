#include "ui/framework/ResourceManager.h"

#include <pugixml.hpp>

#include "platform/debug/DebugSink.h"
#include "ui/framework/Control.h"
#include "ui/framework/PaintManager.h"

namespace vorn::ui {
namespace {

bool readTexts(const pugi::xml_document& doc,
               std::map<std::string, std::string, std::less<>>& out) {
    pugi::xml_node root = doc.document_element();
    if (!root) {
        return false;
    }
    for (pugi::xml_node text : root.children("Text")) {
        std::string id = text.attribute("id").value();
        if (id.empty()) {
            continue;
        }
        pugi::xml_attribute value = text.attribute("value");
        out[id] = value ? value.value() : text.text().get();
    }
    return true;
}

}  // namespace

CResourceManager& CResourceManager::GetInstance() {
    static CResourceManager instance;
    return instance;
}

bool CResourceManager::LoadLanguage(std::string_view file) {
    texts_.clear();
    std::string path = CPaintManagerUI::ResolveResourcePath(file);
    pugi::xml_document doc;
    pugi::xml_parse_result result = doc.load_file(path.c_str());
    if (!result) {
        platform::debugPrintf("language file %s: %s", path.c_str(), result.description());
        return false;
    }
    return readTexts(doc, texts_);
}

bool CResourceManager::LoadLanguageText(std::string_view xml) {
    texts_.clear();
    pugi::xml_document doc;
    if (!doc.load_buffer(xml.data(), xml.size())) {
        return false;
    }
    return readTexts(doc, texts_);
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
