// Saved scenes on the real window: a scene saved through the name dialog lands in the user's
// scenes folder and in a restarted window's Scenes menu, where recalling it draws the same
// picture; export and import go through the file dialogs, and a damaged file is said.
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <sys/stat.h>

namespace {
// Answers the next modal dialog of type Dialog once it is open (the command waits for it).
template <typename Dialog> void answerNext(std::function<void(Dialog*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(20);
}

// Types a path into a file dialog's name field and presses its button.
void typeFileName(QFileDialog* dialog, const QString& path) {
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
    static_cast<QDialog*>(dialog)->accept();
}

// The window tests with the user's configuration folder in a folder of their own.
class ScenesWindow : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(configHome.isValid());
        hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        previousConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        if (hadConfigHome)
            qputenv("XDG_CONFIG_HOME", previousConfigHome);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    SceneCamera storedSceneCamera(const std::string& name) {
        return window->core().storedScene(name).scene.camera;
    }
    // Closes the window and starts a new one on the same folders, as a second run would.
    void restart() {
        window->close();
        window.reset();
        WindowTest::SetUp();
    }
    QString scenesFolder() const { return configHome.path() + "/niveau/scenes"; }

    QTemporaryDir configHome;
    QTemporaryDir files; // where scene files are exported to and imported from
    bool hadConfigHome = false;
    QByteArray previousConfigHome;
};
} // namespace

TEST_F(ScenesWindow, ASavedSceneComesBackInARestartedWindowWithTheSamePicture) {
    Viewer& core = window->core();
    core.options().ComboBox4Change(2);
    core.options().StandardChange(0, 9);
    core.options().Edit6Change("600");
    core.options().ComboBox1Change(2);
    core.Label1Click("Label3");
    core.trigger("ganz1");
    stopDemos();
    core.trigger("TBItemB-");
    core.trigger("TBItemA+");
    core.trigger("TBItemY-");
    state->level = 250;
    state->backgroundBlue = 0.5f;

    answerNext<QInputDialog>([](QInputDialog* dialog) {
        dialog->setTextValue("Fair / Hall 3");
        dialog->accept();
    });
    window->menuItem("SaveScene1")->trigger();
    EXPECT_TRUE(QFile::exists(scenesFolder() + "/Fair %2F Hall 3.scene"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(scenesFolder()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "readable by the user only";
    EXPECT_TRUE(window->menuItem("scene:Fair / Hall 3")) << "the menu shows it at once";
    paintStill();
    const QImage saved = frame();
    savePicture(saved, "scene-saved");

    restart();
    holdStartScene(200);
    paintStill();
    const QImage start = frame();
    QAction* entry = window->menuItem("scene:Fair / Hall 3");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(), "Fair / Hall 3");
    entry->trigger();
    EXPECT_FALSE(state->levelDemoRunning || state->swingDemoRunning) << "as saved";
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->core().painting(); }, timeoutMs));
    paintStill();
    const QImage recalled = frame();
    savePicture(recalled, "scene-recalled");
    EXPECT_EQ(recalled, saved);
    EXPECT_NE(recalled, start);
    EXPECT_EQ(window->core().options().typeEntry, 2);
    EXPECT_EQ(window->core().options().standardFloatEntry, 9);
    EXPECT_EQ(window->core().options().displayHeightText, "  600.00");
}

TEST_F(ScenesWindow, ExportAndImportGoThroughTheFileDialogsAndADamagedFileIsSaid) {
    stopDemos();
    window->core().trigger("aus2");
    answerNext<QFileDialog>([this](QFileDialog* dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), "Scene.scene")
            << "no scene recalled or saved yet";
        typeFileName(dialog, files.filePath("Booth 7"));
    });
    window->menuItem("ExportScene1")->trigger();
    QFile exported(files.filePath("Booth 7.scene"));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly)) << "the extension is added";
    const QByteArray text = exported.readAll();
    EXPECT_TRUE(text.contains("name=\"Booth 7\"\n")) << "named after its file";
    EXPECT_TRUE(text.contains("\nfloat=off\n"));
    EXPECT_FALSE(window->menuItem("scene:Booth 7")) << "exporting stores nothing";

    QFile damaged(files.filePath("damaged.scene"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[scene]\nname=Damaged\n[model]\ntype=R-999\n");
    damaged.close();
    const Scene before = captureScene(*state, "");
    QString said;
    answerNext<QFileDialog>(
        [this](QFileDialog* dialog) { typeFileName(dialog, files.filePath("damaged.scene")); });
    answerNext<QMessageBox>([&](QMessageBox* box) {
        said = box->text();
        box->accept();
    });
    window->menuItem("ImportScene1")->trigger();
    EXPECT_EQ(said, "\"damaged.scene\" was not imported, nothing was changed:\n"
                    "[model] type: \"R-999\" is not a known entry.");
    EXPECT_EQ(captureScene(*state, ""), before);
    EXPECT_FALSE(window->menuItem("scene:Damaged"));

    window->core().trigger("ganz2");
    answerNext<QFileDialog>(
        [this](QFileDialog* dialog) { typeFileName(dialog, files.filePath("Booth 7.scene")); });
    window->menuItem("ImportScene1")->trigger();
    EXPECT_TRUE(window->menuItem("scene:Booth 7"));
    EXPECT_EQ(state->floatMode, DisplayMode::Off) << "the imported scene is shown";
    EXPECT_TRUE(QFile::exists(scenesFolder() + "/Booth 7.scene"));
}

// The remote's keys on the stage: the camera glides to the next scene's and its name stands at
// the bottom of the view for a while; at the last scene the tour stays.
TEST_F(ScenesWindow, OnTheStagePageDownGlidesToTheNextSceneAndShowsItsName) {
    stopDemos();
    window->core().SaveScene("A start");
    const SceneCamera start = cameraOf(*state);
    window->core().trigger("Flgeli2");
    window->core().SaveScene("B flaps");
    window->core().trigger("scene:A start");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTest::keyClick(window.get(), Qt::Key_F5);
    ASSERT_TRUE(window->core().stage());
    QTest::keyClick(window.get(), Qt::Key_PageDown);
    EXPECT_TRUE(window->core().touring());
    QTest::qWait(200);
    EXPECT_NE(cameraOf(*state), start) << "on its way";
    ASSERT_TRUE(QTest::qWaitFor([&] { return cameraOf(*state) == storedSceneCamera("B flaps"); },
                                timeoutMs));

    // The title: a dark panel with light letters in the middle of the bottom edge.
    const QImage picture = frame();
    savePicture(picture, "tour-title");
    const QRect titleArea(picture.width() / 3, picture.height() * 7 / 8, picture.width() / 3,
                          picture.height() / 8);
    int dark = 0, light = 0;
    for (int y = titleArea.top(); y <= titleArea.bottom(); ++y)
        for (int x = titleArea.left(); x <= titleArea.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            dark += c.value() < 20;
            light += c.value() > 235 && c.saturation() < 20;
        }
    EXPECT_GT(dark, 1000);
    EXPECT_GT(light, 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->core().painting(); }, 5000))
        << "the loop ends once the title is gone";

    const int redraws = window->core().redrawRequests();
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_EQ(window->core().redrawRequests(), redraws) << "the only scene is the last";
}
