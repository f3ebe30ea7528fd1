#include "MemorySettingsStore.h"

namespace wigglepad {

void MemorySettingsStore::setRaw(std::string_view key, Value value) {
    values_.insert_or_assign(std::string(key), std::move(value));
    ++writes_;
}

} // namespace wigglepad
