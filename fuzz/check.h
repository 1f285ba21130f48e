#pragma once
#include <cstdlib>

// A broken property stops the fuzzer, with the input and the stack of the check that broke.
inline void check(bool holds) {
  if (!holds) std::abort();
}
