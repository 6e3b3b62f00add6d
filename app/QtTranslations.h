// Qt's own texts (file dialogs, message-box buttons, standard buttons) in the interface language.
#pragma once

#include <string_view>

// German texts from Qt's translations when the code is German, Qt's English otherwise. Returns
// whether the texts asked for are in place.
bool ApplyQtTranslations(std::string_view languageCode);
