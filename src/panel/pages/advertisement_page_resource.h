// Resource ids of the Advertisement page (block 500-599, controls 5000-5099).
#pragma once

#define IDD_PAGE_ADVERTISEMENT 500
