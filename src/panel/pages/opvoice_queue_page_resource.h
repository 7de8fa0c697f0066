// Resource ids of the OpVoiceQueue page (block 1900-1999, controls 19000-19099).
#pragma once

#define IDD_PAGE_OPVOICE_QUEUE 1900
#define IDC_OPVOICE_NICE_TO_OPS 19000
#define IDC_OPVOICE_NICE_TO_VOICES 19001
#define IDC_OPVOICE_SLOTS 19002
