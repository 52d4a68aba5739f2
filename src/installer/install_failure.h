// How an installation or uninstall fails: a bare text (the name of a missing
// resource, or a package-validity message), or a SUPEREXCEPTION record when
// a system operation failed, naming the step and the system's error code.
// Both are thrown; installFailure and uninstallFailure turn them into the
// texts of the error box.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace trelux {

struct PackageError {
  std::string text;
};

struct SUPEREXCEPTION {
  SUPEREXCEPTION(std::string step, uint32_t systemCode, std::string words = {})
      : text(std::move(step)), code(systemCode), detail(std::move(words)) {}

  std::string text;
  uint32_t code = 0;
  // Said in words after the code: which folder, and why. Empty when the
  // code is all there is to say.
  std::string detail;
};

// A Windows system error code in words ("access denied", "the disk is full").
std::string systemErrorWords(uint32_t code);
// "The folder <folder> could not be written: <why>."
std::string unwritableFolderText(const std::string& folder, uint32_t code);

// Runs step; nullopt when it succeeded, else the message for the error box.
std::optional<std::string> installFailure(const std::function<void()>& step);
std::optional<std::string> uninstallFailure(const std::function<void()>& step);

}  // namespace trelux
