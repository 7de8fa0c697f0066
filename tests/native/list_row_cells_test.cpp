// The cells of a FileList's row: what a generation found shows only once
// there is something to show.
#include <gtest/gtest.h>

#include "lists/list_row_cells.h"

namespace qvs {
namespace {

TEST(ListRowCellsTest, GenerationCellsStayEmptyUntilThereIsSomethingToShow) {
    struct Case {
        uint32_t files;
        uint64_t size;
        DateTime date;
        ListRowCells want;
    } cases[] = {
        {0, 0, {}, {"Films", "old ones", "@films", "!films", "", "", ""}},
        {7, 2048, {2026, 3, 0, 7, 9, 5, 4, 0}, {"Films", "old ones", "@films", "!films", "7", "2 KB", "03-07-2026  09:05:04"}},
        // A generation that found nothing still has its date.
        {0, 0, {2026, 12, 2, 31, 23, 59, 59, 0}, {"Films", "old ones", "@films", "!films", "", "", "12-31-2026  23:59:59"}},
        {4294967295u, 0, {}, {"Films", "old ones", "@films", "!films", "4294967295", "", ""}},
    };
    for (const Case& c : cases) {
        FileList list;
        list.ListName.Set("Films");
        list.Description.Set("old ones");
        list.ListTrigger.Set("@films");
        list.FileTrigger.Set("!films");
        list.NumberOfFiles = c.files;
        list.SizeOfFiles = c.size;
        list.CreationDateTime = c.date;
        EXPECT_EQ(FileListRowCells(list), c.want) << c.files;
    }
}

}  // namespace
}  // namespace qvs
