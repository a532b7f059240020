#include "win32/main_window/main_menu.h"

#include "core/window/main_window_texts.h"
#include "win32/kit/wide_text.h"

#include <vector>

namespace jukewright::win32 {

HMENU buildMainMenu() {
    HMENU bar = CreateMenu();
    std::vector<HMENU> open{bar};
    for (std::size_t i = 0; i < MainMenuRows.size(); ++i) {
        const MenuRow& row = MainMenuRows[i];
        const auto id = static_cast<UINT_PTR>(MenuIdBase + static_cast<int>(i));
        switch (row.kind) {
        case MenuRow::Menu: {
            HMENU menu = CreatePopupMenu();
            AppendMenuW(open.back(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu), wide(row.caption).c_str());
            open.push_back(menu);
            break;
        }
        case MenuRow::Item:
        case MenuRow::CheckItem:
            AppendMenuW(open.back(), MF_STRING, id, wide(row.caption).c_str());
            break;
        case MenuRow::Separator:
            AppendMenuW(open.back(), MF_SEPARATOR, id, nullptr);
            break;
        case MenuRow::End:
            open.pop_back();
            break;
        }
    }
    return bar;
}

int menuId(std::string_view name) {
    for (std::size_t i = 0; i < MainMenuRows.size(); ++i)
        if (MainMenuRows[i].kind != MenuRow::End && MainMenuRows[i].name == name)
            return MenuIdBase + static_cast<int>(i);
    return 0;
}

std::string_view menuName(int id) {
    const int row = id - MenuIdBase;
    return row >= 0 && row < static_cast<int>(MainMenuRows.size()) ? MainMenuRows[static_cast<std::size_t>(row)].name
                                                                   : std::string_view();
}

} // namespace jukewright::win32
