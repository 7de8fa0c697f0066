#include "panel/pages/file_lists_page.h"

#include "panel/pages/file_lists_page_resource.h"

namespace qvs {

FileListsPage::FileListsPage() : DialogBase(IDD_PAGE_FILELISTS) {}

}  // namespace qvs
