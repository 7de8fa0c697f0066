// Resource ids of the manager windows (block 2100-2199).
#pragma once

#define IDD_USER_MANAGER 2102
