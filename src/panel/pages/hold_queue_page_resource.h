// Resource ids of the HoldQueue page (block 1400-1499, controls 14000-14099).
#pragma once

#define IDD_PAGE_HOLD_QUEUE 1400

// The master switch's three buttons, in the order of its states.
#define IDC_HOLD_UNHOLD_ALL 14000
#define IDC_HOLD_HOLD_ALL 14001
#define IDC_HOLD_PER_QUEUE 14002
// The per-queue checks and the effective status fields, each in queue-kind
// order: List, Small-file, Op/Voice, Regular.
#define IDC_HOLD_LIST 14010
#define IDC_HOLD_SMALL_FILE 14011
#define IDC_HOLD_OPVOICE 14012
#define IDC_HOLD_REGULAR 14013
#define IDC_HOLD_STATUS_LIST 14020
#define IDC_HOLD_STATUS_SMALL_FILE 14021
#define IDC_HOLD_STATUS_OPVOICE 14022
#define IDC_HOLD_STATUS_REGULAR 14023
