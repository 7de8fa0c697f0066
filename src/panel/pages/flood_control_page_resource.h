// Resource ids of the FloodControl page (block 1600-1699, controls 16000-16099).
#pragma once

#define IDD_PAGE_FLOOD_CONTROL 1600
