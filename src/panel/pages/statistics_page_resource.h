// Resource ids of the Statistics page (block 700-799, controls 7000-7099).
#pragma once

#define IDD_PAGE_STATISTICS 700
