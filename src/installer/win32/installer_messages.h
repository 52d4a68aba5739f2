// The installer's own texts and captions.
#pragma once

#include <string>

namespace trelux {

inline constexpr const char* kInstallErrorCaption = "Install Error";
inline constexpr const char* kMissingPackageMessage =
    "The installation program could not locate the install package.\nIf you downloaded a "
    "compressed version of this program, please extract it before running.";
inline constexpr const char* kLicenseCaption = "License Agreement";
inline constexpr const char* kInstallingText = "Installing... Please Wait...";
inline constexpr const char* kInstallCompleteMessage =
    "\n              Installation complete!              \n";
inline constexpr const char* kInstallCompleteCaption = "Success!";
inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kConfirmUninstallMessage = "Do you really want to uninstall this program?";
inline constexpr const char* kConfirmUninstallCaption = "Confirm uninstall";
inline constexpr const char* kUninstalledMessage = "Uninstall successful.";
inline constexpr const char* kUninstalledCaption = "Success";
inline constexpr const char* kNoProgramFilesMessage = "Unable to locate installed program files.";

// Play found the installation but its program did not start; code is
// WinExec's answer.
inline std::string notStartedMessage(const std::string& program, unsigned code) {
  return "Unable to start " + program + ".\nError code: " + std::to_string(code);
}

}  // namespace trelux
