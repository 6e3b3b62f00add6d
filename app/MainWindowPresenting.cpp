// What the main window offers for presenting: full screen, smooth edges and pictures of the view
// for slides and brochures.
#include "app/GLView.h"
#include "app/MainWindow.h"
#include "config/Language.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <QToolBar>

namespace {
QString text(const std::string& languageCode, const char* key) {
    return QString::fromStdString(std::string(captionsFor(languageCode).textOf(key)));
}
} // namespace

void TfrmCube::setFullScreen(bool on) {
    if (on == isFullScreen()) return;
    // The view alone: the bars shown before come back on leaving.
    if (on) {
        maximizedBeforeFullScreen = isMaximized();
        barsShownBeforeFullScreen = TBToolbar1->isVisible();
        showBars(false);
        showFullScreen(); // without the caption bar
    } else {
        if (maximizedBeforeFullScreen)
            showMaximized();
        else
            showNormal();
        showBars(barsShownBeforeFullScreen);
    }
    if (QAction* item = menuItem("FullScreen1")) item->setChecked(on);
    FormPaint();
}

void TfrmCube::setSmoothEdges(bool on) {
    state.smoothEdges = on && glView->smoothingAvailable();
    state.smoothEdgesChosen = true; // kept in kelo.ini from now on
    if (QAction* item = menuItem("SmoothEdges1")) item->setChecked(state.smoothEdges);
    FormPaint();
}

bool TfrmCube::SavePicture(const QString& path, QSize pixels) {
    const QImage picture = glView->renderPicture(pixels);
    QString problem;
    if (picture.isNull()) {
        problem = text(state.languageCode, "pictureNotRendered");
    } else {
        // Written beside the target and renamed over it only when complete, so a failed write
        // leaves a picture already there as it was.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit())
            problem =
                text(state.languageCode, "pictureNotSaved") + "\n" + QDir::toNativeSeparators(path);
    }
    if (problem.isEmpty()) return true;
    QMessageBox::warning(this, text(state.languageCode, "savePictureTitle"), problem);
    return false;
}

// The file dialog's type list chooses the size: the view's own, or one of two for slides.
void TfrmCube::SavePictureClick() {
    const std::pair<const char*, QSize> sizes[] = {{"pictureWindowSize", glView->devicePixels()},
                                                   {"picture1920", QSize(1920, 1080)},
                                                   {"picture3840", QSize(3840, 2160)}};
    QStringList filters;
    for (const auto& [key, pixels] : sizes) filters << text(state.languageCode, key);
    if (pictureFolder.isEmpty()) {
        pictureFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (!QFileInfo(pictureFolder).isDir()) pictureFolder = QDir::homePath();
    }
    QString chosen = filters.front();
    QString path = QFileDialog::getSaveFileName(
        this, text(state.languageCode, "savePictureTitle"),
        QDir(pictureFolder).filePath(text(state.languageCode, "pictureFileName")),
        filters.join(";;"), &chosen);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".png";
    pictureFolder = QFileInfo(path).absolutePath();
    const qsizetype index = filters.indexOf(chosen);
    SavePicture(path, sizes[index < 0 ? 0 : index].second);
}

void TfrmCube::CopyPictureClick() {
    const QImage picture = glView->grabFramebuffer();
    if (picture.isNull()) {
        QMessageBox::warning(this, text(state.languageCode, "copyPictureTitle"),
                             text(state.languageCode, "pictureNotRendered"));
        return;
    }
    QGuiApplication::clipboard()->setImage(picture);
}
