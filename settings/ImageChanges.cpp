#include "settings/ImageChanges.h"

#include <algorithm>

#include "settings/FieldValue.h"

namespace settings {

std::vector<const Field*> ChangedFields(const SettingsImage& before, const SettingsImage& after) {
    std::vector<const Field*> changed;
    for (const Field& f : kFields) {
        if (!std::equal(before.data() + f.offset, before.data() + f.end(), after.data() + f.offset))
            changed.push_back(&f);
    }
    return changed;
}

std::vector<std::size_t> ChangedSeparators(const SettingsImage& before, const SettingsImage& after) {
    std::vector<std::size_t> changed;
    for (const std::size_t offset : SeparatorOffsets()) {
        if (before[offset] != after[offset])
            changed.push_back(offset);
    }
    return changed;
}

std::vector<std::string> ChangedKeys(const SettingsImage& before, const SettingsImage& after) {
    std::vector<std::string> keys;
    for (const Field* f : ChangedFields(before, after))
        keys.emplace_back(f->key);
    for (const std::size_t offset : ChangedSeparators(before, after))
        keys.push_back(SeparatorKey(offset));
    return keys;
}

}  // namespace settings
