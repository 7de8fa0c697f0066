#include "panel/pages/sharing_page.h"

#include "model/sharing_limits.h"
#include "panel/pages/sharing_page_resource.h"

namespace qvs {
namespace {

const Binding<ChannelConfig> kSharingBindings[] = {
    {IDC_SHARING_MIN_SLOTS, ControlKind::Number, &ChannelConfig::MinSlot},
    {IDC_SHARING_MAX_SLOTS, ControlKind::Number, &ChannelConfig::MaxSlot},
    {IDC_SHARING_BATCH_SIZE, ControlKind::Number, &ChannelConfig::BatchSize},
    {IDC_SHARING_MAX_SEARCH, ControlKind::Number, &ChannelConfig::MaxFindResult},
    {IDC_SHARING_REGULAR_QUEUE, ControlKind::Check, &ChannelConfig::EnableRegularQueue},
    {IDC_SHARING_NICK_TRIGGER, ControlKind::Check, &ChannelConfig::AGFileTriggerMode},
    {IDC_SHARING_LIMIT_QUEUE, ControlKind::Check, &ChannelConfig::LimitQueueSize},
    {IDC_SHARING_QUEUE_SIZE, ControlKind::Number, &ChannelConfig::QueueSize},
    {IDC_SHARING_VIRTUAL_LIST, ControlKind::Check, &ChannelConfig::VirtualList},
    {IDC_SHARING_USE_MIN_CPS, ControlKind::Check, &ChannelConfig::UseMinCps},
    {IDC_SHARING_MIN_CPS, ControlKind::Number, &ChannelConfig::MinSendCps},
    // Shown only: the two speed-limit controls stay grayed.
    {IDC_SHARING_USE_SPEED_LIMIT, ControlKind::Check, &ChannelConfig::UseSpeedLimit},
    {IDC_SHARING_SPEED_LIMIT, ControlKind::Number, &ChannelConfig::SendSpeedLimit},
    {IDC_SHARING_SEARCH, ControlKind::Check, &ChannelConfig::FileSearchEnabled},
    {IDC_SHARING_NOTIFY_NO_RESULT, ControlKind::Check, &ChannelConfig::NotifyIfNoResult},
    {IDC_SHARING_NOTICE, ControlKind::Radio, &ChannelConfig::SearchDisplayMethod, nullptr, 2},
    {IDC_SHARING_USE_SEARCH_LENGTH, ControlKind::Check, &ChannelConfig::UseSearchLengthLimit},
    {IDC_SHARING_SEARCH_LENGTH, ControlKind::Number, &ChannelConfig::SearchLimit},
};

const WordListTexts kTriggerTexts = {"New search trigger", "Search trigger:", "Duplicate trigger name"};

}  // namespace

SharingPage::SharingPage(ModuleState& state) : ChannelPage(IDD_PAGE_SHARING, state, kSharingBindings), triggers_(kTriggerTexts) {}

bool SharingPage::OnPageInit() {
    triggers_.Attach(Item(IDC_SHARING_TRIGGERS));
    return false;
}

void SharingPage::OnFill(ChannelConfig& config) { triggers_.Show(&config.SearchTriggers); }

void SharingPage::OnClear() { triggers_.Show(nullptr); }

bool SharingPage::OnPageCommand(int id, int code) {
    switch (id) {
        case IDC_SHARING_ADD_TRIGGER: triggers_.AddWord(State(), Instance(), Window()); return true;
        case IDC_SHARING_REMOVE_TRIGGER: triggers_.RemoveSelected(); return true;
        default: break;
    }
    if (code != EN_KILLFOCUS) return false;
    OnFieldLeft(id);
    return true;
}

void SharingPage::OnFieldLeft(int id) {
    ChannelConfig* config = Shown();
    if (!config || Filling()) return;
    if ((id == IDC_SHARING_MIN_SLOTS || id == IDC_SHARING_MAX_SLOTS) && MendSlotLimits(*config)) {
        SetControlNumber(Window(), IDC_SHARING_MIN_SLOTS, config->MinSlot);
        SetControlNumber(Window(), IDC_SHARING_MAX_SLOTS, config->MaxSlot);
    }
    if (id == IDC_SHARING_BATCH_SIZE && MendBatchSize(*config)) SetControlNumber(Window(), id, config->BatchSize);
    if (id == IDC_SHARING_MAX_SEARCH && MendMaxFindResult(*config)) SetControlNumber(Window(), id, config->MaxFindResult);
}

}  // namespace qvs
