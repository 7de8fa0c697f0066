// Resource ids of the Resend page (block 1300-1399, controls 13000-13099).
// Each queue's group uses its base id plus the offsets below.
#pragma once

#define IDD_PAGE_RESEND 1300

#define IDC_RESEND_REGULAR 13000
#define IDC_RESEND_OPVOICE 13010
#define IDC_RESEND_SQUEUE 13020
#define IDC_RESEND_USE 0
#define IDC_RESEND_SIZE 1
#define IDC_RESEND_UNIT 2
#define IDC_RESEND_METHOD 3
#define IDC_RESEND_LIMIT 4
