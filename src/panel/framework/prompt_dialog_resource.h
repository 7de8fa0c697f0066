// Resource ids of the one-field prompt (block 200-299, controls 2000-2099).
#pragma once

#define IDD_PROMPT 200

#define IDC_PROMPT_LABEL 2000
#define IDC_PROMPT_TEXT 2001
