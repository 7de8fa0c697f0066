// Resource ids of the file extension dialog (block 2900-2999, controls 29000-29099).
#pragma once

#define IDD_FILE_EXTENSION 2900

#define IDC_EXTENSION_TEXT 29000
#define IDC_EXTENSION_ADD 29001
