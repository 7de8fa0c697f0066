// Resource ids of the list header editor (block 2800-2899, controls 28000-28099).
#pragma once

#define IDD_LIST_HEADER 2800

#define IDC_HEADER_TEXT 28000
#define IDC_HEADER_VARIABLES 28001
#define IDC_HEADER_INSERT 28002
#define IDC_HEADER_DEFAULT 28003
