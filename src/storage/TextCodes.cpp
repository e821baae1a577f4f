#include "storage/TextCodes.h"

#include <cstring>

#include "platform/text/Text.h"

namespace vorn::storage {
namespace {

std::unique_ptr<char[]> newBuffer(const wchar_t* wide, std::size_t zeros) {
    if (wide == nullptr) {
        return nullptr;
    }
    std::string bytes = platform::wideToUtf8(wide);
    auto buffer = std::make_unique<char[]>(bytes.size() + zeros);  // value-initialised
    std::memcpy(buffer.get(), bytes.data(), bytes.size());
    return buffer;
}

}  // namespace

std::string WideToUtf8(std::wstring_view wide) {
    return platform::wideToUtf8(wide);
}

std::wstring Utf8ToWide(std::string_view utf8) {
    return platform::utf8ToWide(utf8);
}

std::unique_ptr<char[]> WideToAnsi(const wchar_t* wide) {
    return newBuffer(wide, 2);
}

std::unique_ptr<char[]> WideToOem(const wchar_t* wide) {
    return newBuffer(wide, 1);
}

std::string HexWord(std::uint32_t value) {
    return platform::formatText("%08X", static_cast<unsigned>(value));
}

}  // namespace vorn::storage
