#pragma once
// Stand-ins for C++20 library features that LLVM's libc++ gained late (the releases that
// emscripten ships lack them), picked by the library's own feature-test macros; a build with
// VARNESK_PORTABLE_FALLBACKS takes them everywhere, so that they are compiled and tested.
// The number conversions have their own header, common/number_conversion.h.
#include <cstring>
#include <thread>
#include <type_traits>
#include <utility>
#include <version>

#if defined(__cpp_lib_bit_cast) && !defined(VARNESK_PORTABLE_FALLBACKS)
#include <bit>
#endif

namespace varnesk {

// std::bit_cast: the same bits read as another type of the same size.
template <class To, class From>
To bitCast(const From& from) noexcept {
  static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
                std::is_trivially_copyable_v<From>);
#if defined(__cpp_lib_bit_cast) && !defined(VARNESK_PORTABLE_FALLBACKS)
  return std::bit_cast<To>(from);
#else
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
#endif
}

#if defined(__cpp_lib_jthread) && !defined(VARNESK_PORTABLE_FALLBACKS)
using JoiningThread = std::jthread;
#else
// std::jthread without the stop token nothing here asks for: a thread joined when it goes.
class JoiningThread {
 public:
  template <class F>
  explicit JoiningThread(F&& f) : thread_(std::forward<F>(f)) {}
  JoiningThread(JoiningThread&&) noexcept = default;
  JoiningThread& operator=(JoiningThread&&) = delete;
  ~JoiningThread() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::thread thread_;
};
#endif

}  // namespace varnesk
