// The two caption sets of the main window: menus, callout labels and the window caption.
#include "app/CalloutLabel.h"
#include "app/MainWindow.h"
#include "config/Language.h"

#include <QAction>

void TfrmCube::applyCaptions(const CaptionSet& captions) {
    setWindowTitle(QString::fromStdString(windowCaption(captions, state.versionText)));
    for (const auto& [name, caption] : captions.menuCaptions)
        if (QAction* item = menuItem(QString::fromStdString(name)))
            item->setText(QString::fromStdString(caption));
    for (const auto& [name, caption] : captions.labelCaptions)
        if (CalloutLabel* label = callout(QString::fromStdString(name)))
            label->setText(QString::fromStdString(caption));
    state.languageCode = captions.languageCode;
}

void TfrmCube::ApplyGermanCaptions() {
    applyCaptions(germanCaptions());
}
void TfrmCube::ApplyEnglishCaptions() {
    applyCaptions(englishCaptions());
}
