// The "Misc." page of the Options tabs: held and saved queues, verbosity,
// the stock trigger answers and the networks the channel is served on.
#pragma once
#include "panel/framework/channel_page.h"
#include "panel/pages/word_list.h"

namespace qvs {

class MiscPage final : public ChannelPage {
public:
    explicit MiscPage(ModuleState& state);

private:
    bool OnPageInit() override;
    void OnFill(ChannelConfig& config) override;
    void OnClear() override;
    bool OnPageCommand(int id, int code) override;

    WordList networks_;
};

}  // namespace qvs
