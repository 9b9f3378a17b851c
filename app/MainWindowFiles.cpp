// Loading and saving settings files, and the help menu.
#include <QApplication>
#include <QFile>
#include <optional>
#include <utility>

#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "help/HelpViewer.h"
#include "help/HelpWindow.h"
#include "pages/SelectPage.h"
#include "platform/ExecutableDirectory.h"
#include "settings/SettingsFile.h"
#include "ui/Messages.h"
#include "ui/Seams.h"

namespace {

std::optional<QString> AskFileName(QWidget* owner, bool open) {
    seams::FileDialogRequest request;
    request.open = open;
    request.owner = owner;
    request.filterName = msg::SettingsFileFilter();
    request.filterPattern = QStringLiteral("*.dat");
    request.defaultExtension = QStringLiteral("dat");
    request.initialName = QStringLiteral("*.dat");
    request.initialDirectory = platform::ExecutableDirectory();
    request.overwritePrompt = !open;
    return seams::fileDialogs().run(request);
}

}  // namespace

void MainWindow::loadSettings() {
    if (!mayReplaceImage())
        return;
    if (const std::optional<QString> path = AskFileName(this, true))
        readSettingsFile(QFile::encodeName(*path));
}

void MainWindow::openSettingsFile(const QByteArray& path) {
    if (mayReplaceImage())
        readSettingsFile(path);
}

void MainWindow::openWhenFree(const QByteArray& path) {
    m_pendingFile = path;
    if (m_startupDone)
        QMetaObject::invokeMethod(this, &MainWindow::openPendingFile, Qt::QueuedConnection);
}

void MainWindow::openPendingFile() {
    // A dialog of this window is open: the file waits until it closes (WindowUnblocked).
    if (m_pendingFile.isEmpty() || QApplication::activeModalWidget())
        return;
    openSettingsFile(std::exchange(m_pendingFile, QByteArray()));
}

bool MainWindow::mayReplaceImage() {
    if (!m_startupDone)
        return true;
    storeAllPages(m_current);
    // Unsent changes are what a load would lose.
    return m_current == m_printerBaseline ||
           seams::messageBox(this, msg::DiscardChanges(), msg::Caption(), QMessageBox::Warning,
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MainWindow::readSettingsFile(const QByteArray& path) {
    const std::optional<settings::SettingsImage> loaded = settings::LoadSettingsFile(path.toStdString());
    if (!loaded) {
        // The current image stays what the pages held when the command began.
        seams::warn(this, msg::NotASettingsFile(), msg::Caption());
        return;
    }
    m_current = *loaded;
    loadAllPages(m_current);
    m_fileBaseline = m_current;
    m_fileName = QFile::decodeName(path);
    dataCheck();
    m_selectPage->refreshFormatButton();
}

void MainWindow::saveSettings() {
    saveSettingsFile();
}

bool MainWindow::saveSettingsFile() {
    if (correctPendingHeadCentring())
        return false;
    storeAllPages(m_current);
    std::optional<QString> path = AskFileName(this, false);
    while (path) {
        switch (settings::SaveSettingsFile(path->toStdString(), m_current)) {
            case settings::SaveResult::Saved:
                m_fileBaseline = m_current;
                m_fileName = *path;
                return true;
            case settings::SaveResult::AccessDenied:
                seams::warn(this, msg::SaveAccessDenied(), msg::Caption());
                path = AskFileName(this, false);
                continue;
            case settings::SaveResult::Failed:
                seams::messageBox(this, msg::SaveFailed(), msg::Caption(), QMessageBox::Critical);
                return false;
        }
    }
    return false;
}

void MainWindow::helpContents() {
#ifdef _WIN32
    const help::HelpOpener ownViewer;  // Windows reads compiled help itself
#else
    // Other desktops seldom have a viewer for compiled help: the program shows the file itself.
    const help::HelpOpener ownViewer = [this](const QString& path) { return ShowHelpWindow(this, path); };
#endif
    if (!help::OpenHelpFile(m_helpPath, ownViewer))
        seams::warn(this, msg::HelpNotFound(), msg::Caption());
}

void MainWindow::about() {
    AboutDialog dialog(this);
    seams::modalLoop().run(dialog);
}
