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
    for (MenuId option : {MenuId::Showblack1, MenuId::ShowMagn1, MenuId::Test1})
        form.PopupMenu1.SetChecked(option, true);
    const MenuId notations[] = {MenuId::None,      MenuId::HEXColor1, MenuId::HEXgrb1,  MenuId::ToCMYK1,
                                MenuId::RGBtoHSB1, MenuId::RGBtoXYZ1, MenuId::RGBtoLAB1};
    for (int factor = 0; factor < 4; ++factor) {
        for (MenuId notation : notations) {
            if (notation != MenuId::None)
                form.PopupMenu1.SetChecked(notation, true);
            form.lens.Factor = factor;
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

TEST_F(DrawAllocation, NoDrawAllocatesInAnyLensModeNotEvenTheFirst) {
    Start();
    struct LensMode {
        bool border;
        bool plainFrame;
        MenuId measuring;
    };
    const LensMode modes[] = {{true, false, MenuId::None},
                              {true, true, MenuId::None},
                              {false, false, MenuId::Ruler1},
                              {false, false, MenuId::Caliper1},
                              {false, false, MenuId::None}};
    PopupMenu& menu = form.PopupMenu1;
    for (MenuId option : {MenuId::ExpoCheck1, MenuId::Showblack1, MenuId::ShowMagn1, MenuId::Test1})
        menu.SetChecked(option, true);
    form.lens.MeasureActive = true;
    form.lens.MeasureShown = true;
    form.lens.MarkSet = true;
    form.lens.MarkLeft = -5000;  // a distance with thousands separators
    for (const LensMode& mode : modes) {
        menu.SetChecked(MenuId::LensBorder1, mode.border);
        menu.SetChecked(MenuId::NoBorderPict1, mode.plainFrame);
        menu.SetChecked(MenuId::Ruler1, mode.measuring == MenuId::Ruler1);
        menu.SetChecked(MenuId::Caliper1, mode.measuring == MenuId::Caliper1);
        for (int factor = 0; factor < 4; ++factor) {
            for (bool smooth : {false, true}) {
                for (bool corners : {false, true}) {
                    form.lens.Factor = factor;
                    form.lens.RulerFactor = factor == 0 ? 2 : 10;  // the finest ruler places all twenty numbers
                    form.lens.SmoothViewHeld = smooth;
                    form.lens.CornerSelecting = corners;
                    EXPECT_EQ(AllocationsOf([&] { form.DrawTheLoupe(); }), 0)
                        << "mode " << (&mode - modes) << " factor " << factor << " smooth " << smooth;
                }
            }
        }
    }
}

}  // namespace
}  // namespace pixo
