// Resource ids of the SQueue page (block 1800-1899, controls 18000-18099).
#pragma once

#define IDD_PAGE_SQUEUE 1800
