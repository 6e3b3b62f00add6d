// The menu bar, the step toolbar and the window's keys as models: item names, captions in the
// interface language, shortcuts, and check marks and enabled states computed from the state each
// time, never kept apart from it. A shell builds its menus from them and passes an item's name to
// Viewer::trigger when it is chosen.
#pragma once

#include <string>
#include <vector>

struct MenuItem {
    std::string name;     // "aus1", "GLLINE1", ...; empty for a separator
    std::string caption;  // '&' marks the access key
    std::string shortcut; // portable key text ("Ctrl+S", "F11", "Home"), empty for none
    bool separator = false;
    bool submenu = false; // its entries are `items`
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<MenuItem> items;
};

// A key with no menu entry of its own: it runs `command` (an item name or one of the window's
// own commands) or, with `popup` set, opens that menu at the pointer.
struct KeyCommand {
    std::string keys;
    std::string command;
    bool popup = false;
};

struct ToolbarItem {
    std::string name;    // "TBItemA+" ... "TBItemZ-"
    std::string caption; // "A+" ...
    bool separatorBefore;
};

// The item of that name anywhere in the tree; null when there is none.
const MenuItem* findMenuItem(const std::vector<MenuItem>& menus, const std::string& name);
// The item name of a stored scene's entry in the Scenes menu; no other item has a ':'.
std::string sceneItemName(const std::string& sceneName);
