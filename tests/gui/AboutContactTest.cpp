// The shaped about window and the contact window.
#include "dialogs/Kontaktadresse.h"
#include "dialogs/aboutdlg.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTime>

#include <gtest/gtest.h>

#include <memory>

TEST(AboutRegion, EllipseWithFourHolesAndOpenCorners) {
    const QSize size(500, 420);
    const QRegion region = aboutRegion(size);
    EXPECT_TRUE(region.contains(QPoint(250, 210)));
    for (QPoint hole : {QPoint(90, 90), QPoint(410, 90), QPoint(90, 330), QPoint(410, 330)}) {
        EXPECT_FALSE(region.contains(hole)) << hole.x() << "," << hole.y();
        EXPECT_FALSE(region.contains(hole + QPoint(20, 0))) << "inside the radius of 25";
        EXPECT_TRUE(region.contains(hole + QPoint(hole.x() < 250 ? 30 : -30, 0)));
    }
    for (QPoint corner : {QPoint(0, 0), QPoint(499, 0), QPoint(0, 419), QPoint(499, 419),
                          QPoint(20, 20), QPoint(480, 400)})
        EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
    // The outline spans (5, 10) to (width - 10, height - 10).
    EXPECT_TRUE(region.contains(QPoint(8, 210)));
    EXPECT_FALSE(region.contains(QPoint(3, 210)));
    EXPECT_TRUE(region.contains(QPoint(250, 12)));
    EXPECT_FALSE(region.contains(QPoint(250, 8)));
    EXPECT_FALSE(region.contains(QPoint(250, 412)));
}

TEST(AboutWindow, ShowsClockTextAndButtonInsideItsShape) {
    TAboutForm about;
    about.move(100, 100);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const QRegion shape = aboutRegion(about.size());
    for (QWidget* w : std::initializer_list<QWidget*>{about.Label1, about.Memo1, about.Button1}) {
        const QRect r = w->geometry();
        for (QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            EXPECT_TRUE(shape.contains(corner)) << w->metaObject()->className();
    }
    EXPECT_TRUE(QTime::fromString(about.Label1->text(), "HH:mm:ss").isValid());
    EXPECT_TRUE(about.Memo1->isReadOnly());
    EXPECT_TRUE(about.Memo1->toPlainText().trimmed().endsWith("3.0.0.2"));
    EXPECT_EQ(about.mask(), shape);

    QTest::mouseClick(about.Button1, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutWindow, DragAnywhereMovesIt) {
    TAboutForm about;
    about.move(100, 100);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QWindow* window = about.windowHandle();
    const QPoint start = about.pos();
    // On the memo, which lets the mouse through to the window.
    const QPoint grip = about.Memo1->geometry().center();
    QTest::mousePress(window, Qt::LeftButton, {}, grip);
    QTest::mouseMove(window, grip + QPoint(30, -20));
    // The window followed the pointer, so the pointer is back over the grip.
    QTest::mouseRelease(window, Qt::LeftButton, {}, grip);
    // The window system reports the new place when it has moved the window.
    const QPoint moved = start + QPoint(30, -20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.pos() == moved; }, 5000));
    EXPECT_EQ(about.pos(), moved);

    QTest::mouseMove(window, grip + QPoint(60, 60)); // no button held: stays
    // Nothing to wait for while the window stays put: a wrong move would show within this
    // while, as the one above did.
    QTest::qWait(50);
    EXPECT_EQ(about.pos(), moved);
}

namespace {

class ContactTest : public testing::Test {
  protected:
    void SetUp() override {
        InitialiseSceneState(state);
        contact = std::make_unique<TKontaktadresseForm>(state);
        contact->openUrl = [this](const QUrl& url) { opened << url.toString(); };
        contact->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(contact.get()));
    }
    SceneState state;
    std::unique_ptr<TKontaktadresseForm> contact;
    QStringList opened;
};

} // namespace

TEST_F(ContactTest, HeadingFollowsTheLanguageOnShowAndEveryTick) {
    EXPECT_EQ(contact->Heading->text(), "Contact Address");
    EXPECT_EQ(contact->windowTitle(), "Example Level Instruments");
    state.languageCode = std::string("d");
    EXPECT_EQ(contact->Heading->text(), "Contact Address");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return contact->Heading->text() != "Contact Address"; }, 5000))
        << "the once-a-second tick reads the language again";
    EXPECT_EQ(contact->Heading->text(), "Kontakt Adresse");

    contact->hide();
    state.languageCode = std::string("gb");
    contact->show();
    EXPECT_EQ(contact->Heading->text(), "Contact Address");
}

TEST_F(ContactTest, AddressesOpenThroughTheSystemAndOkCloses) {
    QTest::mouseClick(contact->EMail, Qt::LeftButton);
    QTest::mouseClick(contact->Website, Qt::LeftButton);
    EXPECT_EQ(opened, (QStringList{"mailto:info@example.com", "http://www.example.com"}));
    QTest::mouseClick(contact->Heading, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 2);
    QTest::mouseClick(contact->BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(contact->isVisible());
}
