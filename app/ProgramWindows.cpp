#include "app/ProgramWindows.h"

#include "app/MainWindow.h"
#include "app/ShowInFront.h"
#include "dialogs/Color.h"
#include "dialogs/Kontaktadresse.h"
#include "dialogs/Optionen.h"
#include "dialogs/aboutdlg.h"

void CreateSecondaryWindows(TfrmCube& window, SceneState& state) {
    auto* options = new TOptionenForm(window.core().options(), &window);
    auto* colourDialog = new TColor_dlg(window.core().colourChoice(), state.languageCode, &window);
    auto* about = new TAboutForm(&window);
    auto* contact = new TKontaktadresseForm(state, &window);
    SecondaryWindows secondary;
    secondary.showOptions = [options, &window] { ShowInFront(options, &window); };
    secondary.showBackgroundColour = [colourDialog, &window] {
        ShowInFront(colourDialog, &window);
    };
    secondary.showAbout = [about, &window] { ShowInFront(about, &window); };
    secondary.showContact = [contact, &window] { ShowInFront(contact, &window); };
    secondary.refreshOptions = [options] { options->showOptions(); };
    secondary.refreshColour = [colourDialog] { colourDialog->showChoice(); };
    window.setSecondaryWindows(std::move(secondary));
}
