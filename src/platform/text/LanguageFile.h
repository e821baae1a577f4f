#pragma once
// Language files of the skin: the texts of one language, each under its key.
//
// Language file (UTF-8 XML):
//   <Language name="en">
//     <Text id="message_text_2">Save the changes?</Text>
//     <Text id="tips_text" value="Notice"/>
//   </Language>
// A "value" attribute wins over the element's text; entries without an id are skipped.

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace vorn::platform {

using LanguageTexts = std::map<std::string, std::string, std::less<>>;

// The file of the English texts, in the skin folder.
inline constexpr std::string_view kEnglishLanguageFile = "lan_en.xml";

// Reads the texts of the language file at path into texts (replacing what it held). False,
// with texts empty and error saying why, when the file is missing or malformed.
bool readLanguageFile(const std::string& path, LanguageTexts& texts, std::string& error);
// The same for XML text in the language file format.
bool readLanguageText(std::string_view xml, LanguageTexts& texts, std::string& error);

// The English texts of the skin folder; none, after a diagnostic line saying why, when the
// file cannot be read.
LanguageTexts readEnglishTexts();

}  // namespace vorn::platform
