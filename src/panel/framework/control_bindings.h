// The one table through which a page stores its plain controls: each row
// names a control, its kind and the field of the record it edits. Every
// change the operator makes is stored at once (no apply step); numbers are
// read one way (letters store 0, past 32 bits the largest value is stored);
// sizes with a unit drop-down store number × unit. While the page is being
// filled or shows no record, changes store nothing.
#pragma once
#include "win32/windows_api.h"

#include <cstdint>

#include "hostlink/field_numbers.h"
#include "model/text.h"
#include "panel/framework/control_io.h"
#include "panel/framework/fill_guard.h"

namespace qvs {

enum class ControlKind {
    Check,     // 1 ticked, 0 not
    Number,    // unsigned decimal, optionally with a unit drop-down
    DropDown,  // the index of the selection
    Radio,     // the index of the chosen button; a value past the last shows the last
    Text,      // the field's text
};

template <class Record>
struct Binding {
    int Control;
    ControlKind Kind;
    uint32_t Record::*Number = nullptr;  // every kind but Text
    Text Record::*Words = nullptr;       // Text
    // Number: the id of its unit drop-down (0: none). Radio: how many
    // buttons, with the ids Control, Control + 1, ...
    int Extra = 0;
    int UnitCount = 0;  // with a unit drop-down: the first UnitCount of "byte", "KB", "MB", "GB"
    int ZeroUnit = 0;   // the unit that a size of 0 is shown in
};

template <class Record>
class ControlBindings {
public:
    ControlBindings() = default;  // binds nothing
    template <int N>
    explicit ControlBindings(const Binding<Record> (&table)[N]) : table_(table), count_(N) {}

    // Once, when the dialog is made: the unit drop-downs get their items.
    void Prepare(HWND dialog) const {
        for (int i = 0; i < count_; ++i)
            if (HasUnits(table_[i])) FillDropDown(dialog, table_[i].Extra, kSizeUnitNames, table_[i].UnitCount);
    }
    // Shows the record; null clears every bound control.
    void Show(HWND dialog, const Record* record) {
        FillGuard guard(filling_);
        for (int i = 0; i < count_; ++i) ShowRow(dialog, table_[i], record);
    }
    // A control's notification: true when the control is bound here.
    bool Store(HWND dialog, Record* record, int id, int code) {
        const Binding<Record>* row = Find(id, code);
        if (!row) return false;
        if (record && !filling_) StoreRow(dialog, *row, *record);
        return true;
    }
    bool Filling() const { return filling_ > 0; }

private:
    static bool HasUnits(const Binding<Record>& row) { return row.Kind == ControlKind::Number && row.Extra; }
    static int ButtonCount(const Binding<Record>& row) { return row.Kind == ControlKind::Radio ? row.Extra : 1; }
    static bool Raises(const Binding<Record>& row, int code);
    const Binding<Record>* Find(int id, int code) const;
    static void ShowRow(HWND dialog, const Binding<Record>& row, const Record* record);
    static void ShowSize(HWND dialog, const Binding<Record>& row, uint32_t size);
    static void StoreRow(HWND dialog, const Binding<Record>& row, Record& record);
    // A choice that is none (-1) keeps the stored value.
    static void StoreChoice(uint32_t& field, int index) {
        if (index >= 0) field = static_cast<uint32_t>(index);
    }

    const Binding<Record>* table_ = nullptr;
    int count_ = 0;
    int filling_ = 0;
};

template <class Record>
bool ControlBindings<Record>::Raises(const Binding<Record>& row, int code) {
    switch (row.Kind) {
        case ControlKind::Check:
        case ControlKind::Radio: return code == BN_CLICKED;
        case ControlKind::Number:
        case ControlKind::Text: return code == EN_CHANGE;
        case ControlKind::DropDown: return code == CBN_SELCHANGE;
    }
    return false;
}

template <class Record>
const Binding<Record>* ControlBindings<Record>::Find(int id, int code) const {
    for (int i = 0; i < count_; ++i) {
        const Binding<Record>& row = table_[i];
        bool own = id >= row.Control && id < row.Control + ButtonCount(row);
        if (own && Raises(row, code)) return &row;
        if (HasUnits(row) && id == row.Extra && code == CBN_SELCHANGE) return &row;
    }
    return nullptr;
}

template <class Record>
void ControlBindings<Record>::ShowSize(HWND dialog, const Binding<Record>& row, uint32_t size) {
    int unit = ChooseSizeUnit(size, row.UnitCount, row.ZeroUnit);
    SetControlNumber(dialog, row.Control, SizeInUnit(size, unit));
    SetDropDownChoice(dialog, row.Extra, unit);
}

template <class Record>
void ControlBindings<Record>::ShowRow(HWND dialog, const Binding<Record>& row, const Record* record) {
    uint32_t value = record && row.Number ? record->*row.Number : 0;
    switch (row.Kind) {
        case ControlKind::Check: SetTicked(dialog, row.Control, record && value == 1); return;
        case ControlKind::DropDown: SetDropDownChoice(dialog, row.Control, record ? static_cast<int>(value) : -1); return;
        case ControlKind::Text: SetControlText(dialog, row.Control, record ? (record->*row.Words).c_str() : ""); return;
        case ControlKind::Radio: {
            int last = row.Extra - 1;
            int index = !record ? -1 : value > static_cast<uint32_t>(last) ? last : static_cast<int>(value);
            SetRadioChoice(dialog, row.Control, row.Extra, index);
            return;
        }
        case ControlKind::Number: break;
    }
    if (!record) return SetControlText(dialog, row.Control, "");
    if (HasUnits(row)) return ShowSize(dialog, row, value);
    SetControlNumber(dialog, row.Control, value);
}

template <class Record>
void ControlBindings<Record>::StoreRow(HWND dialog, const Binding<Record>& row, Record& record) {
    switch (row.Kind) {
        case ControlKind::Check: record.*row.Number = IsTicked(dialog, row.Control) ? 1 : 0; return;
        case ControlKind::DropDown: return StoreChoice(record.*row.Number, DropDownChoice(dialog, row.Control));
        case ControlKind::Radio: return StoreChoice(record.*row.Number, RadioChoice(dialog, row.Control, row.Extra));
        case ControlKind::Text: (record.*row.Words).Set(ControlText(dialog, row.Control).c_str()); return;
        case ControlKind::Number: break;
    }
    uint32_t number = ControlNumber(dialog, row.Control);
    record.*row.Number = HasUnits(row) ? SizeInBytes(number, DropDownChoice(dialog, row.Extra)) : number;
}

}  // namespace qvs
