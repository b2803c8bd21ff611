#include <gtest/gtest.h>

#include <set>

#include "lens/form_filter.h"

namespace pixo {
namespace {

TEST(MenuTable, ItemsThatOnlyRedraw) {
    std::set<MenuId> redraw;
    for (const MenuItemDef& def : MenuTable()) {
        if (def.id != MenuId::None && TFormFilter::MenuHandlerOf(def.id) == &TFormFilter::ReInitAfterPopUp)
            redraw.insert(def.id);
    }
    const std::set<MenuId> expected{MenuId::Ruler1,      MenuId::Caliper1,      MenuId::LensBorder1, MenuId::Showblack1,
                                    MenuId::ShowMagn1,   MenuId::RedImage1,     MenuId::GreenImage1, MenuId::Blueimage1,
                                    MenuId::Ivoryimage1, MenuId::NoBorderPict1, MenuId::HEXColor1,   MenuId::WebSafe1,
                                    MenuId::HEXgrb1,     MenuId::ToCMYK1,       MenuId::RGBtoHSB1,   MenuId::RGBtoLAB1,
                                    MenuId::RGBtoXYZ1,   MenuId::Crosshair1};
    EXPECT_EQ(redraw, expected);
    EXPECT_EQ(TFormFilter::MenuHandlerOf(MenuId::ExpoCheck1), &TFormFilter::ExpoCheck1Click);
}

}  // namespace
}  // namespace pixo
