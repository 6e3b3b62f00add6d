// The two caption sets of the main window: menus, callout labels and the window caption.
#include "app/CalloutLabel.h"
#include "app/ImageButton.h"
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
    // The controls over the view say what they do when the pointer rests on them.
    for (const auto& [name, tip] : captions.texts) {
        const QString control = QString::fromStdString(name);
        if (CalloutLabel* label = callout(control)) label->setToolTip(QString::fromStdString(tip));
        if (ImageButton* button = imageButton(control))
            button->setToolTip(QString::fromStdString(tip));
    }
    state.languageCode = captions.languageCode;
}

void TfrmCube::ApplyGermanCaptions() {
    applyCaptions(germanCaptions());
}
void TfrmCube::ApplyEnglishCaptions() {
    applyCaptions(englishCaptions());
}
