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
            form.lens.SmoothViewHeld = factor == 2;
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

TEST_F(DrawAllocation, NoDrawAllocatesWithRulerCaliperMeasuringOrExposureCheck) {
    Start();
    form.PopupMenu1.SetChecked(MenuId::Test1, true);
    form.PopupMenu1.SetChecked(MenuId::ExpoCheck1, true);
    form.lens.MeasureActive = true;
    form.lens.MeasureShown = true;
    form.lens.MarkSet = true;
    form.lens.MarkLeft = -5000;  // a distance with thousands separators
    for (MenuId mode : {MenuId::Ruler1, MenuId::Caliper1}) {
        form.PopupMenu1.SetChecked(mode, true);
        for (int factor = 0; factor < 4; ++factor) {
            form.lens.Factor = factor;
            form.lens.RulerFactor = factor == 0 ? 2 : 10;  // the finest ruler places all twenty numbers
            form.DrawTheLoupe();
            EXPECT_EQ(AllocationsOf([&] {
                          for (int i = 0; i < 5; ++i)
                              form.DrawTheLoupe();
                      }),
                      0)
                << "mode " << static_cast<int>(mode) << " factor " << factor;
        }
    }
}

}  // namespace
}  // namespace pixo
