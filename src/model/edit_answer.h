// What an operator's edit of a named record came to, for the window that
// asked: the record made or changed, or the refusal to show in an error
// box. Both null: nothing happened (an empty name, or no memory).
#pragma once

namespace qvs {

template <typename Record>
struct EditAnswer {
    Record* Done = nullptr;
    const char* Refusal = nullptr;
};

}  // namespace qvs
