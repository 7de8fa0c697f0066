#include "panel/pages/resend_page.h"

#include "panel/pages/resend_page_resource.h"

namespace qvs {

ResendPage::ResendPage() : DialogBase(IDD_PAGE_RESEND) {}

}  // namespace qvs
