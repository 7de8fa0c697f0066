#include "panel/pages/resend_page.h"

#include "panel/pages/resend_page_resource.h"

namespace qvs {

ResendPage::ResendPage(ModuleState& state) : ChannelPage(IDD_PAGE_RESEND, state) {}

}  // namespace qvs
