#include <benchmark/benchmark.h>

#include "hid/HidTransport.h"
#include "platform/hid/HidPath.h"
#include "platform/hid/ReportDescriptor.h"
#include "platform/text/Text.h"
#include "support/HidDescriptors.h"

using namespace vorn;

namespace {

// A bus whose collections answer instantly: what is measured is the transport's own work
// (enumeration, descriptor parsing, capability and item set-up), not device latency.
class StaticDevice final : public platform::hid::HidDevice {
  public:
    explicit StaticDevice(int collection) : collection_(collection) {}
    platform::hid::HidAttributes attributes() const override { return {0x320F, 0x22B6, 0x0102}; }
    const std::vector<uint8_t>& reportDescriptor() const override {
        return test::kCommandInterfaceDescriptor;
    }
    int collectionNumber() const override { return collection_; }
    std::string productString() const override { return "VORN-T4"; }
    platform::hid::HidIoStatus read(uint8_t*, size_t, size_t& n, int) override {
        n = 0;
        return platform::hid::HidIoStatus::TimedOut;
    }
    platform::hid::HidIoStatus write(const uint8_t*, size_t size, size_t& n, int) override {
        n = size;
        return platform::hid::HidIoStatus::Ok;
    }
    void abort() override {}
    bool flushInput() override { return true; }
    bool setOutputReport(const uint8_t*, size_t) override { return true; }

  private:
    int collection_;
};

class StaticBus final : public platform::hid::HidBackend {
  public:
    explicit StaticBus(int collections) {
        for (int i = 0; i < collections; ++i) {
            paths_.push_back(platform::formatText("/dev/hidraw%d#vid_320f&pid_22b6&mi_01&col%02x",
                                                  i / 4, i % 4 + 1));
        }
    }
    std::vector<std::string> enumerate() override { return paths_; }
    std::unique_ptr<platform::hid::HidDevice> open(const std::string& path, bool, bool,
                                                   platform::hid::HidOpenError& error) override {
        error = platform::hid::HidOpenError::None;
        return std::make_unique<StaticDevice>(
            static_cast<int>(platform::hid::hexNumberAfter(path, "&col")));
    }
    bool isPresent(const std::string&) override { return true; }

  private:
    std::vector<std::string> paths_;
};

void parse(benchmark::State& state, const std::vector<uint8_t>& descriptor) {
    for (auto _ : state) {
        platform::hid::HidReportDescriptor d;
        benchmark::DoNotOptimize(
            platform::hid::parseReportDescriptor(descriptor.data(), descriptor.size(), d));
        benchmark::DoNotOptimize(d);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * descriptor.size()));
}

}  // namespace

static void BM_ParseGamingMouseDescriptor(benchmark::State& state) {
    parse(state, test::kGamingMouseDescriptor);
}
BENCHMARK(BM_ParseGamingMouseDescriptor);

static void BM_ParseCommandInterfaceDescriptor(benchmark::State& state) {
    parse(state, test::kCommandInterfaceDescriptor);
}
BENCHMARK(BM_ParseCommandInterfaceDescriptor);

// One discovery pass: list 30 collections and open (and close) each of them.
static void BM_EnumerateAndOpen30Collections(benchmark::State& state) {
    StaticBus bus(30);
    platform::hid::setHidBackend(&bus);
    hid::HidTransport list;
    hid::HidTransport probe;
    for (auto _ : state) {
        list.enumerate();
        while (const std::string* path = list.nextPath()) {
            benchmark::DoNotOptimize(probe.open(*path, true, true, true, false));
            probe.close();
        }
    }
    platform::hid::setHidBackend(nullptr);
}
BENCHMARK(BM_EnumerateAndOpen30Collections);

// Unpacking one event report of the consumer collection, as each listener does per event.
static void BM_UnpackEventReport(benchmark::State& state) {
    StaticBus bus(4);
    platform::hid::setHidBackend(&bus);
    hid::HidTransport t;
    t.open("/dev/hidraw0#vid_320f&pid_22b6&mi_01&col03", true, true, true, false);
    std::vector<hid::HidDataItem>& items = t.input().items;
    const uint8_t report[] = {0x03, 0x21, 0x10};
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.unpackInputReport(report, 3, platform::hid::HidReportKind::Input,
                                                     items.data(),
                                                     static_cast<uint32_t>(items.size())));
    }
    t.close();
    platform::hid::setHidBackend(nullptr);
}
BENCHMARK(BM_UnpackEventReport);
