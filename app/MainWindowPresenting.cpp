// The main window's caption, full screen and the pictures of the view for slides and brochures.
#include "app/GLView.h"
#include "app/MainWindow.h"

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
