// The loupe is redrawn on every mouse move while the lens is dragged: a draw must not allocate.
#include <atomic>
#include <cstdlib>
#include <new>

#include "lens_fixture.h"

// This file replaces the global operator new and delete with malloc and free. Once optimised (the sanitizer
// builds use -O1) GCC inlines the replacements and takes their pairing for a mismatch.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

namespace {
std::atomic<bool> countingAllocations{false};
std::atomic<int> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    if (countingAllocations)
        ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace pixo {
namespace {

class DrawAllocation : public LensFixture {
  protected:
    int AllocationsOf(const std::function<void()>& work) {
        allocations = 0;
        countingAllocations = true;
        work();
        countingAllocations = false;
        return allocations;
    }
};

TEST_F(DrawAllocation, NoDrawAllocatesInAnyModeOrNotation) {
    Start();
    for (MenuId option : {MenuId::Showblack1, MenuId::ShowMagn1, MenuId::Test1, MenuId::NearestRalDesign})
        SetOption(option, true);
    const MenuId notations[] = {MenuId::None,      MenuId::HEXColor1, MenuId::HEXgrb1,  MenuId::ToCMYK1,
                                MenuId::RGBtoHSB1, MenuId::RGBtoXYZ1, MenuId::RGBtoLAB1};
    for (int factor = 0; factor < 4; ++factor) {
        Press(static_cast<std::uint16_t>('1' + factor));
        for (MenuId notation : notations) {
            if (notation != MenuId::None)
                SetOption(notation, true);
            form.DrawTheLoupe();  // the first draw in a mode may size what it reuses
            EXPECT_EQ(AllocationsOf([&] {
                          for (int i = 0; i < 5; ++i)
                              form.DrawTheLoupe();
                      }),
                      0)
                << "factor " << factor << " notation " << static_cast<int>(notation);
        }
    }
}

// Every overlay at once, in every lens mode and magnification, smoothed or not, with corner guides or not,
// and not even the first draw allocates.
TEST_F(DrawAllocation, NoDrawAllocatesInAnyLensModeNotEvenTheFirst) {
    Start();
    for (MenuId option : {MenuId::Showblack1, MenuId::ShowMagn1})
        SetOption(option, true);
    // A measurement whose distance needs thousands separators: marked here, read far away.
    Press('M');
    Press('M');
    MoveTo(Left() - 5000, Top());
    SetOption(MenuId::ExpoCheck1, true);
    const struct {
        MenuId mode;  // None: glass only
        bool plainFrame;
    } kModes[] = {{MenuId::LensBorder1, false},
                  {MenuId::LensBorder1, true},
                  {MenuId::Ruler1, false},
                  {MenuId::Caliper1, false},
                  {MenuId::None, false}};
    for (const auto& mode : kModes) {
        for (MenuId item : {MenuId::LensBorder1, MenuId::Ruler1, MenuId::Caliper1})
            SetOption(item, item == mode.mode);
        SetOption(MenuId::NoBorderPict1, mode.plainFrame);
        for (int factor = 0; factor < 4; ++factor) {
            Press(static_cast<std::uint16_t>('1' + factor));
            // The finest ruler at 1:1 places all twenty numbers.
            while (mode.mode == MenuId::Ruler1 && factor == 0 && form.Measurement().RulerFactor() > 2)
                Press(vk::kSubtract, kShift);
            for (bool smooth : {false, true}) {
                for (bool corners : {false, true}) {
                    if (smooth)
                        form.KeyDown('A', kNoModifier);
                    if (corners)
                        Press('C');
                    EXPECT_EQ(AllocationsOf([&] { form.DrawTheLoupe(); }), 0)
                        << "mode " << (&mode - kModes) << " factor " << factor << " smooth " << smooth;
                    // Three more presses take both corners at one place, which selects nothing, and close.
                    for (int i = 0; corners && i < 3; ++i)
                        Press('C');
                    if (smooth)
                        form.KeyUp('A', kNoModifier);
                }
            }
        }
    }
}

}  // namespace
}  // namespace pixo
