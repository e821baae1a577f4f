#include "ChannelRig.h"

#include <gtest/gtest.h>

#include "emulator/Scenario.h"

namespace vorn::test {

ChannelRig::ChannelRig(const std::string& scenario) {
    std::string error;
    bus_ = emulator::buildBusFromScenario(scenario, error, emulator::TimeMode::Virtual);
    EXPECT_NE(bus_, nullptr) << error;
    io_ = std::make_unique<ObservedBackend>(*bus_);
    channel_ = std::make_unique<protocol::CommandChannel>();
}

ChannelRig::ChannelRig(StandIn) {
    standIn_ = std::make_unique<StandInBus>();
    io_ = std::make_unique<ObservedBackend>(*standIn_);
    channel_ = std::make_unique<protocol::CommandChannel>();
}

ChannelRig::~ChannelRig() {
    channel_.reset();  // closes both links before the bus goes
    io_.reset();
}

std::string ChannelRig::commandPath(int device) const {
    return bus_ ? bus_->collectionPath(device, 4) : standIn_->commandPath(device);
}

void ChannelRig::openCable(int device) {
    ASSERT_TRUE(channel_->cableLink().open(commandPath(device), true, true, true, true));
    channel_->setLinkMode(protocol::kLinkModeCable);
    channel_->setOpen(true);
}

void ChannelRig::openReceiver(int device) {
    ASSERT_TRUE(channel_->radioLink().open(commandPath(device), true, true, true, true));
    channel_->setLinkMode(protocol::kLinkModeReceiver);
    channel_->setOpen(true);
}

std::vector<protocol::CommandFrame> ChannelRig::frames(int device) const {
    std::vector<emulator::FrameRecord> log =
        bus_ ? bus_->frameLog(device) : standIn_->frameLog(device);
    std::vector<protocol::CommandFrame> result;
    for (const emulator::FrameRecord& record : log) {
        if (record.collection == 4) {
            result.push_back(protocol::CommandFrame::fromBytes(record.bytes));
        }
    }
    return result;
}

void ChannelRig::clearFrames(int device) {
    ASSERT_NE(bus_, nullptr);
    bus_->clearFrameLog(device);
}

std::vector<uint8_t> frameData(const protocol::CommandFrame& frame) {
    auto data = frame.data();
    return {data.begin(), data.begin() + std::min<size_t>(frame.length(), data.size())};
}

}  // namespace vorn::test
