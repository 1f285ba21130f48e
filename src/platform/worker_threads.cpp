#include "platform/worker_threads.h"

#include <algorithm>
#include <vector>

#include "common/library_fallbacks.h"

#if (defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)) || defined(VARNESK_SINGLE_THREAD)
#define VARNESK_HAS_THREADS 0
#else
#define VARNESK_HAS_THREADS 1
#endif

namespace varnesk {

unsigned availableThreads() {
#if VARNESK_HAS_THREADS
  return std::max(1u, std::thread::hardware_concurrency());
#else
  return 1;
#endif
}

void runOnThreads(std::size_t count, const std::function<void()>& work) {
#if VARNESK_HAS_THREADS
  std::vector<JoiningThread> helpers;
  for (std::size_t t = 1; t < count; ++t) helpers.emplace_back(work);
#else
  static_cast<void>(count);
#endif
  work();
}

}  // namespace varnesk
