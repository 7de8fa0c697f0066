// Texts of the list files that users and the operator read.
#pragma once

namespace qvs {

// Told to whoever asks for, or is receiving, a list while it is regenerated.
constexpr char kListUpdatingNotice[] =
    "\x03" "12,15Sorry,\x03\x03" "2,15 %s\x03\x03" "12,15 listfile is being updated. Please wait a moment and try "
    "again.\x03";

// The list body's layout that readers of list files rely on: a file line is
// the trigger, one blank and the name, then this column when sizes are
// shown; a folder's files follow a heading line that starts with this.
constexpr char kSizeColumn[] = "     -";
constexpr char kFolderHeading[] = "[ Contents of ";

// The Verify List report beside the list files.
constexpr char kInvalidReportSuffix[] = "-invalid.txt";

}  // namespace qvs
