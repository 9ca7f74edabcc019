// Copying a global block.
#include "output/global_block.h"

#include <cstring>

GlobalBlock GlobalBlock::CopyOf(HGLOBAL source) {
    if (source == nullptr) return {};
    const LockedGlobal from(source);
    const size_t size = GlobalSize(source);
    GlobalBlock copy = Allocate(size);
    if (from.bytes == nullptr || !copy) return {};
    const LockedGlobal to(copy.Get());
    if (to.bytes == nullptr) return {};
    std::memcpy(to.bytes, from.bytes, size);
    return copy;
}
