// The page's menus: the core's, with the entries only a web page has. Plain C++.
#pragma once

#include "config/Language.h"
#include "core/Menus.h"

#include <vector>

// "Copy scene link" in the Scenes menu after the export: a link to this page carrying the scene.
void addPageEntries(std::vector<MenuItem>& menus, const CaptionSet& captions);
