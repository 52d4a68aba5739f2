#include "editor/editor_checks.h"

#include "base/text.h"
#include "puzzles/catalogue.h"

namespace trelux {
namespace {

constexpr unsigned char kFirstHighByte = 0xF0;

std::string rangeText(std::string_view dimension) {
  return std::string(dimension) + " must be between " + std::to_string(kMinInteriorSide) +
         " and " + std::to_string(kMaxInteriorSide) + ".";
}

bool inSizeRange(int32_t side) { return side >= kMinInteriorSide && side <= kMaxInteriorSide; }

}  // namespace

std::optional<InputProblem> checkSetName(const std::string& name) {
  if (trimBlanks(name).empty()) return InputProblem{"Please enter a puzzle set name.", false};
  if (!isPuzzleSetNameFree(name))
    return InputProblem{"A puzzle set with that name already exists!", true};
  return std::nullopt;
}

std::optional<InputProblem> checkLevelNumber(int32_t number) {
  if (number < 1) return InputProblem{"Please enter a level number greater than zero.", true};
  if (number > kMaxLevelNumber) return InputProblem{"Level number can't be greater than 255.", true};
  return std::nullopt;
}

std::optional<InputProblem> checkInteriorSize(int32_t width, int32_t height) {
  if (!inSizeRange(width)) return InputProblem{rangeText("Width"), true};
  if (!inSizeRange(height)) return InputProblem{rangeText("Height"), true};
  return std::nullopt;
}

std::optional<InputProblem> checkCompletionCode(bool enabled, std::string_view code) {
  if (enabled && trimBlanks(code).empty())
    return InputProblem{"Please enter a completion code.", false};
  return std::nullopt;
}

std::string sizeLabel(std::string_view dimension) {
  return std::string(dimension) + " (" + std::to_string(kMinInteriorSide) + " - " +
         std::to_string(kMaxInteriorSide) + ")";
}

int32_t fieldNumber(std::string_view text) {
  return parseLeadingInt(text.substr(0, kNumberFieldLength));
}

std::string cutDescription(std::string_view text) {
  return std::string(text.substr(0, kMaxDescriptionLength));
}

std::string cutCompletionCode(std::string_view text) {
  return std::string(text.substr(0, kMaxEnteredCodeLength));
}

std::string blankHighBytes(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) >= kFirstHighByte) c = ' ';
  return text;
}

}  // namespace trelux
