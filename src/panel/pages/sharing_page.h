// The "Sharing" page of the Options tabs: slots, batches, search and the
// channel's search triggers.
#pragma once
#include "panel/framework/channel_page.h"
#include "panel/pages/word_list.h"

namespace qvs {

class SharingPage final : public ChannelPage {
public:
    explicit SharingPage(ModuleState& state);

private:
    bool OnPageInit() override;
    void OnFill(ChannelConfig& config) override;
    void OnClear() override;
    bool OnPageCommand(int id, int code) override;
    // A field that must stay positive was left: mended values are shown.
    void OnFieldLeft(int id);

    WordList triggers_;
};

}  // namespace qvs
