#pragma once
// Mouse buttons, shift states and key codes: input as the window layer reports it.

#include <cstdint>

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The modifier keys and mouse buttons held during an event, as a set of bits. For a button
// press the pressed button is already included; for a release it is already left out.
using TShiftState = std::uint8_t;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;
constexpr TShiftState ssLeft = 8;
constexpr TShiftState ssRight = 16;
constexpr TShiftState ssMiddle = 32;

// The shift bit that stands for a mouse button.
constexpr TShiftState ShiftOf(TMouseButton button) {
  return button == mbLeft ? ssLeft : button == mbRight ? ssRight : ssMiddle;
}

// Key codes. A letter is its upper-case character ('A'..'Z') and a digit its character
// ('0'..'9') whatever the shift state; the other keys have the codes below. Keys with no
// code here are not reported.
using TKey = int;
constexpr TKey vkBack = 8;
constexpr TKey vkTab = 9;
constexpr TKey vkReturn = 13;
constexpr TKey vkEscape = 27;
constexpr TKey vkSpace = 32;
constexpr TKey vkPrior = 33;  // Page Up
constexpr TKey vkNext = 34;   // Page Down
constexpr TKey vkEnd = 35;
constexpr TKey vkHome = 36;
constexpr TKey vkLeft = 37;
constexpr TKey vkUp = 38;
constexpr TKey vkRight = 39;
constexpr TKey vkDown = 40;
constexpr TKey vkInsert = 45;
constexpr TKey vkDelete = 46;
constexpr TKey vkF1 = 112;  // vkF1 + n - 1 is function key n, up to 12
constexpr TKey vkF12 = 123;
