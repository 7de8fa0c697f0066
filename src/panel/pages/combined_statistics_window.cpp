#include "panel/pages/combined_statistics_window.h"

#include "panel/pages/combined_statistics_window_resource.h"
#include "panel/framework/control_io.h"

namespace qvs {

CombinedStatisticsWindow::CombinedStatisticsWindow() : DialogBase(IDD_COMBINED_STATISTICS) {}

void CombinedStatisticsWindow::Show(HINSTANCE instance, HWND owner, ModuleState& state) {
    if (IsOpen()) return;
    texts_ = FormatCombinedStatistics(state);
    RunModal(instance, owner);
}

bool CombinedStatisticsWindow::OnInit() {
    SetControlText(Window(), IDC_COMBINED_FILES, texts_.Files);
    SetControlText(Window(), IDC_COMBINED_SIZE, texts_.Size);
    SetControlText(Window(), IDC_COMBINED_FASTEST, texts_.Fastest);
    SetControlText(Window(), IDC_COMBINED_AVERAGE, texts_.Average);
    return true;
}

bool CombinedStatisticsWindow::OnCommand(int id, int) {
    if (id == IDOK || id == IDCANCEL) End(id);
    return true;
}

}  // namespace qvs
