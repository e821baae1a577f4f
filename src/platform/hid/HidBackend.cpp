#include "platform/hid/HidBackend.h"

#include <atomic>

namespace vorn::platform::hid {
namespace {

class EmptyBus final : public HidBackend {
public:
    std::vector<std::string> enumerate() override { return {}; }
    std::unique_ptr<HidDevice> open(const std::string&, bool, bool, HidOpenError& error) override {
        error = HidOpenError::NotFound;
        return nullptr;
    }
    bool isPresent(const std::string&) override { return false; }
};

EmptyBus gEmptyBus;
std::atomic<HidBackend*> gBackend{nullptr};

}  // namespace

HidBackend& currentHidBackend() {
    HidBackend* b = gBackend.load();
    return b != nullptr ? *b : gEmptyBus;
}

void setHidBackend(HidBackend* backend) { gBackend.store(backend); }

}  // namespace vorn::platform::hid
