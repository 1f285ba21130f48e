#pragma once
#include <filesystem>

namespace varnesk {

// The folder that holds the running program, where its populacao.txt lives; the current
// folder where the system cannot tell (no /proc, or a browser's virtual file system).
std::filesystem::path programFolder();

}  // namespace varnesk
