#pragma once
// Before pasted text replaces the population, what it would become: how many values, their mean
// and the first of them, so that a paste of anything else (the statistics just copied, a line of
// a message) is never taken by surprise.
#include <optional>
#include <string>
#include <string_view>

#include "engine/read_options.h"

namespace varnesk {

inline constexpr std::string_view kUsePasted = "Usar";

// The question for text that reads as a population with `options`; nothing for text the reader
// refuses, whose message the choice itself then gives.
std::optional<std::string> pasteQuestion(std::string_view text, const ReadOptions& options,
                                         char separator);

}  // namespace varnesk
