// Resource ids of the "Select Network/Channel" box (block 3700-3799,
// controls 37000-37099).
#pragma once

#define IDD_SELECT_CHANNEL 3700
#define IDC_SELECT_CHANNEL_LIST 37000
