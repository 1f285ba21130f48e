#pragma once
#include <cstddef>

namespace varnesk {

// Asks the system to back [p, p + bytes) with 2 MB pages. Only advice: where the system has no
// such pages, or no way to ask for them (a browser), the memory keeps its ordinary pages and
// holds the same values.
void adviseHugePages(void* p, std::size_t bytes);

}  // namespace varnesk
