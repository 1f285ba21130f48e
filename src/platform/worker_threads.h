#pragma once
#include <cstddef>
#include <functional>

namespace varnesk {

// How many threads a run may spread over: the machine's cores, or 1 in a build without threads
// (the browser edition's single-threaded WebAssembly, or VARNESK_SINGLE_THREAD).
unsigned availableThreads();

// Calls work() on `count` threads at once, the calling thread one of them, and returns when
// every call has. A build without threads makes the one call on the calling thread: work that
// takes its share from a common counter until none is left then does all of it there, with the
// same results.
void runOnThreads(std::size_t count, const std::function<void()>& work);

}  // namespace varnesk
