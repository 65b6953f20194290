#pragma once
// A key as the key handlers see it: the classic virtual-key code (letters 65 to 90 whatever the
// case, top-row digits 48 to 57, Enter 13, Space 32, the arrows 37 to 40, numeric-pad digits 96
// to 105, plus 107, minus 109) and the shift state (1 Shift, 2 Ctrl, 4 Alt, added).
#include <Qt>

// The keys that move between fields.
namespace NavigationKey {
constexpr int Enter = 13;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
}  // namespace NavigationKey

constexpr int kShiftKeyState = 1;

// The shift state of the modifiers.
int ShiftState(Qt::KeyboardModifiers modifiers);

// The classic key code of a Qt key; 0 for a key that has none. A shifted symbol gives the code
// of the key it is on (Shift+1 "!" is 49), as on a US keyboard.
int ClassicKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
