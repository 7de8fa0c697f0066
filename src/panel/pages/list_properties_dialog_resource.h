// Resource ids of the list properties dialog (block 2700-2799, controls 27000-27099).
#pragma once

#define IDD_LIST_PROPERTIES 2700

#define IDC_LIST_NAME 27000
#define IDC_LIST_DESCRIPTION 27001
#define IDC_LIST_TRIGGER 27002
#define IDC_FILE_TRIGGER 27003
