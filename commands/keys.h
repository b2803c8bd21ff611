#pragma once

#include <cstdint>

namespace pixo {

// The modifier state of a key or mouse event.
enum Modifier : std::uint8_t {
    kNoModifier = 0,
    kShift = 1,
    kCtrl = 2,
    kAlt = 4,
};
using Modifiers = std::uint8_t;

// Virtual-key codes used by the program.
namespace vk {
constexpr std::uint16_t kEscape = 27;
constexpr std::uint16_t kSpace = 32;
constexpr std::uint16_t kLeft = 37;
constexpr std::uint16_t kUp = 38;
constexpr std::uint16_t kRight = 39;
constexpr std::uint16_t kDown = 40;
constexpr std::uint16_t kInsert = 45;
constexpr std::uint16_t kNumpad2 = 98;
constexpr std::uint16_t kNumpad4 = 100;
constexpr std::uint16_t kNumpad6 = 102;
constexpr std::uint16_t kNumpad8 = 104;
constexpr std::uint16_t kAdd = 107;
constexpr std::uint16_t kSubtract = 109;
constexpr std::uint16_t kF1 = 112;
constexpr std::uint16_t kF5 = 116;
constexpr std::uint16_t kOemPlus = 187;
constexpr std::uint16_t kOemMinus = 189;
constexpr std::uint16_t kOem5 = 220;  // backslash
constexpr std::uint16_t Letter(char c) {
    return static_cast<std::uint16_t>(c);
}
}  // namespace vk

// The keys that move the lens, and with exactly Shift size the caliper: the arrows and keypad 8, 4, 6, 2.
struct ArrowKey {
    std::uint16_t key;
    int dx;  // -1 left, +1 right
    int dy;  // -1 up, +1 down
};
inline constexpr ArrowKey kArrowKeys[] = {
    {vk::kLeft, -1, 0}, {vk::kNumpad4, -1, 0}, {vk::kRight, 1, 0}, {vk::kNumpad6, 1, 0},
    {vk::kUp, 0, -1},   {vk::kNumpad8, 0, -1}, {vk::kDown, 0, 1},  {vk::kNumpad2, 0, 1},
};
constexpr const ArrowKey* FindArrowKey(std::uint16_t key) {
    for (const ArrowKey& arrow : kArrowKeys) {
        if (arrow.key == key)
            return &arrow;
    }
    return nullptr;
}

struct Shortcut {
    std::uint16_t key = 0;  // 0: none
    Modifiers modifiers = kNoModifier;
    bool operator==(const Shortcut&) const = default;
};

}  // namespace pixo
