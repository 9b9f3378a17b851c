// The commands that reach the printer or may lose work: send, printer switch, factory settings and
// exit. Each asks before unsent or unsaved settings are lost.
#include "app/BusyCursor.h"
#include "app/JobFollower.h"
#include "app/MainWindow.h"
#include "app/PrinterSelectDialog.h"
#include "pages/ParamPage.h"
#include "pages/SelectPage.h"
#include "platform/ModelPrinter.h"
#include "platform/PrinterSystem.h"
#include "platform/SettingsJob.h"
#include "settings/FactoryImage.h"
#include "ui/ElidedLabel.h"
#include "ui/Messages.h"
#include "ui/Seams.h"

namespace {

constexpr auto kQuestion = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

}  // namespace

bool MainWindow::correctPendingHeadCentring() {
    if (!m_paramPage->hasPendingCorrection())
        return false;
    m_paramPage->correctHeadCentring();
    return true;
}

void MainWindow::sendSettings() {
    if (correctPendingHeadCentring())
        return;
    if (m_printerName.isEmpty() || m_portName.isEmpty()) {
        seams::warn(this, msg::NoPrinterSelected(), msg::Caption());
        selectPrinter();
        if (m_closed)
            return;
    }
    if (m_portName == QLatin1String(platform::kFilePort)) {
        seams::messageBox(this, msg::FilePortRefused(), msg::Caption(), QMessageBox::Information);
        return;
    }
    storeAllPages(m_current);
    // Changed since the file was opened or saved, the settings are no longer that file's.
    const QString fileName = m_current == m_fileBaseline ? m_fileName : QString();
    const platform::JobSubmission submission = [&] {
        BusyCursor busy;
        return platform::SendSettingsJob(platform::CurrentPrinterSystem(), m_printerName.toStdString(),
                                         {m_current.data(), m_current.size()}, fileName.toStdString());
    }();
    // Whatever the spooler's reason, the user hears the one message and chooses again.
    if (submission.accepted()) {
        m_followedFile = fileName;
        m_jobFollower->follow(m_printerName, submission.jobId);
        seams::messageBox(this, msg::Sent(), msg::Caption(), QMessageBox::Information);
        m_printerBaseline = m_current;
        m_actions.send->setEnabled(false);
        return;
    }
    seams::warn(this, msg::PrinterNotAvailable(), msg::Caption());
    selectPrinter();
}

bool MainWindow::settleChanges(const QString& sendQuestion, const QString& saveQuestion) {
    storeAllPages(m_current);
    const bool toSend = m_current != m_printerBaseline;
    const bool toSave = m_current != m_fileBaseline;
    if (toSend) {
        const auto answer =
            seams::messageBox(this, sendQuestion, msg::Caption(), QMessageBox::Warning, kQuestion);
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::Yes) {
            const bool pending = m_paramPage->hasPendingCorrection();
            const settings::SettingsImage asked = m_current;
            sendSettings();
            if (pending || m_closed)
                return false;
            // A failed send chooses a printer again, which settles the changes itself and shows
            // the factory settings; a save question now would save other settings than it asks about.
            if (m_current != asked)
                return false;
        }
    }
    if (toSave) {
        const auto answer =
            seams::messageBox(this, saveQuestion, msg::Caption(), QMessageBox::Warning, kQuestion);
        if (answer == QMessageBox::Cancel)
            return false;
        // Yes to saving that wrote no file (pending correction, cancelled or failed save) ends
        // here, so nothing unsaved is lost.
        if (answer == QMessageBox::Yes && !saveSettingsFile())
            return false;
    }
    return true;
}

void MainWindow::selectPrinter() {
    if (m_startupDone && !settleChanges(msg::SendBeforeSwitch(), msg::SaveBeforeSwitch()))
        return;
    PrinterSelectDialog dialog(this);
    dialog.startupDone = m_startupDone;
    dialog.setHeldPrinter(m_printerName, m_portName);
    switch (dialog.run()) {
        case PrinterSelectDialog::Outcome::Chosen:
            m_printerCount = dialog.printerCount();
            m_actions.printer->setEnabled(m_printerCount > 1);
            // What another printer receives is not shown.
            if (dialog.printerName() != m_printerName)
                m_jobFollower->stop();
            m_printerName = dialog.printerName();
            m_portName = dialog.portName();
            m_lastSent = dialog.lastSent();
            showPrinter();
            if (m_startupDone)
                showFactorySettings();
            return;
        case PrinterSelectDialog::Outcome::Cancelled: {
            const bool nothingHeld = dialog.printerName().isEmpty() && dialog.portName().isEmpty();
            const bool fileAtStartup =
                dialog.portName() == QLatin1String(platform::kFilePort) && !m_startupDone;
            if (nothingHeld || fileAtStartup)
                closePanel();
            return;
        }
        case PrinterSelectDialog::Outcome::NoneUsable:
        case PrinterSelectDialog::Outcome::OnlyOnFile:
            // The dialog has said the program ends; nothing unsent is asked about any more.
            closePanel(1);
            return;
    }
}

void MainWindow::showPrinter() {
    m_statusParts[0]->setFullText(msg::StatusPrinter(m_printerName));
    m_statusParts[1]->setFullText(msg::StatusPort(m_portName));
    m_statusParts[2]->setFullText(msg::StatusLastReceived(m_lastSent));
    // Nothing known takes no width from the connection.
    m_statusParts[2]->setVisible(!m_lastSent.isEmpty());
}

void MainWindow::factorySettings() {
    if (seams::messageBox(this, msg::FactoryQuestion(), msg::Caption(), QMessageBox::Warning,
                          QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    showFactorySettings();
}

void MainWindow::showFactorySettings() {
    m_current = settings::FactoryImage();
    loadAllPages(m_current);
    selectPage(0);
    seams::messageBox(this, msg::FactoryShown(), msg::Caption(), QMessageBox::Information);
    dataCheck();
    m_selectPage->refreshFormatButton();
}

void MainWindow::exitApp() {
    if (settleChanges(msg::SendBeforeExit(), msg::SaveBeforeExit()))
        closePanel();
}
