#include "app/ProgramWindows.h"

#include "app/MainWindow.h"
#include "app/ShowInFront.h"
#include "dialogs/Color.h"
#include "dialogs/Kontaktadresse.h"
#include "dialogs/Optionen.h"
#include "dialogs/aboutdlg.h"

void CreateSecondaryWindows(TfrmCube& window, SceneState& state) {
    // Every change in the options dialog redraws the main window, whose callouts follow the
    // accessory boxes.
    auto* options = new TOptionenForm(
        state,
        [&window] {
            window.showAccessoryStates();
            window.FormPaint();
        },
        [&window] { window.CheckDisplayModeEntries(); }, &window);
    auto* colourDialog = new TColor_dlg(
        state,
        [&window] {
            window.applyBackgroundColour();
            window.FormPaint();
        },
        &window);
    auto* about = new TAboutForm(&window);
    auto* contact = new TKontaktadresseForm(state, &window);
    SecondaryWindows secondary;
    secondary.showOptions = [options, &window] { ShowInFront(options, &window); };
    secondary.restoreDefaults = [options] { options->DefaultEinstellungen(); };
    secondary.showAccessories = [options] { options->showAccessories(); };
    secondary.showBackgroundColour = [colourDialog, &window] {
        ShowInFront(colourDialog, &window);
    };
    secondary.showAbout = [about, &window] { ShowInFront(about, &window); };
    secondary.showContact = [contact, &window] { ShowInFront(contact, &window); };
    window.setSecondaryWindows(std::move(secondary));
}
