// Hosts from 7.0 on hand non-ASCII text as UTF-8; the module reads the
// single-byte Windows-1252 code page.
#pragma once
#include <string>
#include <string_view>

namespace qvs::relay {

// Characters that Windows-1252 lacks become '?'; bytes that are no valid
// UTF-8 (an older host's text, a sequence cut by the buffer end) stay as
// they are, since they already are single-byte characters.
std::string Utf8ToWindows1252(std::string_view utf8);

}  // namespace qvs::relay
