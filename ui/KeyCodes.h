#pragma once

#include <Qt>

namespace quorvel::ui {

// The game's keys are bound by Windows virtual-key code, which tells the
// numeric keypad's digits (0x60..0x69) from the digit row (0x30..0x39) and
// gives the arrow keys one code wherever they are.
enum VirtualKey : int {
    VK_NONE = 0,
    VK_SPACE = 0x20,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_NUMPAD0 = 0x60,
    VK_NUMPAD4 = 0x64,
    VK_NUMPAD5 = 0x65,
    VK_NUMPAD6 = 0x66,
};

int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace quorvel::ui
