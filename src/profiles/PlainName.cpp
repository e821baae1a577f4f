#include "profiles/PlainName.h"

namespace vorn::profiles {

std::string PlainName(std::string_view name) {
    const std::size_t cut = name.find_last_of("/\\");
    std::string plain(cut == std::string_view::npos ? name : name.substr(cut + 1));
    return plain == "." || plain == ".." ? std::string() : plain;
}

}  // namespace vorn::profiles
