#include "engine/configuration.h"
#include "common/limits.h"

#include "common/messages.h"
#include "common/number_text.h"

namespace varnesk {
namespace {

constexpr const char* kSampleSizeBox = "TamanhodaAmostraTXT";
constexpr const char* kRepetitionsBox = "NumeroRepeticoesTXT";

void refuse(Platform& platform, std::string_view message, const char* focus) {
  platform.showMessage(std::string(message));
  platform.setFocus(focus);
}

// Both buttons check the sample size first, the same way.
bool sampleSizeAccepted(const std::string& sampleSize, Platform& platform) {
  const auto problem = sampleSizeProblem(parseLeadingNumber(sampleSize));
  if (problem) refuse(platform, *problem, kSampleSizeBox);
  return !problem;
}

}  // namespace

std::optional<std::string_view> sampleSizeProblem(double n) {
  if (!(n >= 1)) return messages::kFillSampleSize;
  if (n > kMaxSampleSize) return messages::kSampleSizeTooLarge;
  return std::nullopt;
}

std::optional<std::string_view> instantRepetitionsProblem(double r) {
  if (!(r >= 1)) return messages::kFillRepetitions;
  if (r > kMaxMeans) return messages::kRepetitionsTooLarge;
  return std::nullopt;
}

WindowToOpen instantClicked(const std::string& sampleSize, const std::string& repetitions,
                            Platform& platform) {
  if (!sampleSizeAccepted(sampleSize, platform)) return WindowToOpen::None;
  const double r = parseLeadingNumber(repetitions);
  if (!(r >= 1)) {
    refuse(platform, messages::kFillRepetitions, kRepetitionsBox);
    return WindowToOpen::None;
  }
  // A warning only: the instant window takes up to 5000 and refuses more itself.
  if (r > kMaxStepByStepMeans) refuse(platform, messages::kStepByStepMaximum, kRepetitionsBox);
  return WindowToOpen::Instant;
}

WindowToOpen stepByStepClicked(const std::string& sampleSize, const std::string& repetitions,
                               Platform& platform) {
  if (!sampleSizeAccepted(sampleSize, platform)) return WindowToOpen::None;
  const double r = parseLeadingNumber(repetitions);
  if (!(r >= kMinStepByStepMeans)) {
    refuse(platform, messages::kStepByStepMinimum, kRepetitionsBox);
    return WindowToOpen::None;
  }
  if (r > kMaxStepByStepMeans) {
    refuse(platform, messages::kStepByStepMaximum, kRepetitionsBox);
    return WindowToOpen::None;
  }
  return WindowToOpen::StepByStep;
}

}  // namespace varnesk
