#include "panel/pages/file_lists_page.h"

#include "panel/pages/file_lists_page_resource.h"

namespace qvs {

FileListsPage::FileListsPage(ModuleState& state) : ChannelPage(IDD_PAGE_FILELISTS, state) {}

}  // namespace qvs
