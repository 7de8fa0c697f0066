// The popup menus of a queue view and the commands chosen from them.
#include "panel/framework/context_menu.h"
#include "panel/pages/queue_view.h"
#include "sending/queue_commands.h"
#include "sending/queue_order.h"
#include "sending/queue_transfer.h"
#include "sending/send_cancel.h"

namespace qvs {
namespace {

struct QueueChoice {
    UINT Command;
    QueueKind Kind;
};
const QueueChoice kQueueChoices[] = {
    {kCommandToListQueue, QueueKind::List},
    {kCommandToSmallFileQueue, QueueKind::SmallFile},
    {kCommandToOpVoiceQueue, QueueKind::OpVoice},
    {kCommandToRegularQueue, QueueKind::Regular},
};

struct Move {
    UINT Command;
    QueueMove Kind;
};
const Move kMoves[] = {
    {kCommandMoveTop, QueueMove::Top},
    {kCommandMoveBottom, QueueMove::Bottom},
    {kCommandMoveUp, QueueMove::Up},
    {kCommandMoveDown, QueueMove::Down},
};

}  // namespace

// No menu while the view shows no queue: its commands would do nothing.
void QueueView::OpenMenu(LPARAM where) {
    if (!showing_ || !FindShownQueue(state_, shown_)) return;
    HMENU menu = tab_ == QueueTab::Sending ? ui_.Menus.Send : ui_.Menus.Queue;
    if (!menu) return;
    if (tab_ == QueueTab::Waiting) {
        const MenuItemState states[] = {
            {kCommandInsert, static_cast<bool>(insert_)},
            {kCommandToListQueue, kind_ != QueueKind::List},
            {kCommandToSmallFileQueue, kind_ != QueueKind::SmallFile},
            {kCommandToOpVoiceQueue, kind_ != QueueKind::OpVoice},
            {kCommandToRegularQueue, kind_ != QueueKind::Regular},
        };
        SetMenuItemStates(menu, states);
    }
    Run(ChooseFromMenu(menu, page_, ContextMenuPoint(table_.View(), where)));
}

void QueueView::Run(UINT command) {
    if (!command) return;
    if (tab_ == QueueTab::Sending)
        RunSendCommand(command);
    else
        RunQueueCommand(command);
}

void QueueView::RunSendCommand(UINT command) {
    if (command == kCommandCancelSend) CancelSend(state_, shown_, Selection());
    if (command == kCommandCancelAllSends) CancelAllSends(state_, shown_);
}

void QueueView::RunQueueCommand(UINT command) {
    for (const Move& move : kMoves)
        if (command == move.Command) return static_cast<void>(MoveInQueue(state_, shown_, Selection(), move.Kind));
    for (const QueueChoice& choice : kQueueChoices)
        if (command == choice.Command) return MoveToQueue(choice.Kind);
    const List<QueueEntry>* rows = Rows();
    switch (command) {
        case kCommandSendNow: SendNow(state_, shown_, Selection()); return;
        case kCommandInsert: if (insert_) insert_(); return;
        case kCommandRemove: RemoveSelected(state_, shown_, Selection()); return;
        case kCommandClear: ClearQueue(state_, shown_); return;
        case kCommandSelectAll: for (int row = 0; row < table_.RowCount(); ++row) table_.Select(row, true); return;
        case kCommandSelectNone: SelectOnly({}); return;
        case kCommandSelectAllByNick: if (rows) SelectOnly(SelectAllByNick(*rows, Selection())); return;
        default: return;
    }
}

void QueueView::MoveToQueue(QueueKind to) {
    if (Selection().empty()) return;
    ServedChannel* target = to == QueueKind::Regular ? ChooseRegularTarget() : nullptr;
    if (to == QueueKind::Regular && !target) return;
    qvs::MoveToQueue(state_, shown_, Selection(), to, target);
}

// The served channel of the panel's channel, the operator's pick where there
// are several; null when there is none or he cancelled.
ServedChannel* QueueView::ChooseRegularTarget() {
    std::vector<ServedChannel*> targets = RegularTargets(ui_.CurrentChannel);
    if (targets.size() < 2) return targets.empty() ? nullptr : targets.front();
    std::vector<std::string> labels;
    for (ServedChannel* channel : targets) labels.push_back(ServedChannelLabel(channel));
    int chosen = chooser_.Choose(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(page_, GWLP_HINSTANCE)), page_, labels);
    return chosen < 0 ? nullptr : targets[static_cast<std::size_t>(chosen)];
}

void QueueView::Drop(LPARAM where) {
    QueueEntry* dragged = table_.At<QueueEntry>(drag_.DraggedRow());
    int target = drag_.Drop(POINT{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))});
    if (target >= 0 && showing_) MoveBefore(state_, shown_, dragged, table_.At<QueueEntry>(target));
}

}  // namespace qvs
