// Resource ids of the queue view that each queue page holds (controls
// 35000-35099), and its controls for the pages' templates: the "Queue" /
// "Sends" tabs and the three counts above the rows. The page's own settings
// go below the rows.
#pragma once

#define IDC_QUEUE_TABS 35000
#define IDC_QUEUE_ROWS 35001
#define IDC_QUEUE_IN_QUEUE 35002
#define IDC_QUEUE_SENDING 35003
#define IDC_QUEUE_ON_HOLD 35004

#ifdef RC_INVOKED
// The pages are 384 by 212 units; rows is the height of the rows' list.
#define QUEUE_VIEW_CONTROLS(rows) \
    CONTROL "", IDC_QUEUE_TABS, WC_TABCONTROLA, WS_TABSTOP | WS_CLIPSIBLINGS, 4, 4, 90, 14 \
    LTEXT "In Queue:", -1, 162, 8, 34, 8 \
    EDITTEXT IDC_QUEUE_IN_QUEUE, 198, 6, 30, 12, ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL | NOT WS_TABSTOP \
    LTEXT "Sending:", -1, 238, 8, 30, 8 \
    EDITTEXT IDC_QUEUE_SENDING, 270, 6, 30, 12, ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL | NOT WS_TABSTOP \
    LTEXT "On Hold:", -1, 310, 8, 30, 8 \
    EDITTEXT IDC_QUEUE_ON_HOLD, 342, 6, 30, 12, ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL | NOT WS_TABSTOP \
    CONTROL "", IDC_QUEUE_ROWS, WC_LISTVIEWA, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 4, 21, 376, rows
#endif
