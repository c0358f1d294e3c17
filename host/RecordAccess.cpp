// Version fix-up, the load special cases and the forwarding of record
// operations to the host's callbacks.
#include "host/RecordAccess.h"

#include <cstddef>
#include <cstring>

#include "host/HostCallbacks.h"
#include "host/RecordLayout.h"

namespace tavrel {

static_assert(kStaffSpecSize == kStaffSpec2003Size,
              "sizeof(KVRStaffSpec) == sizeof(KVRStaffSpec2003)");
static_assert(layout::staff::kSize == kStaffSpecSize,
              "the staff record is walked with its current size");

namespace {

// Tags the version rules and special cases name, by their four characters
// where those are printable.
constexpr RecordTag kSomsTag = Tag("SOMS");
constexpr RecordTag kSossTag = Tag("SOSS");
constexpr RecordTag kOss2Tag = 0x4F025353;
constexpr RecordTag kGfholdTag = Tag("SDGF");
constexpr RecordTag kShapeExpressionTag = Tag("otDO");

constexpr std::uint32_t kArticulationZeroed = 48;  // bytes cleared before loading
constexpr RecordTag kSofiTag = Tag("SOfI");
constexpr std::uint32_t kSofiZeroed = 108;
constexpr RecordTag kSosdTag = Tag("SOSD");  // kept by newer hosts only as
constexpr RecordTag kOtsdTag = Tag("otSD");  // this 12-byte element record
constexpr std::uint32_t kOtsdSize = 12;
constexpr std::uint32_t kSosdSize = 66;
static_assert(kSomsTag == 0x534F4D53 && kSossTag == 0x534F5353 && kGfholdTag == 0x53444746 &&
                  kShapeExpressionTag == 0x6F74444F && kSofiTag == 0x534F6649 &&
                  kSosdTag == 0x534F5344 && kOtsdTag == 0x6F745344,
              "tags read most significant byte first");

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
    {kSomsTag, 26, Action::kRaiseTo, kVersion10, nullptr},
    {kSomsTag, 24, Action::kSet, kVersion9, nullptr},
    {kSossTag, 28, Action::kRaiseTo, kVersion10, nullptr},
    {kSossTag, 24, Action::kRaiseTo, kVersion6, nullptr},
    {kSossTag, 22, Action::kSet, kVersion5, nullptr},
    {kOss2Tag, 28, Action::kRaiseTo, kVersion10, nullptr},
    {kOss2Tag, 24, Action::kRaiseTo, kVersion6, nullptr},
    {kOss2Tag, 22, Action::kSet, kVersion5, nullptr},
    {kGfholdTag, 12, Action::kLowerTo, kVersion8, nullptr},
    {kGfholdTag, 10, Action::kWarnBelow, kVersion9,
     "Warning to plug-in developer: KVRGfhold2004 used with wrong version parameter"},
    {layout::staff::kTag, 66, Action::kSet, kVersion5, nullptr},
    {layout::staff::kTag, 102, Action::kSet, kVersion8, nullptr},
    {layout::textblock::kTag, 48, Action::kLowerTo, kVersion8, nullptr},
    {layout::textblock::kTag, 26, Action::kWarnBelow, kVersion9,
     "Warning to plug-in developer: KVRTextBlock2004 used with wrong version parameter"},
    {kShapeExpressionTag, 12, Action::kLowerTo, kVersion8, nullptr},
    {kShapeExpressionTag, 34, Action::kWarnBelow, kVersion9,
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
    const std::int16_t result = host::LoadEDataRaw(kSosdTag, key, buffer, size, version);
    if (result != 0) {
        return result;
    }
    RecordKey elementKey{key->first, 0};
    std::uint8_t element[kOtsdSize] = {};
    std::uint32_t elementSize = kOtsdSize;
    if (host::LoadEDataRaw(kOtsdTag, &elementKey, element, &elementSize, kInterfaceVersion) == 0) {
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
    if (buffer != nullptr && tag == kSofiTag) {
        return LoadZeroedFirst(tag, key, buffer, size, version, kSofiZeroed);
    }
    if (tag == kSosdTag) {
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
