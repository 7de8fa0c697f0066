// Resource ids of the Misc page (block 1200-1299, controls 12000-12099).
#pragma once

#define IDD_PAGE_MISC 1200
