#include "platform/loop/RegisteredMessages.h"

#include <map>
#include <mutex>
#include <vector>

namespace vorn::platform {
namespace {

struct Registry {
    std::mutex mutex;
    std::map<std::string, std::uint32_t, std::less<>> ids;
    std::vector<std::string> names;  // by id - kFirstRegisteredMessage
};

Registry& registry() {
    static Registry instance;
    return instance;
}

}  // namespace

std::uint32_t RegisterWindowMessage(std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (auto it = r.ids.find(name); it != r.ids.end()) {
        return it->second;
    }
    const std::uint32_t id = kFirstRegisteredMessage + static_cast<std::uint32_t>(r.names.size());
    if (id > kLastRegisteredMessage) {
        return 0;
    }
    r.names.emplace_back(name);
    r.ids.emplace(std::string(name), id);
    return id;
}

std::optional<std::string> RegisteredMessageName(std::uint32_t id) {
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (id < kFirstRegisteredMessage || id - kFirstRegisteredMessage >= r.names.size()) {
        return std::nullopt;
    }
    return r.names[id - kFirstRegisteredMessage];
}

std::uint32_t FindRegisteredMessage(std::string_view name) {
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = r.ids.find(name);
    return it != r.ids.end() ? it->second : 0;
}

}  // namespace vorn::platform
