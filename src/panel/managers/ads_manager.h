// The Advertisement Manager: advertisement groups, their advertisements in
// showing order, each one's timing and text. Edits go straight into the
// records; names come through the panel's prompt.
#pragma once
#include <atomic>
#include <functional>

#include "model/module_state.h"
#include "panel/framework/list_view_table.h"
#include "panel/framework/prompt_dialog.h"
#include "panel/managers/ad_text_editor.h"
#include "panel/managers/manager_window.h"
#include "panel/managers/random_files_manager.h"

namespace qvs {

class AdsManager final : public ManagerWindow {
public:
    AdsManager(ModuleState& state, PromptDialog& prompt, const std::atomic<HWND>& host);
    // Called after a group went, so that pages showing it catch up.
    void OnGroupsChanged(std::function<void()> refresh) { groupsChanged_ = std::move(refresh); }

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(const NMHDR& notice) override;
    bool OnMessage(UINT message, WPARAM first, LPARAM second) override;
    bool OnButton(int id);
    bool OnTimingEdit(int id, int code);

    void ListGroups();
    void ShowGroup(AdGroup* group);
    void ListAds(Advertisement* selected);
    void ShowAd(Advertisement* ad);
    Advertisement* SelectedAd() const;
    void SetRunOption(uint32_t option);

    void NewGroup();
    void RenameGroup();
    void DeleteGroup();
    void NewAd();
    void RenameAd();
    void DeleteAd();
    void MoveAd(bool towardHead);
    bool Confirmed(const Text& name);
    void EditText();

    ModuleState& state_;
    PromptDialog& prompt_;
    AdTextEditor editor_;
    RandomFilesManager randomFiles_;
    ListViewTable groups_;
    ListViewTable ads_;
    AdGroup* current_ = nullptr;
    int filling_ = 0;
    std::function<void()> groupsChanged_;
};

}  // namespace qvs
