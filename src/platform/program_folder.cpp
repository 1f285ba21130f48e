#include "platform/program_folder.h"

#include <system_error>

namespace varnesk {

std::filesystem::path programFolder() {
  std::error_code error;
#if defined(__linux__)
  // The kernel resolves the links in bin/ before the program asks, so an installed tree finds
  // the folder of the executable itself.
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
#endif
  return std::filesystem::current_path(error);
}

}  // namespace varnesk
