#include "engine/configuration.h"
#include "common/limits.h"

#include "common/messages.h"
#include "common/number_text.h"

namespace varnesk {
namespace {

constexpr const char* kTamanho = "TamanhodaAmostraTXT";
constexpr const char* kRepeticoes = "NumeroRepeticoesTXT";

void refuse(Platform& platform, std::string_view message, const char* focus) {
  platform.showMessage(std::string(message));
  platform.setFocus(focus);
}

// Both buttons check the sample size first, the same way.
bool sampleSizeAccepted(const std::string& tamanho, Platform& platform) {
  const auto problem = sampleSizeProblem(parseLeadingNumber(tamanho));
  if (problem) refuse(platform, *problem, kTamanho);
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

WindowToOpen instantClicked(const std::string& tamanho, const std::string& repeticoes,
                            Platform& platform) {
  if (!sampleSizeAccepted(tamanho, platform)) return WindowToOpen::None;
  const double r = parseLeadingNumber(repeticoes);
  if (!(r >= 1)) {
    refuse(platform, messages::kFillRepetitions, kRepeticoes);
    return WindowToOpen::None;
  }
  // A warning only: the instant window takes up to 5000 and refuses more itself.
  if (r > kMaxStepByStepMeans) refuse(platform, messages::kStepByStepMaximum, kRepeticoes);
  return WindowToOpen::Instant;
}

WindowToOpen stepByStepClicked(const std::string& tamanho, const std::string& repeticoes,
                               Platform& platform) {
  if (!sampleSizeAccepted(tamanho, platform)) return WindowToOpen::None;
  const double r = parseLeadingNumber(repeticoes);
  if (!(r >= kMinStepByStepMeans)) {
    refuse(platform, messages::kStepByStepMinimum, kRepeticoes);
    return WindowToOpen::None;
  }
  if (r > kMaxStepByStepMeans) {
    refuse(platform, messages::kStepByStepMaximum, kRepeticoes);
    return WindowToOpen::None;
  }
  return WindowToOpen::StepByStep;
}

}  // namespace varnesk
