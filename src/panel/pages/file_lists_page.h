// The "FileLists" page of the main tabs: the lists the shown channel serves
// ("Current FileLists", with where it takes their requests) and the lists
// it could serve ("Available FileLists").
#pragma once
#include "panel/framework/channel_page.h"
#include "panel/framework/list_view_table.h"
#include "ports/panel_port.h"

namespace qvs {

class FileListsPage final : public ChannelPage {
public:
    explicit FileListsPage(ModuleState& state);
    // The lists may have changed in the list manager.
    void Refill();
    void ShowColumn(const FileList* list, ListColumn column, const char* text);

private:
    bool OnPageInit() override;
    void OnFill(ChannelConfig& config) override;
    void OnClear() override;
    bool OnPageCommand(int id, int code) override;
    bool OnNotify(const NMHDR& notice) override;

    void AddAvailable(const FileList& list);
    FileList* SelectedAvailable() const;
    ListSelection* SelectionOf(const FileList* list) const;
    void ShowAccess();
    void StoreAccess();
    void Bind();
    void Unbind();
    void UpdateSelected();
    void UpdateAll();

    ListViewTable rows_;
};

}  // namespace qvs
