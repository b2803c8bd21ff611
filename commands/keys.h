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

struct Shortcut {
    std::uint16_t key = 0;  // 0: none
    Modifiers modifiers = kNoModifier;
    bool operator==(const Shortcut&) const = default;
};

}  // namespace pixo
