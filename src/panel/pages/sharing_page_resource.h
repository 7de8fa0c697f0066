// Resource ids of the Sharing page (block 1100-1199, controls 11000-11099).
#pragma once

#define IDD_PAGE_SHARING 1100
