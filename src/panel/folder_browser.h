// The platform's folder browser, offering file-system folders only, with
// the application name as its title.
#pragma once
#include "win32/windows_api.h"

#include <string>

namespace qvs {

// True with the chosen folder's path, ending with a backslash.
bool BrowseForFolder(HWND owner, std::string& path);

}  // namespace qvs
