// Resource ids of the General page (block 1500-1599, controls 15000-15099).
#pragma once

#define IDD_PAGE_GENERAL 1500
