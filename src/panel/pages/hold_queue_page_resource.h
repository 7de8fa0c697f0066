// Resource ids of the HoldQueue page (block 1400-1499, controls 14000-14099).
#pragma once

#define IDD_PAGE_HOLD_QUEUE 1400
