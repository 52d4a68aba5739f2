#include "installer/install_failure.h"

namespace trelux {
namespace {

std::optional<std::string> failureOf(const std::function<void()>& step, const std::string& lead) {
  try {
    step();
  } catch (const PackageError& error) {
    return lead + error.text;
  } catch (const SUPEREXCEPTION& error) {
    return lead + error.text + "\nError Code: " + std::to_string(error.code);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> installFailure(const std::function<void()>& step) {
  return failureOf(step,
                   "An error has occurred during the install process.\nPlease reinstall this "
                   "program.\n\nError: ");
}

std::optional<std::string> uninstallFailure(const std::function<void()>& step) {
  return failureOf(step, "An error has occurred during the uninstall process.\n\nError: ");
}

}  // namespace trelux
