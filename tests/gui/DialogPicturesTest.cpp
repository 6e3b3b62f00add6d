// Pictures of the dialogs in both languages, written to the picture folder for inspection.
#include "ColourDialogOn.h"
#include "dialogs/Kontaktadresse.h"
#include "dialogs/aboutdlg.h"

#include <QDir>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void save(QWidget& window, const QString& name) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow(); // the caption shows its active ramp
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow(); }, 5000));
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (!window.mask().isEmpty()) { // show only what the window's shape lets through
        QImage shaped(image.size(), QImage::Format_ARGB32);
        shaped.fill(Qt::transparent);
        QPainter p(&shaped);
        p.setClipRegion(window.mask());
        p.drawImage(0, 0, image);
        image = shaped;
    }
    QDir().mkpath(PICTURE_DIR);
    const QString path = QString(PICTURE_DIR) + "/" + name + ".png";
    ASSERT_TRUE(image.save(path));
    EXPECT_GT(image.width(), 100);
}

} // namespace

TEST(DialogPictures, EachWindowInBothLanguages) {
    for (const char* language : {"gb", "d"}) {
        SceneState state;
        InitialiseSceneState(state);
        state.languageCode = language;
        ColourDialogOn colour(state, [] {});
        save(colour.dialog, QString("colour-dialog-") + language);
        TKontaktadresseForm contact(state);
        save(contact, QString("contact-") + language);
        TGradientForm sizeable(state.languageCode, FormBorder::Sizeable);
        sizeable.setWindowTitle("A sizeable window whose caption is far too long to fit");
        sizeable.resize(360, 120);
        save(sizeable, QString("gradient-form-") + language);
    }
    TAboutForm about;
    save(about, "about");
}
