// Resource ids of the queue view that each queue page holds (controls
// 35000-35099), and its controls for the pages' templates: the "Queue" /
// "Sends" tabs over the rows, then the three counts. The page's own settings
// go below them, from 162 dialog units down.
#pragma once

#define IDC_QUEUE_TABS 35000
#define IDC_QUEUE_ROWS 35001
#define IDC_QUEUE_IN_QUEUE 35002
#define IDC_QUEUE_SENDING 35003
#define IDC_QUEUE_ON_HOLD 35004

#ifdef RC_INVOKED
#define QUEUE_VIEW_CONTROLS \
    CONTROL "", IDC_QUEUE_TABS, WC_TABCONTROLA, WS_TABSTOP | WS_CLIPSIBLINGS, 4, 4, 362, 138 \
    CONTROL "", IDC_QUEUE_ROWS, WC_LISTVIEWA, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 8, 20, 354, 118 \
    LTEXT "In Queue:", -1, 8, 148, 34, 8 \
    EDITTEXT IDC_QUEUE_IN_QUEUE, 44, 146, 40, 12, ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL \
    LTEXT "Sending:", -1, 100, 148, 30, 8 \
    EDITTEXT IDC_QUEUE_SENDING, 132, 146, 40, 12, ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL \
    LTEXT "On Hold:", -1, 188, 148, 30, 8 \
    EDITTEXT IDC_QUEUE_ON_HOLD, 220, 146, 40, 12, ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL
#endif
