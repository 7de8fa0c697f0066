// Resource ids of the Users page (block 900-999, controls 9000-9099).
#pragma once

#define IDD_PAGE_USERS 900
