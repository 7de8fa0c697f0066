// Resource ids of the RegularQueue page (block 2000-2099, controls 20000-20099).
#pragma once

#define IDD_PAGE_REGULAR_QUEUE 2000
