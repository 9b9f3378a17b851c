#pragma once
#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <array>
#include <vector>

#include "settings/SettingsImage.h"
#include "ui/MainActions.h"

class ElidedLabel;
class JobFollower;
class ParamPage;
class QTabWidget;
class SelectPage;
class SettingsPage;

// The one window of the program: the tab pages over the settings image, the commands that
// load, save and send it, and the three working images that decide what to ask before losing work:
// the current image, the one last sent to the printer and the one last loaded or saved.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // What every start does before the window shows: the factory settings and the printer
    // choice. False when the program must end instead (no printer was chosen).
    bool start();
    bool hasClosed() const { return m_closed; }
    // What the program ends with once the window has closed: 1 when no usable printer was left.
    int exitStatus() const { return m_exitStatus; }

    // The pages in the fixed order of every load and store.
    void loadAllPages(const settings::SettingsImage& image);
    void storeAllPages(settings::SettingsImage& image);
    void selectPage(int index);
    // The user changed something: the pages are collected into the current image and Send is offered.
    void dataCheck();

    void loadSettings();
    // A settings file named on the command line or handed over by a later start: loaded as the
    // load command loads the file chosen in its dialog, questions and messages included, once
    // the window is up and no dialog of it is open.
    void openWhenFree(const QByteArray& path);
    void saveSettings();
    void sendSettings();
    void factorySettings();
    void selectPrinter();
    void exitApp();
    void helpContents();
    void about();

    // State other parts of the program and the tests read.
    const settings::SettingsImage& currentImage() const { return m_current; }
    const settings::SettingsImage& fileBaseline() const { return m_fileBaseline; }
    const settings::SettingsImage& printerBaseline() const { return m_printerBaseline; }
    const QString& printerName() const { return m_printerName; }
    const QString& portName() const { return m_portName; }
    const QString& helpPath() const { return m_helpPath; }
    bool startupDone() const { return m_startupDone; }
    int dataChecksRun() const { return m_dataChecksRun; }
    QTabWidget* tabs() const { return m_tabs; }
    int currentPageIndex() const;
    SettingsPage* page(int index) const { return m_pages[index]; }
    const MainActions& actions() const { return m_actions; }
    QString statusText(int part) const;

signals:
    // The window has closed for good; the program ends here, whatever else it still shows.
    void closed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createPages();
    void createStatusBar();
    void showPrinter();
    void closePanel(int exitStatus = 0);
    bool correctPendingHeadCentring();
    // Collects the pages and asks whether to send and to save what differs from the printer
    // and the file; false when the command must stop there.
    bool settleChanges(const QString& sendQuestion, const QString& saveQuestion);
    // The save command; true when a settings file was written.
    bool saveSettingsFile();
    void showFactorySettings();
    // The load command's question: false when the user keeps the unsent changes.
    bool mayReplaceImage();
    void readSettingsFile(const QByteArray& path);
    void openSettingsFile(const QByteArray& path);
    void openPendingFile();

    MainActions m_actions;
    QTabWidget* m_tabs;
    SelectPage* m_selectPage = nullptr;
    ParamPage* m_paramPage = nullptr;
    std::vector<SettingsPage*> m_pages;  // in tab order
    std::array<ElidedLabel*, 3> m_statusParts{};

    QString m_helpPath;
    QString m_printerName;
    QString m_lastSent;  // the chosen printer's, as the printer selection read it
    JobFollower* m_jobFollower;
    QString m_followedFile;  // the file the followed job carries; empty for settings never saved
    QString m_portName;
    QByteArray m_pendingFile;  // handed over while a dialog was open or before the window was up
    QString m_fileName;        // the settings file last opened or saved; empty for none
    int m_printerCount = 0;
    settings::SettingsImage m_current;
    settings::SettingsImage m_fileBaseline;
    settings::SettingsImage m_printerBaseline;
    bool m_startupDone = false;
    bool m_loadingPages = false;
    bool m_inDataCheck = false;
    bool m_closed = false;
    int m_exitStatus = 0;
    int m_dataChecksRun = 0;
};
