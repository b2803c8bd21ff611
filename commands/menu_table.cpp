#include "commands/popup_menu.h"

namespace pixo {
namespace {

using H = MenuHandler;
using K = MenuKind;
using M = MenuId;

constexpr Shortcut kNone{};
constexpr Shortcut Ctrl(char c) {
    return {vk::Letter(c), kCtrl};
}
constexpr Shortcut Key(std::uint16_t key) {
    return {key, kNoModifier};
}

// Radio groups: lens mode, lens image, notation, magnification.
constexpr int kFrameMode = 1;
constexpr int kLensImage = 2;
constexpr int kNotation = 3;
constexpr int kMagnification = 4;

constexpr MenuItemDef Sep(MenuId parent) {
    return {M::None, parent, "-", kNone, K::Separator, false, 0, true, H::None};
}

// The complete menu in display order.
constexpr MenuItemDef kMenu[] = {
    {M::Settings2, M::None, "More", kNone, K::Submenu, false, 0, true, H::None},
    {M::Settings1, M::Settings2, "Color Charts", kNone, K::Submenu, false, 0, true, H::None},
    {M::OpenPMSChartwebbrowser1, M::Settings1, "Open Pantone PMS Chart (web browser)", kNone, K::Command, false, 0,
     true, H::OpenPMSChartwebbrowser1Click},
    {M::OpenRALColorChart, M::Settings1, "Open RAL Design Color chart (web browser)", kNone, K::Command, false, 0, true,
     H::OpenRALColorChartClick},
    {M::RALClassic1, M::Settings1, "Open RAL Classic Color chart (web browser)", kNone, K::Command, false, 0, true,
     H::RALClassic1Click},
    Sep(M::Settings2),
    {M::save1, M::Settings2, "Save Full Screen Capture", Key(vk::kInsert), K::Command, false, 0, true, H::save1Click},
    {M::OpenDumps1, M::Settings2, "Open Captured Images", Ctrl('D'), K::Command, false, 0, true, H::OpenDumps1Click},
    Sep(M::Settings2),
    {M::Ruler1, M::Settings2, "Pixel Ruler (Border Capliper off)", Ctrl('R'), K::Radio, false, kFrameMode, true,
     H::ReInitAfterPopUp},
    {M::Caliper1, M::Settings2, "Caliper (Border/Ruler off)", Ctrl('K'), K::Radio, false, kFrameMode, true,
     H::ReInitAfterPopUp},
    {M::LensBorder1, M::Settings2, "Lens Border (Ruler/Caliper off)", Ctrl('B'), K::Radio, true, kFrameMode, true,
     H::ReInitAfterPopUp},
    Sep(M::Settings2),
    {M::settings3, M::Settings2, "Settings...", kNone, K::Submenu, false, 0, true, H::None},
    {M::ShowPMS, M::settings3, "Show Pantone PMS if detected", kNone, K::Toggle, true, 0, true, H::ShowPMSClick},
    {M::Showblack1, M::settings3, "Show % black if detected (grayscale)", kNone, K::Toggle, false, 0, true,
     H::ReInitAfterPopUp},
    {M::ShowMagn1, M::settings3, "Show Magnification factor", kNone, K::Toggle, false, 0, true, H::ReInitAfterPopUp},
    {M::Test1, M::settings3, "Show XY positions", kNone, K::Toggle, false, 0, true, H::None},
    Sep(M::settings3),
    {M::MoveTopLeft1, M::settings3, "Top Left Pixel in View (measure/zoom)", kNone, K::Toggle, false, 0, true, H::None},
    {M::ZoomWheel1, M::settings3, "Use mouse wheel to zoom", kNone, K::Toggle, false, 0, true, H::None},
    Sep(M::settings3),
    {M::SoundonSave1, M::settings3, "Sound on Save", kNone, K::Toggle, true, 0, true, H::None},
    {M::SaveToClipB1, M::settings3, "Save Captures to Clipboard (not to file)", kNone, K::Toggle, false, 0, true,
     H::None},
    {M::RecapBefore1, M::settings3, "Recapture Before saving a full screen", kNone, K::Toggle, false, 0, true, H::None},
    Sep(M::settings3),
    {M::RedImage1, M::settings3, "Use Red lens image", kNone, K::Radio, false, kLensImage, true, H::ReInitAfterPopUp},
    {M::GreenImage1, M::settings3, "Use Green lens image", kNone, K::Radio, false, kLensImage, true,
     H::ReInitAfterPopUp},
    {M::Blueimage1, M::settings3, "Use Blue lens image", kNone, K::Radio, false, kLensImage, true, H::ReInitAfterPopUp},
    {M::Ivoryimage1, M::settings3, "Use Ivory lens image", kNone, K::Radio, false, kLensImage, true,
     H::ReInitAfterPopUp},
    Sep(M::settings3),
    {M::DoubleBuffer1, M::settings3, "Reduce flickering", kNone, K::Toggle, true, 0, true, H::None},
    {M::NoBorderPict1, M::settings3, "Use No Border Image (slow systems)", kNone, K::Toggle, false, 0, true,
     H::ReInitAfterPopUp},
    {M::AddDelay1, M::settings3, "Add Delay for Recapture (slow systems)", kNone, K::Toggle, false, 0, true, H::None},
    {M::TheHelpDialog, M::Settings2, "Help and Information", Key(vk::kF1), K::Command, false, 0, true,
     H::TheHelpDialogClick},
    {M::howto1, M::Settings2, "How to (Internet requirerd)", kNone, K::Command, false, 0, true, H::howto1Click},
    {M::version1, M::Settings2, "Version", kNone, K::Command, false, 0, true, H::version1Click},
    Sep(M::None),
    {M::Recapture_screen, M::None, "Recapture Screen", Key(vk::kF5), K::Command, false, 0, true,
     H::Recapture_screenClick},
    {M::AutoCapture1, M::None, "Auto Screen Capture", Ctrl('A'), K::Toggle, false, 0, true, H::None},
    Sep(M::None),
    {M::ShowColVal, M::None, "Color Picker (RGB Default)", Ctrl('P'), K::Toggle, true, 0, true, H::ShowColValClick},
    {M::ContvertRGBto1, M::None, "Contvert RGB to...", kNone, K::Submenu, false, 0, true, H::None},
    {M::HEXColor1, M::ContvertRGBto1, "HEX (html)", Ctrl('H'), K::Radio, false, kNotation, true, H::ReInitAfterPopUp},
    {M::WebSafe1, M::ContvertRGBto1, "HEX (websafe)", Ctrl('W'), K::RadioManual, false, kNotation, false,
     H::ReInitAfterPopUp},
    {M::HEXgrb1, M::ContvertRGBto1, "HEX (BGR - $prefix)", kNone, K::Radio, false, kNotation, true,
     H::ReInitAfterPopUp},
    {M::ToCMYK1, M::ContvertRGBto1, "CMYK", Ctrl('Y'), K::Radio, false, kNotation, true, H::ReInitAfterPopUp},
    {M::RGBtoHSB1, M::ContvertRGBto1, "HSB (HSV)", Ctrl('S'), K::Radio, false, kNotation, true, H::ReInitAfterPopUp},
    {M::RGBtoLAB1, M::ContvertRGBto1, "LAB", Ctrl('L'), K::Radio, false, kNotation, true, H::ReInitAfterPopUp},
    {M::RGBtoXYZ1, M::ContvertRGBto1, "XYZ", Ctrl('Z'), K::Radio, false, kNotation, true, H::ReInitAfterPopUp},
    Sep(M::ContvertRGBto1),
    {M::CopyValuetoClipboard1, M::ContvertRGBto1, "Copy Value to Clipboard", Ctrl('C'), K::Command, false, 0, true,
     H::CopyValuetoClipboard1Click},
    Sep(M::None),
    {M::magnify_1x, M::None, "1:1 no magnification", Key('1'), K::Radio, false, kMagnification, true,
     H::magnify_1xClick},
    {M::magnify_2x, M::None, "2X magnification", Key('2'), K::Radio, true, kMagnification, true, H::magnify_2xClick},
    {M::magnify_3x, M::None, "3X magnification", Key('3'), K::Radio, false, kMagnification, true, H::magnify_3xClick},
    {M::magnify_4x, M::None, "4X magnification", Key('4'), K::Radio, false, kMagnification, true, H::magnify_4xClick},
    Sep(M::None),
    {M::ExpoCheck1, M::None, "Exposure Check", Ctrl('E'), K::Toggle, false, 0, true, H::ExpoCheck1Click},
    {M::Crosshair1, M::None, "Cross Hair", Ctrl('O'), K::Toggle, true, 0, true, H::ReInitAfterPopUp},
    Sep(M::None),
    {M::Close1, M::None, "Close", Ctrl('X'), K::Command, false, 0, true, H::Close1Click},
};

}  // namespace

std::span<const MenuItemDef> MenuTable() {
    return kMenu;
}

}  // namespace pixo
