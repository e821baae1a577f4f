// The device commands of vornctl: identify a device, read and write its settings area, read
// its key tables and its power state, on the emulator or on the machine's devices.
#include <array>
#include <cstdint>
#include <vector>

#include "catalogue/DeviceSlot.h"
#include "cli/Cli.h"
#include "cli/CliText.h"
#include "cli/CliWords.h"
#include "cli/DeviceSession.h"
#include "platform/text/Text.h"
#include "protocol/Commands.h"
#include "protocol/DeviceInfo.h"
#include "protocol/ResultCodes.h"

namespace vorn::cli {
namespace {

using platform::formatText;

// Takes the device options out of the arguments and checks the count of the rest; returns 0
// or the exit status after printing why not.
int parseArguments(CliContext& ctx, const char* command, size_t minArgs, size_t maxArgs,
                   DeviceOptions& options) {
    std::string error;
    if (!parseDeviceOptions(ctx.args, options, error)) {
        ctx.err << "vornctl " << command << ": " << error << "\n";
        return 2;
    }
    if (options.positional.size() < minArgs || options.positional.size() > maxArgs) {
        ctx.err << "vornctl " << command << ": wrong number of arguments (see vornctl --help)\n";
        return 2;
    }
    return 0;
}

void printDevice(CliContext& ctx, const DeviceSession& session) {
    const catalogue::DeviceSlot& slot = session.device().record;
    const auto type = catalogue::deviceTypeName(slot.deviceType);
    ctx.out << formatText("Device:  slot %d (%.*s), \"%s\", via the %s\n", session.device().slot,
                          static_cast<int>(type.size()), type.data(), slot.productString.c_str(),
                          linkName(session.link()))
            << "Path:    " << slot.devicePath << "\n";
}

// A settings range from OFFSET and a byte count; false after printing why not. Nothing
// past the settings area is ever sent.
bool settingsRange(CliContext& ctx, const char* command, const std::string& offsetText,
                   size_t count, uint16_t& offset) {
    constexpr uint32_t kLast = protocol::kSettingsAreaSize - 1;
    std::optional<uint32_t> value = parseNumber(offsetText, kLast);
    if (!value) {
        ctx.err << formatText(
            "vornctl %s: OFFSET must be a number from 0 to 0x%x (the settings "
            "area holds %u bytes), not '%s'\n",
            command, kLast, protocol::kSettingsAreaSize, offsetText.c_str());
        return false;
    }
    if (count == 0 || *value + count > protocol::kSettingsAreaSize) {
        ctx.err << formatText(
            "vornctl %s: %zu bytes from 0x%04x run past the settings area, "
            "which holds %u bytes (0x0000 to 0x%04x)\n",
            command, count, *value, protocol::kSettingsAreaSize, kLast);
        return false;
    }
    offset = static_cast<uint16_t>(*value);
    return true;
}

// What DeviceInfo byte 7 says: the paired model through a receiver; on the cable the
// byte names none.
std::string pairedModelWords(const DeviceSession& session, uint16_t code) {
    if (session.link() != DeviceLink::Receiver) {
        return "only a receiver reports a paired model";
    }
    const std::string_view name = pairedModelName(code);
    return name.empty() ? std::string("no model of the catalogue") : std::string(name);
}

bool isKeyboard(catalogue::DeviceType type) {
    return type == catalogue::DeviceType::Keyboard ||
           type == catalogue::DeviceType::KeyboardOtherLink;
}

void printKeyTable(CliContext& ctx, std::span<const uint8_t> table) {
    for (size_t slot = 0; slot * 3 < table.size(); ++slot) {
        ctx.out << formatText("  slot %3zu: ", slot)
                << hexBytes(table.subspan(slot * 3, std::min<size_t>(3, table.size() - slot * 3)))
                << "\n";
    }
}

}  // namespace

int runInfoCommand(CliContext& ctx) {
    DeviceOptions options;
    if (int status = parseArguments(ctx, "info", 0, 0, options); status != 0) {
        return status;
    }
    DeviceSession session(ctx);
    if (int status = session.start(options); status != 0) {
        return status;
    }
    protocol::DeviceInfo info;
    const int status = session.inSession([&] {
        return session.check("ReadDeviceInfo", ReadDeviceInfo(session.channel(), info)) ? 0 : 1;
    });
    if (status != 0) {
        return status;
    }
    printDevice(ctx, session);
    ctx.out << "DeviceInfo (34 bytes):\n";
    printHexDump(ctx.out, info.bytes(), 0);
    ctx.out << formatText("Valid mark:         0x%04X (%s)\n", info.validMark(),
                          info.isValid() ? "valid" : "not valid")
            << formatText("Lights / key slots: %u (3-byte tables of %u bytes)\n", info.lightCount(),
                          info.lightBufferSize())
            << formatText("Macro memory:       %u x 128 = %u bytes\n", info.macroUnits(),
                          info.macroMemorySize())
            << formatText("Paired model code:  %u (%s)\n", info.pairedModelCode(),
                          pairedModelWords(session, info.pairedModelCode()).c_str())
            << formatText("Product code:       0x%04X\n", info.productCode());
    return 0;
}

int runReadSettingsCommand(CliContext& ctx) {
    DeviceOptions options;
    if (int status = parseArguments(ctx, "read-settings", 2, 2, options); status != 0) {
        return status;
    }
    std::optional<uint32_t> length =
        parseNumber(options.positional[1], protocol::kSettingsAreaSize);
    if (!length || *length == 0) {
        ctx.err << formatText(
            "vornctl read-settings: LENGTH must be a number from 1 to %u, "
            "not '%s'\n",
            protocol::kSettingsAreaSize, options.positional[1].c_str());
        return 2;
    }
    uint16_t offset = 0;
    if (!settingsRange(ctx, "read-settings", options.positional[0], *length, offset)) {
        return 2;
    }
    DeviceSession session(ctx);
    if (int status = session.start(options); status != 0) {
        return status;
    }
    std::vector<uint8_t> bytes(*length);
    const int status = session.inSession([&] {
        return session.check("ReadSettings", ReadSettings(session.channel(), bytes, offset)) ? 0
                                                                                             : 1;
    });
    if (status != 0) {
        return status;
    }
    printDevice(ctx, session);
    ctx.out << formatText("Settings, %u bytes from 0x%04x:\n", *length, offset);
    printHexDump(ctx.out, bytes, offset);
    return 0;
}

int runWriteSettingsCommand(CliContext& ctx) {
    DeviceOptions options;
    if (int status = parseArguments(ctx, "write-settings", 2, SIZE_MAX, options); status != 0) {
        return status;
    }
    std::string hexText;
    for (size_t i = 1; i < options.positional.size(); ++i) {
        hexText += (i > 1 ? " " : "") + options.positional[i];
    }
    std::optional<std::vector<uint8_t>> bytes = parseHexBytes(hexText);
    if (!bytes) {
        ctx.err << "vornctl write-settings: HEXBYTES must be pairs of hexadecimal digits, not '"
                << hexText << "'\n";
        return 2;
    }
    uint16_t offset = 0;
    if (!settingsRange(ctx, "write-settings", options.positional[0], bytes->size(), offset)) {
        return 2;
    }
    DeviceSession session(ctx);
    if (int status = session.start(options); status != 0) {
        return status;
    }
    const int status = session.inSession([&] {
        if (session.check("WriteSettings", WriteSettings(session.channel(), *bytes, offset))) {
            return 0;
        }
        ctx.err << "The frames before the failing one may have been written.\n";
        return 1;
    });
    if (status != 0) {
        return status;
    }
    printDevice(ctx, session);
    ctx.out << formatText("Wrote %zu bytes to the settings from 0x%04x.\n", bytes->size(), offset);
    return 0;
}

int runReadKeysCommand(CliContext& ctx) {
    DeviceOptions options;
    if (int status = parseArguments(ctx, "read-keys", 0, 0, options); status != 0) {
        return status;
    }
    DeviceSession session(ctx);
    if (int status = session.start(options); status != 0) {
        return status;
    }
    protocol::CommandChannel& channel = session.channel();
    const bool keyboard = isKeyboard(session.device().record.deviceType);
    protocol::DeviceInfo info;
    std::vector<uint8_t> block(protocol::kMaxBlockSize);
    std::vector<uint8_t> second(protocol::kMaxBlockSize);
    const int status = session.inSession([&] {
        if (!session.check("ReadDeviceInfo", ReadDeviceInfo(channel, info))) {
            return 1;
        }
        if (!channel.setBlockSize(info.lightBufferSize())) {
            ctx.err << formatText(
                "The device reports %u key slots: a block of %u bytes is above the 512 the "
                "channel takes.\n",
                info.lightCount(), info.lightBufferSize());
            return 1;
        }
        if (!session.check("ReadBlock", ReadBlock(channel, block))) {
            return 1;
        }
        const int result = keyboard ? ReadByteMap(channel, second) : ReadPage(channel, second, 0);
        return session.check(keyboard ? "ReadByteMap" : "ReadPage", result) ? 0 : 1;
    });
    if (status != 0) {
        return status;
    }
    const size_t size = channel.blockSize();
    printDevice(ctx, session);
    ctx.out << formatText("Key slots: %u (blocks of %zu bytes)\n", info.lightCount(), size)
            << "Factory key block (ReadBlock):\n";
    printKeyTable(ctx, std::span<const uint8_t>(block).first(size));
    if (keyboard) {
        ctx.out << "Byte map (ReadByteMap), one byte per key slot:\n";
        printHexDump(ctx.out, std::span<const uint8_t>(second).first(size / 3), 0);
    } else {
        ctx.out << "Current key page (ReadPage 0):\n";
        printKeyTable(ctx, std::span<const uint8_t>(second).first(size));
    }
    return 0;
}

int runPowerCommand(CliContext& ctx) {
    DeviceOptions options;
    if (int status = parseArguments(ctx, "power", 0, 0, options); status != 0) {
        return status;
    }
    DeviceSession session(ctx);
    if (int status = session.start(options); status != 0) {
        return status;
    }
    protocol::CommandChannel& channel = session.channel();
    if (const int result = protocol::QueryRadioLink(channel); result != protocol::kResultOk) {
        session.reportFailure("QueryRadioLink", result,
                              "the mouse does not answer through the receiver");
        return 1;
    }
    std::array<uint8_t, 6> power{};
    if (!session.check("ReadShort", ReadShort(channel, power, 0))) {
        return 1;
    }
    power[3] = channel.viaReceiver() ? 1 : 0;  // the link the block was read over
    printDevice(ctx, session);
    ctx.out << formatText("Battery:     %u %%\n", power[0])
            << "Charging:    " << chargingWords(power[1]) << "\n"
            << "Link:        " << linkName(power[3] == 1 ? DeviceLink::Receiver : DeviceLink::Cable)
            << "\n"
            << formatText("Byte 4:      %u\n", power[4])
            << "Phone type:  " << phoneTypeWords(power[5]) << "\n"
            << "Power block: " << hexBytes(power) << "\n";
    return 0;
}

}  // namespace vorn::cli
