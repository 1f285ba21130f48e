#include "platform/huge_page_advice.h"

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace varnesk {

void adviseHugePages([[maybe_unused]] void* p, [[maybe_unused]] std::size_t bytes) {
  // WebAssembly's memory has no pages to advise on: emscripten's madvise ignores the advice, and
  // its debugging C library reports each call on the console.
#if defined(MADV_HUGEPAGE) && !defined(__EMSCRIPTEN__)
  madvise(p, bytes, MADV_HUGEPAGE);
#endif
}

}  // namespace varnesk
