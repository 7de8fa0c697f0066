#include "model/waiting_list.h"

#include "model/records.h"

namespace qvs {
namespace {

std::string RequestKey(const char* nick, const char* path) {
    std::string key = FoldedName(nick);
    key += '\0';
    key += FoldedName(path);
    return key;
}

// The nearest earlier entry of the same nick: the chain's last one when the
// entry went to the tail, otherwise found by looking back along the queue.
QueueEntry* ChainPredecessor(QueueEntry* entry, QueueEntry* chainLast, uint32_t chainCount) {
    if (chainCount == 0 || !entry->Prev) return nullptr;
    if (!entry->Next) return chainLast;
    for (QueueEntry* earlier = entry->Prev; earlier; earlier = earlier->Prev)
        if (earlier->Nick.Equals(entry->Nick.c_str())) return earlier;
    return nullptr;
}

}  // namespace

void WaitingList::LinkIntoChain(NickChain& chain, QueueEntry* entry) {
    QueueEntry* before = ChainPredecessor(entry, chain.Last, chain.Count);
    QueueEntry* after = before ? before->NickNext : chain.First;
    entry->NickPrev = before;
    entry->NickNext = after;
    if (before) before->NickNext = entry; else chain.First = entry;
    if (after) after->NickPrev = entry; else chain.Last = entry;
    ++chain.Count;
}

void WaitingList::Index(QueueEntry* entry) {
    LinkIntoChain(byNick_[FoldedName(entry->Nick.c_str())], entry);
    ++byRequest_[RequestKey(entry->Nick.c_str(), entry->FilePath.c_str())];
}

void WaitingList::Unindex(QueueEntry* entry) {
    auto chain = byNick_.find(FoldedName(entry->Nick.c_str()));
    if (chain != byNick_.end()) {
        NickChain& links = chain->second;
        if (entry->NickPrev) entry->NickPrev->NickNext = entry->NickNext; else links.First = entry->NickNext;
        if (entry->NickNext) entry->NickNext->NickPrev = entry->NickPrev; else links.Last = entry->NickPrev;
        if (--links.Count == 0) byNick_.erase(chain);
    }
    entry->NickNext = entry->NickPrev = nullptr;
    auto request = byRequest_.find(RequestKey(entry->Nick.c_str(), entry->FilePath.c_str()));
    if (request != byRequest_.end() && --request->second == 0) byRequest_.erase(request);
}

void WaitingList::PushBack(QueueEntry* entry) {
    List<QueueEntry>::PushBack(entry);
    Index(entry);
}

void WaitingList::PushFront(QueueEntry* entry) {
    List<QueueEntry>::PushFront(entry);
    Index(entry);
}

void WaitingList::InsertBefore(QueueEntry* position, QueueEntry* entry) {
    List<QueueEntry>::InsertBefore(position, entry);
    Index(entry);
}

void WaitingList::Unlink(QueueEntry* entry) {
    Unindex(entry);
    List<QueueEntry>::Unlink(entry);
}

void WaitingList::Rename(QueueEntry* entry, const char* nick) {
    Unindex(entry);
    entry->Nick.Set(nick);
    Index(entry);
}

QueueEntry* WaitingList::FirstOfNick(const char* nick) const {
    auto chain = byNick_.find(FoldedName(nick));
    return chain == byNick_.end() ? nullptr : chain->second.First;
}

uint32_t WaitingList::CountOfNick(const char* nick) const {
    auto chain = byNick_.find(FoldedName(nick));
    return chain == byNick_.end() ? 0 : chain->second.Count;
}

bool WaitingList::HasRequest(const char* nick, const char* path) const {
    return byRequest_.count(RequestKey(nick, path)) != 0;
}

}  // namespace qvs
