// Qt keys as the classic key codes and shift states the key handlers take.
#include "platform/KeyCodes.h"

#include <gtest/gtest.h>

TEST(KeyCodes, QtKeysGiveTheClassicCodes)
{
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
    } rows[] = {
        {Qt::Key_B, Qt::ControlModifier, 66},
        {Qt::Key_Z, Qt::NoModifier, 90},
        {Qt::Key_5, Qt::NoModifier, 53},
        {Qt::Key_Exclam, Qt::ShiftModifier, 49},  // Shift+1
        {Qt::Key_Return, Qt::NoModifier, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Space, Qt::ControlModifier, 32},
        {Qt::Key_Left, Qt::NoModifier, 37},
        {Qt::Key_Up, Qt::NoModifier, 38},
        {Qt::Key_Right, Qt::NoModifier, 39},
        {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_Plus, Qt::KeypadModifier, 107},  // numeric-pad plus
        {Qt::Key_Minus, Qt::KeypadModifier, 109}, // numeric-pad minus
        {Qt::Key_Minus, Qt::NoModifier, 189},
        {Qt::Key_3, Qt::KeypadModifier, 99},
        {Qt::Key_F3, Qt::NoModifier, 114},
        {Qt::Key_Delete, Qt::NoModifier, 46},
        {Qt::Key_unknown, Qt::NoModifier, 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ClassicKeyCode(row.key, row.modifiers), row.code) << row.key;
}

TEST(KeyCodes, ShiftStateAddsShiftCtrlAndAlt)
{
    EXPECT_EQ(ShiftState(Qt::NoModifier), 0);
    EXPECT_EQ(ShiftState(Qt::ShiftModifier), 1);
    EXPECT_EQ(ShiftState(Qt::ControlModifier), 2);
    EXPECT_EQ(ShiftState(Qt::ControlModifier | Qt::ShiftModifier), 3);
    EXPECT_EQ(ShiftState(Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier), 6);
}
