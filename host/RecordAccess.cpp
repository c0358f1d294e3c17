// Version fix-up, the load special cases and the forwarding of record
// operations to the host's callbacks.
#include "host/RecordAccess.h"

#include <cstddef>
#include <cstring>

#include "host/HostCallbacks.h"
#include "host/RecordLayout.h"

namespace tavrel {

namespace {

constexpr std::uint32_t kArticulationZeroed = 48;  // bytes cleared before loading
constexpr std::uint32_t kSofiZeroed = 108;
constexpr std::uint32_t kOtsdSize = 12;
constexpr std::uint32_t kSosdSize = 66;

enum class Action { kRaiseTo, kSet, kLowerTo, kWarnBelow };

struct VersionRule {
    RecordTag tag;
    std::uint32_t size;
    Action action;
    std::uint32_t version;
    const char* warning;  // kWarnBelow only
};

// The size a caller passes tells which layout its buffer has; the version
// word must agree with it, whatever the caller wrote.
constexpr VersionRule kVersionRules[] = {
    {layout::kSomsTag, 26, Action::kRaiseTo, layout::kVersion10, nullptr},
    {layout::kSomsTag, 24, Action::kSet, layout::kVersion9, nullptr},
    {layout::kSossTag, 28, Action::kRaiseTo, layout::kVersion10, nullptr},
    {layout::kSossTag, 24, Action::kRaiseTo, layout::kVersion6, nullptr},
    {layout::kSossTag, 22, Action::kSet, layout::kVersion5, nullptr},
    {layout::kOss2Tag, 28, Action::kRaiseTo, layout::kVersion10, nullptr},
    {layout::kOss2Tag, 24, Action::kRaiseTo, layout::kVersion6, nullptr},
    {layout::kOss2Tag, 22, Action::kSet, layout::kVersion5, nullptr},
    {layout::kGfholdTag, 12, Action::kLowerTo, layout::kVersion8, nullptr},
    {layout::kGfholdTag, 10, Action::kWarnBelow, layout::kVersion9,
     "Warning to plug-in developer: KVRGfhold2004 used with wrong version parameter"},
    {layout::staff::kTag, 66, Action::kSet, layout::kVersion5, nullptr},
    {layout::staff::kTag, 102, Action::kSet, layout::kVersion8, nullptr},
    {layout::textblock::kTag, 48, Action::kLowerTo, layout::kVersion8, nullptr},
    {layout::textblock::kTag, 26, Action::kWarnBelow, layout::kVersion9,
     "Warning to plug-in developer: KVRTextBlock2004 used with wrong version parameter"},
    {layout::kShapeExpressionTag, 12, Action::kLowerTo, layout::kVersion8, nullptr},
    {layout::kShapeExpressionTag, 34, Action::kWarnBelow, layout::kVersion9,
     "Warning to plug-in developer: KVRShapeExpression2004 used with wrong version parameter"},
};

// The version word to send for this tag and size; shows the developer
// warning of a "2004" layout used with an older version, each time.
std::uint32_t FixVersion(RecordTag tag, std::uint32_t size, std::uint32_t version) {
    if (size == 0) {
        return version;
    }
    for (const VersionRule& rule : kVersionRules) {
        if (rule.tag != tag || rule.size != size) {
            continue;
        }
        switch (rule.action) {
            case Action::kRaiseTo:
                return version < rule.version ? rule.version : version;
            case Action::kSet:
                return rule.version;
            case Action::kLowerTo:
                return version > rule.version ? rule.version : version;
            case Action::kWarnBelow:
                if (version < rule.version) {
                    host::AlertMessage(rule.warning);
                    return rule.version;
                }
                return version;
        }
    }
    return version;
}

bool AnyNonZero(const void* buffer, std::size_t count) {
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] != 0) {
            return true;
        }
    }
    return false;
}

// Records whose first bytes the host may leave alone on a partial load: the
// buffer starts zeroed, and any byte the host set makes the load count.
std::int16_t LoadZeroedFirst(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t* size,
                             std::uint32_t version, std::uint32_t zeroed) {
    if (*size < zeroed) {
        return 0;  // the caller's buffer cannot hold the bytes to clear
    }
    std::memset(buffer, 0, zeroed);
    const std::int16_t result = host::LoadEDataRaw(tag, key, buffer, size, version);
    if (result != 0) {
        return result;
    }
    return AnyNonZero(buffer, zeroed) ? 1 : 0;
}

// Newer hosts keep the old 66-byte record only as a 12-byte element record
// keyed by the first key half; when that exists the old record loads empty.
std::int16_t LoadSosd(RecordKey* key, void* buffer, std::uint32_t* size, std::uint32_t version) {
    // What the caller gave, before the host gets a chance to change it.
    const std::uint32_t capacity = *size;
    const std::int16_t result = host::LoadEDataRaw(layout::kSosdTag, key, buffer, size, version);
    if (result != 0) {
        return result;
    }
    RecordKey elementKey{key->first, 0};
    std::uint8_t element[kOtsdSize] = {};
    std::uint32_t elementSize = kOtsdSize;
    if (host::LoadEDataRaw(layout::kOtsdTag, &elementKey, element, &elementSize,
                           kInterfaceVersion) == 0) {
        return 0;
    }
    if (buffer == nullptr) {
        *size = kSosdSize;
    } else {
        std::memset(buffer, 0, capacity < kSosdSize ? capacity : kSosdSize);
    }
    return 1;
}

}  // namespace

// Preference records (tags 0x7066xxxx) go to the host unchanged, on load and
// on save. Newer hosts answer them from element records through tables of
// element arrays and field maps that are the host's own data and are not
// available to the plug-in; nothing the plug-in does reads or writes them.
std::int16_t LoadEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t* size,
                       std::uint32_t version) {
    if (key == nullptr || size == nullptr) {
        return 0;
    }
    version = FixVersion(tag, *size, version);
    if (buffer != nullptr && tag == layout::articulation::kTag) {
        return LoadZeroedFirst(tag, key, buffer, size, version, kArticulationZeroed);
    }
    if (buffer != nullptr && tag == layout::kSofiTag) {
        return LoadZeroedFirst(tag, key, buffer, size, version, kSofiZeroed);
    }
    if (tag == layout::kSosdTag) {
        return LoadSosd(key, buffer, size, version);
    }
    return host::LoadEDataRaw(tag, key, buffer, size, version);
}

std::int16_t SaveEData(RecordTag tag, const RecordKey* key, const void* buffer, std::uint32_t size,
                       std::uint32_t version) {
    if (key == nullptr || (buffer == nullptr && size != 0)) {
        return 0;
    }
    return host::SaveEDataRaw(tag, key, buffer, size, FixVersion(tag, size, version));
}

std::int16_t NextEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                       std::uint32_t version) {
    if (key == nullptr) {
        return 0;
    }
    return host::NextEDataRaw(tag, key, buffer, size, FixVersion(tag, size, version));
}

std::int16_t PreviousEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                           std::uint32_t version) {
    if (key == nullptr) {
        return 0;
    }
    return host::PreviousEDataRaw(tag, key, buffer, size, FixVersion(tag, size, version));
}

std::int16_t CreateEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                         std::uint32_t version) {
    if (key == nullptr) {
        return 0;
    }
    return host::CreateEDataRaw(tag, key, buffer, size, FixVersion(tag, size, version));
}

std::int16_t DeleteEData(RecordTag tag, const RecordKey* key, std::uint32_t version) {
    if (key == nullptr) {
        return 0;
    }
    return host::DeleteEDataRaw(tag, key, version);
}

}  // namespace tavrel
