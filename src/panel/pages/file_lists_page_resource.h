// Resource ids of the FileLists page (block 400-499, controls 4000-4099).
#pragma once

#define IDD_PAGE_FILELISTS 400
