#include "installer/install_failure.h"

namespace trelux {
namespace {

std::optional<std::string> failureOf(const std::function<void()>& step, const std::string& lead) {
  try {
    step();
  } catch (const PackageError& error) {
    return lead + error.text;
  } catch (const SUPEREXCEPTION& error) {
    return lead + error.text + "\nError Code: " + std::to_string(error.code) +
           (error.detail.empty() ? "" : "\n\n" + error.detail);
  }
  return std::nullopt;
}

}  // namespace

std::string systemErrorWords(uint32_t code) {
  switch (code) {
    case 5: return "access denied";                    // ERROR_ACCESS_DENIED
    case 19: return "the disk is write-protected";     // ERROR_WRITE_PROTECT
    case 39: case 112: return "the disk is full";      // ERROR_HANDLE_DISK_FULL, ERROR_DISK_FULL
    // File, path, drive, network path and share not found.
    case 2: case 3: case 15: case 53: case 67: return "not found";
    case 21: return "the drive is not ready";          // ERROR_NOT_READY
    case 32: case 33: return "in use by another program";  // sharing and lock violations
    case 123: return "the name is not valid";          // ERROR_INVALID_NAME
    case 206: return "the path is too long";           // ERROR_FILENAME_EXCED_RANGE
    default: return "system error " + std::to_string(code);
  }
}

std::string unwritableFolderText(const std::string& folder, uint32_t code) {
  return "The folder " + folder + " could not be written: " + systemErrorWords(code) + ".";
}

std::optional<std::string> installFailure(const std::function<void()>& step) {
  return failureOf(step,
                   "An error has occurred during the install process.\nPlease reinstall this "
                   "program.\n\nError: ");
}

std::optional<std::string> uninstallFailure(const std::function<void()>& step) {
  return failureOf(step, "An error has occurred during the uninstall process.\n\nError: ");
}

}  // namespace trelux
