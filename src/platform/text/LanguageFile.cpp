#include "platform/text/LanguageFile.h"

#include <pugixml.hpp>

#include "platform/debug/DebugSink.h"
#include "platform/paths/Paths.h"

namespace vorn::platform {
namespace {

bool readTexts(const pugi::xml_document& doc, const pugi::xml_parse_result& parsed,
               LanguageTexts& texts, std::string& error) {
    texts.clear();
    if (!parsed) {
        error = parsed.description();
        return false;
    }
    pugi::xml_node root = doc.document_element();
    if (!root) {
        error = "no root element";
        return false;
    }
    for (pugi::xml_node text : root.children("Text")) {
        std::string id = text.attribute("id").value();
        if (id.empty()) {
            continue;
        }
        pugi::xml_attribute value = text.attribute("value");
        texts[id] = value ? value.value() : text.text().get();
    }
    return true;
}

}  // namespace

bool readLanguageFile(const std::string& path, LanguageTexts& texts, std::string& error) {
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_file(path.c_str());
    return readTexts(doc, parsed, texts, error);
}

bool readLanguageText(std::string_view xml, LanguageTexts& texts, std::string& error) {
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_buffer(xml.data(), xml.size());
    return readTexts(doc, parsed, texts, error);
}

LanguageTexts readEnglishTexts() {
    LanguageTexts texts;
    std::string error;
    const std::string path = skinFolder() + std::string(kEnglishLanguageFile);
    if (!readLanguageFile(path, texts, error)) {
        debugPrintf("language file %s: %s", path.c_str(), error.c_str());
    }
    return texts;
}

}  // namespace vorn::platform
