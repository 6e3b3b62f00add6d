// The main window's caption, full screen, the stage and the pictures of the view for slides and
// brochures.
#include "app/GLView.h"
#include "app/MainWindow.h"
#include "app/ViewArea.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
QString text(const Viewer& viewer, const char* key) {
    return QString::fromStdString(viewer.text(key));
}

// Watches the whole program while the screen is black: the next key or click only ends the black
// screen, no shortcut fires for it.
class AnyKey : public QObject {
  public:
    AnyKey(std::function<void()> pressed, QObject* parent)
        : QObject(parent), pressed(std::move(pressed)) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
            pressed();
            return true;
        default:
            return false;
        }
    }

  private:
    std::function<void()> pressed;
};
} // namespace

void TfrmCube::showCaptions() {
    setWindowTitle(QString::fromStdString(viewer.windowCaption()));
}

// Full screen without the caption bar; leaving it brings back the window as it was.
void TfrmCube::showFullScreen(bool on) {
    if (on == isFullScreen()) return;
    if (on) {
        maximizedBeforeFullScreen = isMaximized();
        TGradientForm::showFullScreen();
    } else if (maximizedBeforeFullScreen) {
        showMaximized();
    } else {
        showNormal();
    }
}

// The stage shows the view alone; the bars follow the core's barsShown with every change.
void TfrmCube::showStage() {
    viewHost->setControlsShown(viewer.controlsShown());
    if (viewer.stage() || viewer.blackScreen())
        pointerCheck.start();
    else
        pointerCheck.stop();
    showPointer();
    if (viewer.blackScreen() && !anyKey) {
        anyKey = new AnyKey([this] { viewer.setBlackScreen(false); }, this);
        qApp->installEventFilter(anyKey);
    } else if (!viewer.blackScreen() && anyKey) {
        qApp->removeEventFilter(anyKey);
        anyKey->deleteLater();
        anyKey = nullptr;
    }
}

void TfrmCube::showPointer() {
    if (viewer.pointerHidden())
        glView->setCursor(Qt::BlankCursor);
    else
        glView->unsetCursor();
}

bool TfrmCube::SavePicture(const QString& path, QSize pixels) {
    const QImage picture = glView->renderPicture(pixels);
    QString problem;
    if (picture.isNull()) {
        problem = text(viewer, "pictureNotRendered");
    } else {
        // Written beside the target and renamed over it only when complete, so a failed write
        // leaves a picture already there as it was.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit())
            problem = text(viewer, "pictureNotSaved") + "\n" + QDir::toNativeSeparators(path);
    }
    if (problem.isEmpty()) return true;
    QMessageBox::warning(this, text(viewer, "savePictureTitle"), problem);
    return false;
}

// The file dialog's type list chooses the size: the view's own, or one of two for slides.
void TfrmCube::SavePictureClick() {
    const std::pair<const char*, QSize> sizes[] = {{"pictureWindowSize", glView->devicePixels()},
                                                   {"picture1920", QSize(1920, 1080)},
                                                   {"picture3840", QSize(3840, 2160)}};
    QStringList filters;
    for (const auto& [key, pixels] : sizes) filters << text(viewer, key);
    if (pictureFolder.isEmpty()) {
        pictureFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (!QFileInfo(pictureFolder).isDir()) pictureFolder = QDir::homePath();
    }
    QString chosen = filters.front();
    QString path = QFileDialog::getSaveFileName(
        this, text(viewer, "savePictureTitle"),
        QDir(pictureFolder).filePath(text(viewer, "pictureFileName")), filters.join(";;"), &chosen);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".png";
    pictureFolder = QFileInfo(path).absolutePath();
    const qsizetype index = filters.indexOf(chosen);
    SavePicture(path, sizes[index < 0 ? 0 : index].second);
}

void TfrmCube::CopyPictureClick() {
    const QImage picture = glView->grabFramebuffer();
    if (picture.isNull()) {
        QMessageBox::warning(this, text(viewer, "copyPictureTitle"),
                             text(viewer, "pictureNotRendered"));
        return;
    }
    QGuiApplication::clipboard()->setImage(picture);
}
