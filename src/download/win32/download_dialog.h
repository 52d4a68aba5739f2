// The list of the manifest's sets ("downloadDlg"): one visible line per set
// with its name, and hidden lists of the same lines with path, author, date
// and guid. "Download" fetches and installs the selected set and the list
// stays; "Finished" closes it.
#pragma once

#include <windows.h>

#include <vector>

#include "download/manifest.h"
#include "download/win32/set_download.h"

namespace trelux {

void showDownloadDialog(const DownloadContext& context, const std::vector<ManifestSet>& sets);

}  // namespace trelux
