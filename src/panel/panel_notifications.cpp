#include "panel/panel_notifications.h"

#include <string>

#include "model/module_state.h"
#include "panel/framework/ui_calls.h"

namespace qvs {
namespace {

int NotShownAnswer(uint32_t icon) { return icon == kIconQuestion ? kAnswerNo : kAnswerOk; }

}  // namespace

int PanelNotifications::ShowBox(const std::string& text, uint32_t icon) {
    UINT buttons = icon == kIconQuestion ? MB_YESNO : MB_OK;
    return boxes_.Show(panel_.load(), kAppName, text.c_str(), icon | buttons, NotShownAnswer(icon));
}

int PanelNotifications::ShowMessage(const char* text, uint32_t icon) {
    HWND panel = panel_.load();
    std::string copy = text ? text : "";
    if (!panel || IsWindowThread(panel)) return ShowBox(copy, icon);
    RunOnWindowThread(panel, [this, copy, icon] { ShowBox(copy, icon); });
    return NotShownAnswer(icon);
}

template <class Call>
void PanelNotifications::ToViews(Call view) {
    HWND panel = panel_.load();
    if (!panel) return;
    RunOnWindowThread(panel, [this, view] {
        if (ui_.Views) view(*ui_.Views);
    });
}

void PanelNotifications::AddInstanceTab(ServedChannel* channel) {
    ToViews([channel](PanelPort& views) { views.AddInstanceTab(channel); });
}

void PanelNotifications::RemoveInstanceTab(ServedChannel* channel) {
    ToViews([channel](PanelPort& views) { views.RemoveInstanceTab(channel); });
}

void PanelNotifications::RefreshQueueCounters(QueueKind kind, ChannelConfig* config, ServedChannel* channel) {
    ToViews([=](PanelPort& views) { views.RefreshQueueCounters(kind, config, channel); });
}

void PanelNotifications::QueueRowAdded(QueueKind kind, QueueEntry* entry) {
    ToViews([=](PanelPort& views) { views.QueueRowAdded(kind, entry); });
}

void PanelNotifications::QueueRowChanged(QueueKind kind, QueueEntry* entry) {
    ToViews([=](PanelPort& views) { views.QueueRowChanged(kind, entry); });
}

void PanelNotifications::QueueRowRemoved(QueueKind kind, QueueEntry* entry) {
    ToViews([=](PanelPort& views) { views.QueueRowRemoved(kind, entry); });
}

void PanelNotifications::RefillQueueRows(QueueKind kind, ChannelConfig* config, ServedChannel* channel) {
    ToViews([=](PanelPort& views) { views.RefillQueueRows(kind, config, channel); });
}

void PanelNotifications::RefreshWaitColumns() {
    ToViews([](PanelPort& views) { views.RefreshWaitColumns(); });
}

void PanelNotifications::ShowAllocatedMemory(const char* text) {
    std::string copy = text ? text : "";
    ToViews([copy](PanelPort& views) { views.ShowAllocatedMemory(copy.c_str()); });
}

void PanelNotifications::RefreshChannelStatistics(ChannelConfig* config) {
    ToViews([config](PanelPort& views) { views.RefreshChannelStatistics(config); });
}

void PanelNotifications::ShowGlobalSendSpeed(uint32_t cps) {
    ToViews([cps](PanelPort& views) { views.ShowGlobalSendSpeed(cps); });
}

void PanelNotifications::ShowPendingCommands(uint32_t count) {
    ToViews([count](PanelPort& views) { views.ShowPendingCommands(count); });
}

void PanelNotifications::ShowListColumn(const FileList* list, ListColumn column, const char* text) {
    std::string copy = text ? text : "";
    ToViews([list, column, copy](PanelPort& views) { views.ShowListColumn(list, column, copy.c_str()); });
}

void PanelNotifications::RefreshListViews() {
    ToViews([](PanelPort& views) { views.RefreshListViews(); });
}

}  // namespace qvs
