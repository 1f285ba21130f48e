#pragma once
// Storage for the large buffers of a simulation window (the population, the population file's
// text and the values read from it) in 2 MB pages where the system offers them.
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "platform/huge_page_advice.h"

namespace varnesk {

// Each 4 KB page is zeroed and mapped on its first touch; under a hypervisor that costs about
// 10 microseconds a page, some 30 ms for the 2900 pages a Load touches. A 2 MB page takes one
// such fault, and its few entries in the address cache also serve the samples' scattered reads
// of the population. Smaller buffers, and systems that refuse the advice, use ordinary pages.
template <class T>
struct HugePageAllocator {
  using value_type = T;
  static constexpr std::size_t kHugePage = std::size_t{2} << 20;

  HugePageAllocator() = default;
  template <class U>
  HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) {
    if (n * sizeof(T) < kHugePage) return std::allocator<T>{}.allocate(n);
    const std::size_t bytes = (n * sizeof(T) + kHugePage - 1) / kHugePage * kHugePage;
    void* p = std::aligned_alloc(kHugePage, bytes);
    if (p == nullptr) throw std::bad_alloc();
    adviseHugePages(p, bytes);
    return static_cast<T*>(p);
  }
  void deallocate(T* p, std::size_t n) noexcept {
    if (n * sizeof(T) < kHugePage)
      std::allocator<T>{}.deallocate(p, n);
    else
      std::free(p);
  }
  template <class U>
  bool operator==(const HugePageAllocator<U>&) const noexcept {
    return true;
  }
};

template <class T>
using HugePageVector = std::vector<T, HugePageAllocator<T>>;

}  // namespace varnesk
