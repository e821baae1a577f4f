#pragma once
// What vornctl tells a person in words rather than codes: the skin's English message texts,
// the model a paired model code names, and the power block's states.

#include <cstdint>
#include <string>
#include <string_view>

namespace vorn::cli {

// The English text the skin's language file holds for a message key, else fallback. With
// VORN_DEBUG=1 the key follows in brackets.
std::string messageText(std::string_view key, std::string_view fallback);

// The model the catalogue gives a paired model code (the receiver's DeviceInfo byte 7), e.g.
// "VORN-T4Pro" for 0; empty when no catalogue row carries the code.
std::string_view pairedModelName(uint16_t code);

// The power block's bytes in words.
std::string chargingWords(uint8_t code);
std::string phoneTypeWords(uint8_t code);

}  // namespace vorn::cli
