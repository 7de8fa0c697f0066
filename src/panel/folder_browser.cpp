#include "panel/folder_browser.h"

#include <shlobj.h>

#include "model/module_state.h"

namespace qvs {
namespace {

std::string PathOf(PIDLIST_ABSOLUTE chosen) {
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(chosen, path)) return std::string();
    std::string folder = path;
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace

bool BrowseForFolder(HWND owner, std::string& path) {
    // The browser's tree is made of shell objects, which need COM on this thread.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = kAppName;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&browse);
    if (chosen) {
        path = PathOf(chosen);
        CoTaskMemFree(chosen);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return chosen && !path.empty();
}

}  // namespace qvs
