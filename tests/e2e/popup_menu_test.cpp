// The right-click menu shows every item with its caption, shortcut, check mark and radio bullet.
//
// Where the system lets one program read another's menus, the lens's menu is read item by item. Everywhere
// (also under Wine, which keeps a menu readable only by its own process) the menu is compared on the
// screen with a menu built here from the expected items and opened at the same place by the same keys:
// the two must be the same pixel for pixel, level by level.
#include <cstdio>

#include "e2e/driver/input.h"
#include "e2e/driver/lens_session.h"
#include "e2e/driver/menu_keys.h"
#include "e2e/driver/reference_menu.h"

namespace pixo::e2e {
namespace {

struct MenuView {
    const char* name;
    MenuId open;  // the submenu opened, with its first item selected; None: the top level as it opens
};

constexpr MenuView kViews[] = {
    {"top", MenuId::None},           {"More", MenuId::Settings2},          {"Color-Charts", MenuId::Settings1},
    {"Settings", MenuId::settings3}, {"Contvert", MenuId::ContvertRGBto1},
};

// The open menu windows of a process and a picture of the screen around them.
struct MenusOnScreen {
    std::vector<RECT> windows;
    ScreenPicture picture;
};

class PopupMenuScenario : public LensSession {
  protected:
    static std::vector<WORD> KeysFor(const MenuView& view) {
        return view.open == MenuId::None ? std::vector<WORD>{} : MenuKeysTo(view.open, false);
    }
    static std::size_t LevelsFor(const MenuView& view) {
        return view.open == MenuId::None ? 1 : static_cast<std::size_t>(MenuDepth(view.open)) + 2;
    }

    // The menus of a process once `levels` of them show and they have stopped changing.
    static MenusOnScreen SettledMenus(DWORD processId, std::size_t levels) {
        MenusOnScreen last;
        MenusOnScreen now;
        WaitUntil(
            [&] {
                const std::vector<HWND> windows = ProcessWindows(processId, kMenuClass);
                if (windows.size() != levels)
                    return false;
                last = std::move(now);
                now = {};
                RECT all{};
                for (HWND window : windows) {
                    RECT rect{};
                    GetWindowRect(window, &rect);
                    UnionRect(&all, &all, &rect);
                    now.windows.push_back(rect);
                }
                now.picture = GrabScreen(all);
                return !now.picture.Empty() && now.picture == last.picture;
            },
            kActionTimeout, milliseconds(100));
        return now;
    }

    static void Press(const std::vector<WORD>& keys) {
        for (const WORD key : keys)
            input::Key(key);
    }

    // Says where and how much two menus differ on the screen; empty when they are the same. Only the menus'
    // own windows count, not what shows between them.
    static std::string Difference(const MenusOnScreen& lens, const MenusOnScreen& expected) {
        if (lens.picture.Empty() || expected.picture.Empty())
            return "a menu did not settle on the screen";
        const auto describe = [](const MenusOnScreen& menus) {
            std::string text;
            for (const RECT& r : menus.windows)
                text += " (" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) +
                        "," + std::to_string(r.bottom) + ")";
            return text;
        };
        if (describe(lens) != describe(expected))
            return "the menus lie at" + describe(lens) + ", expected at" + describe(expected);
        const ScreenPicture& a = lens.picture;
        int count = 0;
        std::string first;
        for (const RECT& r : lens.windows) {
            for (int y = r.top; y < r.bottom; ++y) {
                for (int x = r.left; x < r.right; ++x) {
                    const int px = x - a.Left();
                    const int py = y - a.Top();
                    if (a.At(px, py) != expected.picture.At(px, py) && count++ == 0)
                        first = std::to_string(x) + "," + std::to_string(y);
                }
            }
        }
        return count == 0 ? std::string{} : std::to_string(count) + " pixels differ, the first at screen " + first;
    }
};

TEST_F(PopupMenuScenario, ShowsEveryItemWithItsShortcutAndCheckMark) {
    const std::vector<ExpectedItem> expected = ExpectedLensMenu();

    ASSERT_TRUE(OpenLensMenu());
    const POINT at = LensMenuPoint();
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(LensMenuWindows().front(), MN_GETHMENU, 0, 0));
    if (GetMenuItemCount(menu) < 0 && RunningOnWine())
        std::printf("The lens's menu cannot be read from another process here; it is compared on the screen.\n");
    else
        EXPECT_EQ(CompareMenu(menu, expected), "") << "the menu read item by item";
    CloseLensMenu();

    ReferenceMenu reference(expected);
    for (const MenuView& view : kViews) {
        SCOPED_TRACE(view.name);
        ASSERT_TRUE(OpenLensMenu());
        Press(KeysFor(view));
        const MenusOnScreen lensMenus = SettledMenus(LensProcess().Id(), LevelsFor(view));
        CloseLensMenu();

        ASSERT_TRUE(reference.Open(at)) << "the expected menu could not be opened";
        const DWORD self = GetCurrentProcessId();
        ASSERT_TRUE(WaitUntil([&] { return !ProcessWindows(self, kMenuClass).empty(); }, kActionTimeout))
            << "the expected menu did not open";
        if (view.open == MenuId::None) {
            // The item-by-item comparison, on a menu this process can read: it must find nothing wrong.
            const auto own =
                reinterpret_cast<HMENU>(SendMessageW(ProcessWindows(self, kMenuClass).front(), MN_GETHMENU, 0, 0));
            EXPECT_EQ(CompareMenu(own, expected), "") << "the item-by-item comparison itself";
        }
        Press(KeysFor(view));
        const MenusOnScreen expectedMenus = SettledMenus(self, LevelsFor(view));
        EXPECT_TRUE(CloseMenusOf(self) && reference.WaitClosed(10000)) << "the expected menu did not close";

        const std::string difference = Difference(lensMenus, expectedMenus);
        if (!difference.empty()) {
            SaveShot(lensMenus.picture, std::string("PopupMenu-") + view.name + "-lens");
            SaveShot(expectedMenus.picture, std::string("PopupMenu-") + view.name + "-expected");
        }
        EXPECT_EQ(difference, "") << "the menu on the screen, opened down to " << view.name;
    }
}

}  // namespace
}  // namespace pixo::e2e
