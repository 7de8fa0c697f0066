// Resource ids of the Resend page (block 1300-1399, controls 13000-13099).
#pragma once

#define IDD_PAGE_RESEND 1300
