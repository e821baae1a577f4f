#include "devices/EventLink.h"

namespace vorn::devices {

EventLink::~EventLink() {
    closeAll();
}

int EventLink::transportFor(catalogue::DeviceType type) {
    using catalogue::DeviceType;
    switch (type) {
        case DeviceType::Keyboard:
        case DeviceType::Mouse:
        case DeviceType::MousePad:
        case DeviceType::Headset:
            return 0;
        case DeviceType::MouseOwnReceiver:
        case DeviceType::KeyboardOtherLink:
        case DeviceType::Receiver:
            return 1;
    }
    return -1;
}

EventLink::Slot* EventLink::slot(int index) {
    return index >= 0 && index < kTransportCount ? &slots_[static_cast<std::size_t>(index)]
                                                 : nullptr;
}

const EventLink::Slot* EventLink::slot(int index) const {
    return index >= 0 && index < kTransportCount ? &slots_[static_cast<std::size_t>(index)]
                                                 : nullptr;
}

bool EventLink::open(int index, const std::string& path) {
    Slot* s = slot(index);
    if (s == nullptr) {
        return false;
    }
    std::lock_guard<std::mutex> guard(s->lock);
    s->transport.close();
    s->open.store(false);
    const bool opened = s->transport.open(path, true, false, true, true);
    s->open.store(opened);
    return opened;
}

void EventLink::close(int index) {
    Slot* s = slot(index);
    if (s == nullptr) {
        return;
    }
    std::lock_guard<std::mutex> guard(s->lock);
    s->transport.close();
    s->open.store(false);
}

void EventLink::closeAll() {
    for (int i = 0; i < kTransportCount; ++i) {
        close(i);
    }
}

bool EventLink::isOpen(int index) const {
    const Slot* s = slot(index);
    return s != nullptr && s->open.load();
}

hid::HidTransport* EventLink::transport(int index) {
    Slot* s = slot(index);
    return s != nullptr ? &s->transport : nullptr;
}

std::mutex* EventLink::lock(int index) {
    Slot* s = slot(index);
    return s != nullptr ? &s->lock : nullptr;
}

}  // namespace vorn::devices
