// Resource ids of the Options page (block 600-699, controls 6000-6099).
#pragma once

#define IDD_PAGE_OPTIONS 600
#define IDC_OPTIONS_TAB 6000
