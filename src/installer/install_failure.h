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

namespace trelux {

struct PackageError {
  std::string text;
};

struct SUPEREXCEPTION {
  std::string text;
  uint32_t code = 0;
};

// Runs step; nullopt when it succeeded, else the message for the error box.
std::optional<std::string> installFailure(const std::function<void()>& step);
std::optional<std::string> uninstallFailure(const std::function<void()>& step);

}  // namespace trelux
