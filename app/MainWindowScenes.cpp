// The desktop's part of the scene commands: the scenes' folder, the name asked for, and the file
// dialogs of import and export. What a scene holds and every message are the core's.
#include "app/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QStandardPaths>

namespace {
QString text(const Viewer& viewer, const char* key) {
    return QString::fromStdString(viewer.text(key));
}

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
} // namespace

std::vector<StoredScene> TfrmCube::storedScenes() {
    return scenes.load(maxSceneFileBytes);
}

bool TfrmCube::storeScene(const std::string& name, const std::string& text) {
    return scenes.store(name, text);
}

// The names already stored are offered, so that updating a scene is one choice.
void TfrmCube::askSceneName(const std::string& proposal, const std::vector<std::string>& names) {
    QInputDialog dialog(this);
    dialog.setWindowTitle(text(viewer, "saveSceneTitle"));
    dialog.setLabelText(text(viewer, "sceneNameLabel"));
    if (!names.empty()) {
        QStringList offered;
        for (const std::string& name : names) offered << QString::fromStdString(name);
        dialog.setComboBoxItems(offered);
        dialog.setComboBoxEditable(true);
    }
    dialog.setTextValue(QString::fromStdString(proposal));
    if (dialog.exec() == QDialog::Accepted) viewer.SaveScene(dialog.textValue().toStdString());
}

void TfrmCube::askSceneToImport() {
    if (sceneFilesFolder.isEmpty()) sceneFilesFolder = QDir::homePath();
    const QString path =
        QFileDialog::getOpenFileName(this, text(viewer, "importSceneTitle"), sceneFilesFolder,
                                     text(viewer, "sceneFiles") + ";;" + text(viewer, "allFiles"));
    if (path.isEmpty()) return;
    sceneFilesFolder = QFileInfo(path).absolutePath();
    viewer.ImportScene(QFileInfo(path).fileName().toStdString(),
                       readFileLimited(localPath(path), maxSceneFileBytes));
}

// The scene in the file takes the file's name, which the proposal (the last scene recalled or
// saved) starts from.
void TfrmCube::askSceneExport(const std::string& proposal) {
    if (sceneFilesFolder.isEmpty()) {
        sceneFilesFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(sceneFilesFolder).isDir()) sceneFilesFolder = QDir::homePath();
    }
    const QString fileName = QString::fromStdString(proposal).replace('/', '-') + ".scene";
    QString path = QFileDialog::getSaveFileName(this, text(viewer, "exportSceneTitle"),
                                                QDir(sceneFilesFolder).filePath(fileName),
                                                text(viewer, "sceneFiles"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".scene";
    sceneFilesFolder = QFileInfo(path).absolutePath();
    const std::string content =
        viewer.sceneFileText(QFileInfo(path).completeBaseName().toStdString());
    if (!replaceFileAtomically(localPath(path), content))
        showMessage(MessageKind::Warning, viewer.text("scenesTitle"),
                    viewer.text("sceneNotExported") + "\n" +
                        QDir::toNativeSeparators(path).toStdString());
}
