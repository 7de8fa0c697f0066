// Resource ids of the Global page (block 800-899, controls 8000-8099).
#pragma once

#define IDD_PAGE_GLOBAL 800
#define IDC_GLOBAL_TAB 8000
