#include "platform/hid/ReportDescriptor.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

namespace vorn::platform::hid {
namespace {

// Bounds that keep a hostile descriptor from costing more than a real one could need.
constexpr uint64_t kMaxReportBytes = 16384;
constexpr size_t kMaxNesting = 64;
constexpr size_t kMaxPushDepth = 16;
constexpr uint32_t kMaxReportSize = 256;
constexpr size_t kMaxLinkNodes = 0xFFFF;

enum ItemType : uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };

enum MainTag : uint8_t {
    kInput = 0x8,
    kOutput = 0x9,
    kCollection = 0xA,
    kFeature = 0xB,
    kEndCollection = 0xC,
};

enum GlobalTag : uint8_t {
    kUsagePage = 0x0,
    kLogicalMinimum = 0x1,
    kLogicalMaximum = 0x2,
    kPhysicalMinimum = 0x3,
    kPhysicalMaximum = 0x4,
    kUnitExponent = 0x5,
    kUnit = 0x6,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB,
};

enum LocalTag : uint8_t {
    kUsage = 0x0,
    kUsageMinimum = 0x1,
    kUsageMaximum = 0x2,
    kDelimiter = 0xA,
};

constexpr uint8_t kLongItemPrefix = 0xFE;

// Main item data bits.
constexpr uint32_t kVariable = 0x02;
constexpr uint32_t kRelative = 0x04;
constexpr uint32_t kNullState = 0x40;

struct ItemValue {
    uint32_t raw = 0;
    uint8_t size = 0;  // data bytes: 0, 1, 2 or 4

    int32_t asSigned() const {
        switch (size) {
            case 1:
                return static_cast<int8_t>(raw);
            case 2:
                return static_cast<int16_t>(raw);
            default:
                return static_cast<int32_t>(raw);
        }
    }
};

// A maximum is read as unsigned when its minimum is not negative: descriptors commonly write
// "Logical Maximum (255)" in one byte, which read as signed would be -1.
int32_t resolveMaximum(int32_t minimum, const ItemValue& maximum) {
    return minimum < 0 ? maximum.asSigned() : static_cast<int32_t>(maximum.raw);
}

struct Globals {
    uint16_t usagePage = 0;
    int32_t logicalMin = 0;
    ItemValue logicalMax;
    int32_t physicalMin = 0;
    ItemValue physicalMax;
    uint32_t unitExponent = 0;
    uint32_t unit = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

// A usage as written: four data bytes carry their own usage page in the high half.
struct UsageRef {
    uint32_t value = 0;
    bool extended = false;
};

struct UsageEntry {
    UsageRef min;
    UsageRef max;
    bool isRange = false;
};

// One position in the usage list; more than one alternative only inside a delimited set.
struct UsageSlot {
    std::vector<UsageEntry> alternatives;
};

struct Locals {
    std::vector<UsageSlot> slots;
    std::optional<UsageRef> pendingMin;
    std::optional<UsageRef> pendingMax;
    bool inDelimiter = false;
    bool delimiterSlotOpen = false;

    void clear() { *this = Locals{}; }
};

struct ResolvedUsage {
    uint16_t page = 0;
    uint16_t min = 0;
    uint16_t max = 0;
    bool isRange = false;

    uint32_t count() const { return static_cast<uint32_t>(max) - min + 1; }
};

// Usages of one or two data bytes take the usage page current at the main item.
std::optional<ResolvedUsage> resolve(const UsageEntry& entry, uint16_t currentPage) {
    ResolvedUsage r;
    r.isRange = entry.isRange;
    if (entry.min.extended && entry.max.extended &&
        (entry.min.value >> 16) != (entry.max.value >> 16)) {
        return std::nullopt;
    }
    if (entry.min.extended) {
        r.page = static_cast<uint16_t>(entry.min.value >> 16);
    } else if (entry.max.extended) {
        r.page = static_cast<uint16_t>(entry.max.value >> 16);
    } else {
        r.page = currentPage;
    }
    r.min = static_cast<uint16_t>(entry.min.value & 0xFFFF);
    r.max = static_cast<uint16_t>(entry.max.value & 0xFFFF);
    if (r.min > r.max) {
        return std::nullopt;
    }
    return r;
}

class Parser {
  public:
    Parser(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    HidParseResult run(HidReportDescriptor& out) {
        size_t pos = 0;
        while (pos < size_) {
            const uint8_t prefix = data_[pos];
            if (prefix == kLongItemPrefix) {
                // No long item tags are defined; their data is skipped whole.
                if (size_ - pos < 3 || size_ - pos - 3 < data_[pos + 1]) {
                    return {HidParseError::Truncated, pos};
                }
                pos += 3 + static_cast<size_t>(data_[pos + 1]);
                continue;
            }
            ItemValue v;
            v.size = (prefix & 3) == 3 ? 4 : (prefix & 3);
            if (size_ - pos - 1 < v.size) {
                return {HidParseError::Truncated, pos};
            }
            for (uint8_t i = 0; i < v.size; ++i) {
                v.raw |= static_cast<uint32_t>(data_[pos + 1 + i]) << (8 * i);
            }
            const HidParseError e = item((prefix >> 2) & 3, prefix >> 4, v);
            if (e != HidParseError::None) {
                return {e, pos};
            }
            pos += 1 + v.size;
        }
        const HidParseError e = finish();
        if (e != HidParseError::None) {
            return {e, size_};
        }
        out = std::move(desc_);
        return {};
    }

  private:
    HidParseError item(uint8_t type, uint8_t tag, const ItemValue& v) {
        switch (type) {
            case kMain:
                return mainItem(tag, v);
            case kGlobal:
                return globalItem(tag, v);
            case kLocal:
                return localItem(tag, v);
            default:
                return HidParseError::None;  // reserved short items carry nothing we use
        }
    }

    HidParseError mainItem(uint8_t tag, const ItemValue& v) {
        HidParseError e = HidParseError::None;
        switch (tag) {
            case kInput:
                e = addField(HidReportKind::Input, v.raw);
                break;
            case kOutput:
                e = addField(HidReportKind::Output, v.raw);
                break;
            case kFeature:
                e = addField(HidReportKind::Feature, v.raw);
                break;
            case kCollection:
                e = openCollection(static_cast<uint8_t>(v.raw & 0xFF));
                break;
            case kEndCollection:
                e = closeCollection();
                break;
            default:
                break;
        }
        locals_.clear();
        return e;
    }

    HidParseError globalItem(uint8_t tag, const ItemValue& v) {
        switch (tag) {
            case kUsagePage:
                if (v.raw > 0xFFFF) {
                    return HidParseError::BadUsagePage;
                }
                globals_.usagePage = static_cast<uint16_t>(v.raw);
                break;
            case kLogicalMinimum:
                globals_.logicalMin = v.asSigned();
                break;
            case kLogicalMaximum:
                globals_.logicalMax = v;
                break;
            case kPhysicalMinimum:
                globals_.physicalMin = v.asSigned();
                break;
            case kPhysicalMaximum:
                globals_.physicalMax = v;
                break;
            case kUnitExponent:
                globals_.unitExponent = v.raw;
                break;
            case kUnit:
                globals_.unit = v.raw;
                break;
            case kReportSize:
                if (v.raw > kMaxReportSize) {
                    return HidParseError::ReportSizeTooLarge;
                }
                globals_.reportSize = v.raw;
                break;
            case kReportId:
                if (v.raw == 0 || v.raw > 0xFF) {
                    return HidParseError::BadReportId;
                }
                globals_.reportId = static_cast<uint8_t>(v.raw);
                break;
            case kReportCount:
                globals_.reportCount = v.raw;
                break;
            case kPush:
                if (pushed_.size() >= kMaxPushDepth) {
                    return HidParseError::PushPopMisuse;
                }
                pushed_.push_back(globals_);
                break;
            case kPop:
                if (pushed_.empty()) {
                    return HidParseError::PushPopMisuse;
                }
                globals_ = pushed_.back();
                pushed_.pop_back();
                break;
            default:
                break;
        }
        return HidParseError::None;
    }

    HidParseError localItem(uint8_t tag, const ItemValue& v) {
        const UsageRef ref{v.raw, v.size == 4};
        switch (tag) {
            case kUsage:
                addUsage({ref, ref, false});
                break;
            case kUsageMinimum:
                if (locals_.pendingMin) {
                    return HidParseError::BadUsageRange;
                }
                locals_.pendingMin = ref;
                completeRange();
                break;
            case kUsageMaximum:
                if (locals_.pendingMax) {
                    return HidParseError::BadUsageRange;
                }
                locals_.pendingMax = ref;
                completeRange();
                break;
            case kDelimiter:
                return delimiter(v.raw);
            default:
                break;  // designators and strings are not used
        }
        return HidParseError::None;
    }

    void completeRange() {
        if (locals_.pendingMin && locals_.pendingMax) {
            addUsage({*locals_.pendingMin, *locals_.pendingMax, true});
            locals_.pendingMin.reset();
            locals_.pendingMax.reset();
        }
    }

    void addUsage(const UsageEntry& entry) {
        if (locals_.inDelimiter) {
            if (!locals_.delimiterSlotOpen) {
                locals_.slots.emplace_back();
                locals_.delimiterSlotOpen = true;
            }
            locals_.slots.back().alternatives.push_back(entry);
        } else {
            locals_.slots.push_back(UsageSlot{{entry}});
        }
    }

    HidParseError delimiter(uint32_t value) {
        if (value == 1 && !locals_.inDelimiter) {
            locals_.inDelimiter = true;
            locals_.delimiterSlotOpen = false;
            return HidParseError::None;
        }
        if (value == 0 && locals_.inDelimiter && !locals_.pendingMin && !locals_.pendingMax) {
            locals_.inDelimiter = false;
            return HidParseError::None;
        }
        return HidParseError::DelimiterMisuse;
    }

    // A main item may not stand inside a delimited set or after half a usage range.
    HidParseError checkLocalsComplete() const {
        if (locals_.inDelimiter) {
            return HidParseError::DelimiterMisuse;
        }
        if (locals_.pendingMin || locals_.pendingMax) {
            return HidParseError::BadUsageRange;
        }
        return HidParseError::None;
    }

    HidParseError openCollection(uint8_t type) {
        if (HidParseError e = checkLocalsComplete(); e != HidParseError::None) {
            return e;
        }
        if (stack_.size() >= kMaxNesting) {
            return HidParseError::NestingTooDeep;
        }
        HidLinkCollectionNode node;
        node.collectionType = type;
        if (!locals_.slots.empty()) {
            std::optional<ResolvedUsage> u =
                resolve(locals_.slots.front().alternatives.front(), globals_.usagePage);
            if (!u) {
                return HidParseError::BadUsageRange;
            }
            node.usagePage = u->page;
            node.usage = u->min;
        }
        if (stack_.empty()) {
            HidCollection c;
            c.usagePage = node.usagePage;
            c.usage = node.usage;
            c.collectionType = type;
            c.links.push_back(node);
            desc_.collections.push_back(std::move(c));
            stack_.push_back(0);
            return HidParseError::None;
        }
        std::vector<HidLinkCollectionNode>& links = desc_.collections.back().links;
        if (links.size() >= kMaxLinkNodes) {
            return HidParseError::NestingTooDeep;
        }
        node.parent = stack_.back();
        links[node.parent].numberOfChildren++;
        stack_.push_back(static_cast<uint16_t>(links.size()));
        links.push_back(node);
        return HidParseError::None;
    }

    HidParseError closeCollection() {
        if (HidParseError e = checkLocalsComplete(); e != HidParseError::None) {
            return e;
        }
        if (stack_.empty()) {
            return HidParseError::UnbalancedCollection;
        }
        stack_.pop_back();
        return HidParseError::None;
    }

    HidParseError addField(HidReportKind kind, uint32_t data) {
        if (stack_.empty()) {
            return HidParseError::MainItemOutsideCollection;
        }
        if (HidParseError e = checkLocalsComplete(); e != HidParseError::None) {
            return e;
        }
        const int k = static_cast<int>(kind);
        const uint8_t id = globals_.reportId;
        (id == 0 ? unnumbered_ : numbered_) = true;
        if (numbered_ && unnumbered_) {
            return HidParseError::MixedReportIds;
        }
        const uint16_t owner = static_cast<uint16_t>(desc_.collections.size());
        uint16_t& recorded = desc_.reportOwner[k][id];
        if (recorded != 0 && recorded != owner) {
            return HidParseError::ReportIdSpansCollections;
        }
        if (recorded == 0) {
            reports_.push_back({k, id});
        }
        recorded = owner;

        const uint64_t bits = static_cast<uint64_t>(globals_.reportSize) * globals_.reportCount;
        const uint64_t start = bits_[k][id];
        if (start + bits > kMaxReportBytes * 8) {
            return HidParseError::ReportTooLong;
        }
        bits_[k][id] = start + bits;
        ++mainItems_;
        if (bits == 0 || locals_.slots.empty()) {
            return HidParseError::None;  // padding: occupies bits, offers nothing
        }

        std::vector<std::vector<ResolvedUsage>> slots;
        slots.reserve(locals_.slots.size());
        for (const UsageSlot& s : locals_.slots) {
            std::vector<ResolvedUsage> alternatives;
            for (const UsageEntry& entry : s.alternatives) {
                std::optional<ResolvedUsage> u = resolve(entry, globals_.usagePage);
                if (!u) {
                    return HidParseError::BadUsageRange;
                }
                alternatives.push_back(*u);
            }
            slots.push_back(std::move(alternatives));
        }

        HidCollection& coll = desc_.collections.back();
        HidFieldCaps base;
        base.reportId = id;
        base.bitField = static_cast<uint16_t>(data & 0x1FF);
        base.linkCollection = stack_.back();
        base.linkUsage = coll.links[base.linkCollection].usage;
        base.linkUsagePage = coll.links[base.linkCollection].usagePage;
        base.isArray = (data & kVariable) == 0;
        base.isAbsolute = (data & kRelative) == 0;
        base.hasNull = (data & kNullState) != 0;
        base.bitSize = static_cast<uint16_t>(globals_.reportSize);
        base.logicalMin = globals_.logicalMin;
        base.logicalMax = resolveMaximum(globals_.logicalMin, globals_.logicalMax);
        base.physicalMin = globals_.physicalMin;
        base.physicalMax = resolveMaximum(globals_.physicalMin, globals_.physicalMax);
        base.units = globals_.unit;
        base.unitsExponent = globals_.unitExponent;
        base.mainItem = mainItems_;
        const bool isButton = base.isArray || globals_.reportSize == 1;
        std::vector<HidFieldCaps>& target = isButton ? coll.buttonCaps[k] : coll.valueCaps[k];

        const uint32_t count = globals_.reportCount;
        const uint32_t fieldBase = static_cast<uint32_t>(start);
        if (base.isArray) {
            // Every usage names one possible value of the same fields.
            uint32_t index = 0;
            for (const std::vector<ResolvedUsage>& alternatives : slots) {
                emit(target, base, alternatives, fieldBase, count, index, UINT32_MAX);
                index += alternatives.front().count();
            }
            return HidParseError::None;
        }
        // Variable fields take the usages in order; the last usage also covers the fields
        // left over, and usages beyond the fields are dropped.
        uint32_t field = 0;
        for (size_t j = 0; j < slots.size() && field < count; ++j) {
            const uint32_t remaining = count - field;
            const bool last = j + 1 == slots.size();
            const uint32_t n = last ? remaining : std::min(slots[j].front().count(), remaining);
            emit(target, base, slots[j], fieldBase + field * globals_.reportSize, n, 0, n);
            field += n;
        }
        return HidParseError::None;
    }

    static void emit(std::vector<HidFieldCaps>& target, const HidFieldCaps& base,
                     const std::vector<ResolvedUsage>& alternatives, uint32_t bitPosition,
                     uint32_t reportCount, uint32_t arrayIndexBase, uint32_t maxUsages) {
        for (size_t i = 0; i < alternatives.size(); ++i) {
            const ResolvedUsage& u = alternatives[i];
            HidFieldCaps c = base;
            c.usagePage = u.page;
            c.isRange = u.isRange;
            c.usageMin = u.min;
            c.usageMax = u.max;
            if (u.isRange && u.count() > maxUsages) {
                c.usageMax = static_cast<uint16_t>(u.min + maxUsages - 1);
            }
            c.isAlias = i + 1 < alternatives.size();
            c.bitPosition = bitPosition;
            c.reportCount = reportCount;
            c.arrayIndexBase = arrayIndexBase;
            target.push_back(c);
        }
    }

    HidParseError finish() {
        if (!stack_.empty()) {
            return HidParseError::UnbalancedCollection;
        }
        if (locals_.inDelimiter) {
            return HidParseError::DelimiterMisuse;
        }
        if (desc_.collections.empty()) {
            return HidParseError::Empty;
        }
        for (const auto& [k, id] : reports_) {
            HidCollection& c = desc_.collections[desc_.reportOwner[k][id] - 1];
            const uint64_t bytes = (bits_[k][id] + 7) / 8 + 1;
            c.reportByteLength[k] = std::max(c.reportByteLength[k], static_cast<uint16_t>(bytes));
            if (id != 0) {
                c.reportIds.push_back(id);
            }
        }
        for (HidCollection& c : desc_.collections) {
            std::sort(c.reportIds.begin(), c.reportIds.end());
            c.reportIds.erase(std::unique(c.reportIds.begin(), c.reportIds.end()),
                              c.reportIds.end());
        }
        desc_.usesReportIds = numbered_;
        return HidParseError::None;
    }

    const uint8_t* data_;
    size_t size_;
    HidReportDescriptor desc_;
    Globals globals_;
    std::vector<Globals> pushed_;
    Locals locals_;
    std::vector<uint16_t> stack_;  // open collections: link node indexes in the current one
    std::array<std::array<uint64_t, 256>, kHidReportKindCount> bits_{};
    std::vector<std::pair<int, uint8_t>> reports_;  // (kind, id) in order of first use
    bool numbered_ = false;
    bool unnumbered_ = false;
    uint32_t mainItems_ = 0;
};

}  // namespace

HidCaps HidCollection::caps() const {
    HidCaps c;
    c.usage = usage;
    c.usagePage = usagePage;
    c.inputReportByteLength = byteLength(HidReportKind::Input);
    c.outputReportByteLength = byteLength(HidReportKind::Output);
    c.featureReportByteLength = byteLength(HidReportKind::Feature);
    c.numberLinkCollectionNodes = static_cast<uint16_t>(links.size());
    auto count = [](const std::vector<HidFieldCaps>& v) { return static_cast<uint16_t>(v.size()); };
    c.numberInputButtonCaps = count(buttons(HidReportKind::Input));
    c.numberInputValueCaps = count(values(HidReportKind::Input));
    c.numberOutputButtonCaps = count(buttons(HidReportKind::Output));
    c.numberOutputValueCaps = count(values(HidReportKind::Output));
    c.numberFeatureButtonCaps = count(buttons(HidReportKind::Feature));
    c.numberFeatureValueCaps = count(values(HidReportKind::Feature));
    return c;
}

const HidCollection* HidReportDescriptor::collection(int number) const {
    if (number == 0) {
        return collections.size() == 1 ? &collections[0] : nullptr;
    }
    if (number < 0 || static_cast<size_t>(number) > collections.size()) {
        return nullptr;
    }
    return &collections[static_cast<size_t>(number) - 1];
}

HidParseResult parseReportDescriptor(const uint8_t* data, size_t size, HidReportDescriptor& out) {
    out = HidReportDescriptor{};
    if (data == nullptr && size != 0) {
        return {HidParseError::Truncated, 0};
    }
    Parser parser(data, size);
    return parser.run(out);
}

const char* describeHidParseError(HidParseError error) {
    switch (error) {
        case HidParseError::None:
            return "no error";
        case HidParseError::Empty:
            return "no top-level collection";
        case HidParseError::Truncated:
            return "item runs past the end of the descriptor";
        case HidParseError::MainItemOutsideCollection:
            return "report field outside any collection";
        case HidParseError::UnbalancedCollection:
            return "collections do not balance";
        case HidParseError::NestingTooDeep:
            return "collections nested too deep";
        case HidParseError::BadReportId:
            return "report id 0";
        case HidParseError::MixedReportIds:
            return "numbered and unnumbered reports mixed";
        case HidParseError::ReportIdSpansCollections:
            return "one report spans two top-level collections";
        case HidParseError::ReportTooLong:
            return "report too long";
        case HidParseError::ReportSizeTooLarge:
            return "report size too large";
        case HidParseError::BadUsageRange:
            return "incomplete or inverted usage range";
        case HidParseError::BadUsagePage:
            return "usage page out of range";
        case HidParseError::DelimiterMisuse:
            return "delimiters do not balance";
        case HidParseError::PushPopMisuse:
            return "push and pop do not balance";
    }
    return "unknown error";
}

}  // namespace vorn::platform::hid
