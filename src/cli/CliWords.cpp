#include "cli/CliWords.h"

#include "catalogue/LinkRules.h"
#include "catalogue/SlotLookup.h"
#include "catalogue/StandardCatalogue.h"
#include "platform/debug/DebugSink.h"
#include "platform/text/LanguageFile.h"
#include "platform/text/Text.h"

namespace vorn::cli {

std::string messageText(std::string_view key, std::string_view fallback) {
    // Read afresh each time: a refusal is printed once per run, and the program folder may
    // change between runs in one process.
    const platform::LanguageTexts texts = platform::readEnglishTexts();
    const auto found = texts.find(key);
    std::string text =
        found != texts.end() && !found->second.empty() ? found->second : std::string(fallback);
    if (platform::debugRequested()) {
        text += " [" + std::string(key) + "]";
    }
    return text;
}

std::string_view pairedModelName(uint16_t code) {
    const catalogue::DeviceCatalogue& tables = catalogue::kDeviceCatalogue;
    const int slot = catalogue::findReportedModelSlot(tables, code, catalogue::SlotRole::Command);
    return slot == catalogue::kNoIndex ? std::string_view()
                                       : tables.slots[static_cast<size_t>(slot)].productString;
}

std::string chargingWords(uint8_t code) {
    switch (code) {
        case 0:
            return "no";
        case 1:
            return "yes";
        default:
            return platform::formatText("unknown state %u", code);
    }
}

std::string phoneTypeWords(uint8_t code) {
    switch (code) {
        case 0:
            return "no phone";
        case 1:
            return "iPhone";
        case 2:
            return "Samsung phone";
        case 3:
            return "other phone";
        default:
            return platform::formatText("unknown type %u", code);
    }
}

}  // namespace vorn::cli
