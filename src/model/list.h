// Intrusive doubly linked list over records that carry Next and Prev.
// Head, tail and count change only here, so the count always equals the
// entries.
#pragma once
#include <cstdint>

namespace qvs {

template <typename T>
struct List {
    T* Head = nullptr;
    T* Tail = nullptr;
    uint32_t Count = 0;

    bool Empty() const { return Head == nullptr; }

    void PushFront(T* item) {
        item->Prev = nullptr;
        item->Next = Head;
        if (Head) Head->Prev = item; else Tail = item;
        Head = item;
        ++Count;
    }

    void PushBack(T* item) {
        item->Next = nullptr;
        item->Prev = Tail;
        if (Tail) Tail->Next = item; else Head = item;
        Tail = item;
        ++Count;
    }

    // Inserts item before position; a null position appends.
    void InsertBefore(T* position, T* item) {
        if (!position) return PushBack(item);
        item->Next = position;
        item->Prev = position->Prev;
        if (position->Prev) position->Prev->Next = item; else Head = item;
        position->Prev = item;
        ++Count;
    }

    void InsertAfter(T* position, T* item) {
        if (!position) return PushFront(item);
        InsertBefore(position->Next, item);
    }

    void Unlink(T* item) {
        if (item->Prev) item->Prev->Next = item->Next; else Head = item->Next;
        if (item->Next) item->Next->Prev = item->Prev; else Tail = item->Prev;
        item->Next = item->Prev = nullptr;
        --Count;
    }

    // Moves item one place towards the head or the tail; false when it is
    // there already.
    bool MoveTowardHead(T* item) {
        T* before = item->Prev;
        if (!before) return false;
        Unlink(item);
        InsertBefore(before, item);
        return true;
    }

    // Moving the next item up is the same swap.
    bool MoveTowardTail(T* item) { return item->Next && MoveTowardHead(item->Next); }

    // Takes every item off the list and hands it to release.
    template <typename Release>
    void ReleaseAll(Release release) {
        while (T* item = Head) {
            Unlink(item);
            release(item);
        }
    }
};

}  // namespace qvs
