#pragma once
// CResourceManager: the texts of the current language. Controls whose text is a language
// key show the string the loaded language file holds for it; ReloadText makes every such
// control of every window resolve its key again after a language change. The language file
// format is described in platform/text/LanguageFile.h.

#include <string>
#include <string_view>

#include "platform/text/LanguageFile.h"

namespace vorn::ui {

// Asked for keys the language file does not hold; an empty answer means "none".
class IQueryControlText {
  public:
    virtual ~IQueryControlText() = default;
    virtual std::string QueryControlText(std::string_view key, std::string_view type) = 0;
};

class CResourceManager {
  public:
    static CResourceManager& GetInstance();

    void SetLanguage(std::string_view name) { language_ = std::string(name); }
    std::string GetLanguage() const { return language_; }

    // Replaces the texts by those of a language file (a name below the resource folder, or
    // an absolute path). False, with the texts left empty, when the file is missing or
    // malformed.
    bool LoadLanguage(std::string_view file);
    // Texts from XML text in the language file format.
    bool LoadLanguageText(std::string_view xml);
    void SetTextQueryInterface(IQueryControlText* query) { query_ = query; }
    IQueryControlText* GetTextQueryInterface() const { return query_; }

    // The text for a key: the language file's, else the query interface's, else the key.
    std::string GetText(std::string_view key, std::string_view type = {}) const;
    bool HasText(std::string_view key) const;
    void SetText(std::string_view key, std::string_view text);
    void ResetTextMap() { texts_.clear(); }
    size_t GetTextCount() const { return texts_.size(); }

    // Every control showing a language key, in every paint manager, resolves it again.
    void ReloadText();

  private:
    CResourceManager() = default;

    std::string language_;
    platform::LanguageTexts texts_;
    IQueryControlText* query_ = nullptr;
};

}  // namespace vorn::ui
