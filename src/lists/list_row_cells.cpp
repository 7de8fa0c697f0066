#include "lists/list_row_cells.h"

#include "hostlink/command_log.h"
#include "model/list_figures_hold.h"
#include "stats/number_texts.h"

namespace qvs {
namespace {

// A list never generated has no date: the platform's years start at 1601.
bool EverGenerated(const DateTime& date) { return date.Year != 0; }

}  // namespace

ListRowCells FileListRowCells(const FileList& list) {
    ListFiguresHold figures;
    return {list.ListName.c_str(),
            list.Description.c_str(),
            list.ListTrigger.c_str(),
            list.FileTrigger.c_str(),
            list.NumberOfFiles ? std::to_string(list.NumberOfFiles) : std::string(),
            list.SizeOfFiles ? FormatSize(list.SizeOfFiles) : std::string(),
            EverGenerated(list.CreationDateTime) ? FormatDateTime(list.CreationDateTime) : std::string()};
}

}  // namespace qvs
