// The waiting list of a queue, with the indexes admission and the scheduler
// ask: the entries of each nick in queue order, and how many entries each
// nick has for each file. Every change goes through this list, so the
// indexes cannot drift from the entries; readers see the plain list.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>

#include "model/list.h"

namespace qvs {

struct QueueEntry;

class WaitingList : private List<QueueEntry> {
public:
    using List<QueueEntry>::Head;
    using List<QueueEntry>::Tail;
    using List<QueueEntry>::Count;
    using List<QueueEntry>::Empty;

    void PushBack(QueueEntry* entry);
    void PushFront(QueueEntry* entry);
    // A null position appends.
    void InsertBefore(QueueEntry* position, QueueEntry* entry);
    void Unlink(QueueEntry* entry);
    template <typename Release>
    void ReleaseAll(Release release) {
        while (QueueEntry* entry = Head) {
            Unlink(entry);
            release(entry);
        }
    }

    // The only way to change the nick of a waiting entry.
    void Rename(QueueEntry* entry, const char* nick);

    // The nick's first waiting entry; the next one is its NickNext.
    QueueEntry* FirstOfNick(const char* nick) const;
    uint32_t CountOfNick(const char* nick) const;
    bool HasRequest(const char* nick, const char* path) const;

    const List<QueueEntry>& Entries() const { return *this; }

private:
    struct NickChain {
        QueueEntry* First = nullptr;
        QueueEntry* Last = nullptr;
        uint32_t Count = 0;
    };

    void Index(QueueEntry* entry);
    void Unindex(QueueEntry* entry);
    void LinkIntoChain(NickChain& chain, QueueEntry* entry);

    std::unordered_map<std::string, NickChain> byNick_;     // folded nick
    std::unordered_map<std::string, uint32_t> byRequest_;  // folded nick, NUL, folded path
};

}  // namespace qvs
