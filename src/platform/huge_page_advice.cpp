#include "platform/huge_page_advice.h"

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace varnesk {

void adviseHugePages([[maybe_unused]] void* p, [[maybe_unused]] std::size_t bytes) {
#if defined(MADV_HUGEPAGE)
  madvise(p, bytes, MADV_HUGEPAGE);
#endif
}

}  // namespace varnesk
