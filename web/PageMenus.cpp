#include "web/PageMenus.h"

#include <algorithm>

void addPageEntries(std::vector<MenuItem>& menus, const CaptionSet& captions) {
    for (MenuItem& menu : menus) {
        if (menu.name != "Scenes1") continue;
        const auto exportEntry =
            std::find_if(menu.items.begin(), menu.items.end(),
                         [](const MenuItem& item) { return item.name == "ExportScene1"; });
        MenuItem link;
        link.name = "CopySceneLink1";
        link.caption = captions.shownCaptionOf(link.name);
        link.shortcut = "Ctrl+Shift+L";
        menu.items.insert(exportEntry == menu.items.end() ? exportEntry : exportEntry + 1, link);
    }
}
