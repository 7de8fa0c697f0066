// Reading and setting the plain controls of a dialog by id: check boxes,
// number and text fields, drop-downs, radio groups.
#pragma once
#include "win32/windows_api.h"

#include <cstdint>
#include <string>

namespace qvs {

std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
void SetControlNumber(HWND dialog, int id, uint32_t value);
// A field's text read as a number: letters 0, too large the largest.
uint32_t ControlNumber(HWND dialog, int id);
bool IsTicked(HWND dialog, int id);
void SetTicked(HWND dialog, int id, bool ticked);
// The selected item, or -1.
int DropDownChoice(HWND dialog, int id);
// -1 (or any index past the items) leaves it without a selection.
void SetDropDownChoice(HWND dialog, int id, int index);
void FillDropDown(HWND dialog, int id, const char* const* items, int count);
// The buttons of a radio group have the ids first .. first + count - 1.
int RadioChoice(HWND dialog, int first, int count);
// -1 clears every button of the group.
void SetRadioChoice(HWND dialog, int first, int count, int index);

}  // namespace qvs
