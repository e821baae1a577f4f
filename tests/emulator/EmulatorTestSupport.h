#pragma once
// Opening collections of a virtual bus and one request/reply exchange, for the emulator
// tests. Buses here run on virtual time, so time-outs cost nothing.

#include <gtest/gtest.h>

#include <memory>

#include "TestFrames.h"
#include "emulator/bus/VirtualBus.h"
#include "emulator/bus/VirtualHandle.h"
#include "emulator/firmware/MouseFirmware.h"
#include "emulator/firmware/MouseModels.h"
#include "emulator/firmware/ReceiverFirmware.h"

namespace vorn::test {

inline std::unique_ptr<platform::hid::HidDevice> openCollection(emulator::VirtualBus& bus,
                                                                int device, int collection,
                                                                bool read = true,
                                                                bool write = true) {
    platform::hid::HidOpenError error = platform::hid::HidOpenError::Failed;
    auto handle = bus.open(bus.collectionPath(device, collection), read, write, error);
    EXPECT_NE(handle, nullptr);
    return handle;
}

// Writes the request and reads one reply (all zeros when none came).
inline TestFrame roundTrip(platform::hid::HidDevice& handle, const TestFrame& request) {
    size_t moved = 0;
    TestFrame reply{};
    EXPECT_EQ(handle.write(request.data(), request.size(), moved, 1000),
              platform::hid::HidIoStatus::Ok);
    EXPECT_EQ(handle.read(reply.data(), reply.size(), moved, 1000), platform::hid::HidIoStatus::Ok);
    return reply;
}

inline const emulator::MouseModel& model(const char* token) {
    return *emulator::findMouseModel(token);
}

}  // namespace vorn::test
