// What the editor's dialogs accept: set names, level numbers, sizes and
// completion codes, with the message each refusal shows, and the cuts and
// clean-ups applied to texts before they reach the model.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trelux {

inline constexpr int32_t kMinInteriorSide = 5;
inline constexpr int32_t kMaxInteriorSide = 20;
inline constexpr int32_t kMaxLevelNumber = 255;
inline constexpr size_t kMaxDescriptionLength = 2047;
inline constexpr size_t kMaxEnteredCodeLength = 19;
// The size and level fields are read this far, as the dialogs read them.
inline constexpr size_t kNumberFieldLength = 8;

// A level's size inside its ring of walls, as the resize dialog shows it.
struct InteriorSize {
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const InteriorSize&) const = default;
};

struct InputProblem {
  std::string text;
  bool warning = false;  // exclamation icon; else information
};

// Refuses a name of blanks only, then a name some set already has.
std::optional<InputProblem> checkSetName(const std::string& name);
std::optional<InputProblem> checkLevelNumber(int32_t number);
// Interior width and height; the width is checked first.
std::optional<InputProblem> checkInteriorSize(int32_t width, int32_t height);
// An enabled code must hold more than blanks; a disabled one may be empty.
std::optional<InputProblem> checkCompletionCode(bool enabled, std::string_view code);

// "Width (5 - 20)" and "Height (5 - 20)".
std::string sizeLabel(std::string_view dimension);
// A size or level field's text as a number: its first 8 characters read as
// atoi reads them, so an empty field is 0.
int32_t fieldNumber(std::string_view text);

std::string cutDescription(std::string_view text);
std::string cutCompletionCode(std::string_view text);
// Bytes 0xF0 to 0xFF become blanks before a text reaches the level file.
std::string blankHighBytes(std::string text);

}  // namespace trelux
