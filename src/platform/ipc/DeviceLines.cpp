#include "platform/ipc/DeviceLines.h"

#include <charconv>
#include <sstream>

namespace vorn::platform::ipc {
namespace {

constexpr std::size_t kFieldCount = 6;

std::string clean(const std::string& field) {
    std::string out = field;
    for (char& c : out) {
        if (c == '\t' || c == '\n') {
            c = ' ';
        }
    }
    return out;
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

}  // namespace

std::string encodeDeviceLines(const std::vector<DeviceLine>& lines) {
    std::string text;
    for (const DeviceLine& line : lines) {
        text += clean(line.model) + '\t' + clean(line.link) + '\t' + std::to_string(line.battery) +
                '\t' + (line.charging ? "1" : "0") + '\t' + clean(line.profile) + '\t' +
                (line.selected ? "1" : "0") + '\n';
    }
    return text;
}

std::optional<std::vector<DeviceLine>> decodeDeviceLines(const std::string& text) {
    std::vector<DeviceLine> lines;
    std::istringstream in(text);
    std::string row;
    while (std::getline(in, row)) {
        const std::vector<std::string> fields = splitTabs(row);
        if (fields.size() != kFieldCount) {
            return std::nullopt;
        }
        DeviceLine line;
        line.model = fields[0];
        line.link = fields[1];
        const std::string& battery = fields[2];
        const auto [end, error] =
            std::from_chars(battery.data(), battery.data() + battery.size(), line.battery);
        if (error != std::errc() || end != battery.data() + battery.size()) {
            return std::nullopt;
        }
        line.charging = fields[3] == "1";
        line.profile = fields[4];
        line.selected = fields[5] == "1";
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace vorn::platform::ipc
