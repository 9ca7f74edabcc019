// The replaced operator new of the in-process suite.
#include "tests/support/allocation_limit.h"

#include <cstdlib>
#include <new>

namespace {

int grantedBeforeRefusal = -1;  // -1: refuse nothing

void* Allocate(std::size_t size) {
    if (grantedBeforeRefusal == 0) {
        grantedBeforeRefusal = -1;
        throw std::bad_alloc();
    }
    if (grantedBeforeRefusal > 0) --grantedBeforeRefusal;
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

}  // namespace

void RefuseAllocationAfter(int granted) { grantedBeforeRefusal = granted; }
bool RefusalPending() { return grantedBeforeRefusal >= 0; }

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept { return operator new(size, nothrow); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
