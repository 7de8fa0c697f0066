// Resource ids of the manager windows (block 2100-2199).
#pragma once

#define IDD_ADS_MANAGER 2101
#define IDD_USER_MANAGER 2102
