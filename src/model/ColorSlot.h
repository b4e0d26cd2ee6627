#pragma once

namespace tw {

// Which of the two working colours a control or an operation serves.
enum class ColorSlot { One, Two };

// Combo1's list index and the argument of History: 0/1 and 1/2 for Color #1/#2.
inline int ListIndexOf(ColorSlot slot)
{
    return slot == ColorSlot::One ? 0 : 1;
}
inline int HistoryNumberOf(ColorSlot slot)
{
    return slot == ColorSlot::One ? 1 : 2;
}
inline ColorSlot SlotOfListIndex(int index)
{
    return index == 1 ? ColorSlot::Two : ColorSlot::One;
}
inline ColorSlot SlotOfHistoryNumber(int number)
{
    return number == 1 ? ColorSlot::One : ColorSlot::Two;
}

} // namespace tw
