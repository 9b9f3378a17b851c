#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

#include "app/JobFollower.h"
#include "app/PageTable.h"
#include "app/PrinterSelectDialog.h"
#include "help/HelpViewer.h"
#include "pages/ParamPage.h"
#include "pages/SelectPage.h"
#include "platform/ExecutableDirectory.h"
#include "platform/Language.h"
#include "res/Images.h"
#include "settings/FactoryImage.h"
#include "ui/ElidedLabel.h"
#include "ui/MenuBarStyle.h"
#include "ui/Messages.h"
#include "ui/WindowKeys.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      m_actions(CreateMainActions(this, PageCommands())),
      m_tabs(new QTabWidget(this)),
      m_jobFollower(new JobFollower(this)),
      m_current(settings::FactoryImage()),
      m_fileBaseline(settings::FactoryImage()),
      m_printerBaseline(settings::FactoryImage()) {
    setWindowTitle(msg::WindowTitle());
    setWindowIcon(res::AppIcon());
    // A fixed-size window that can be minimised but not maximised or resized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    FillMenuBar(menuBar(), m_actions);
    ApplyMenuBarStyle(menuBar());
    auto* toolBar = addToolBar(QString());
    toolBar->setObjectName(QStringLiteral("commands"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    FillToolBar(toolBar, m_actions);
    setContextMenuPolicy(Qt::NoContextMenu);
    new WindowKeys(this);

    connect(m_actions.load, &QAction::triggered, this, &MainWindow::loadSettings);
    connect(m_actions.save, &QAction::triggered, this, &MainWindow::saveSettings);
    connect(m_actions.send, &QAction::triggered, this, &MainWindow::sendSettings);
    connect(m_actions.factory, &QAction::triggered, this, &MainWindow::factorySettings);
    connect(m_actions.printer, &QAction::triggered, this, &MainWindow::selectPrinter);
    connect(m_actions.exit, &QAction::triggered, this, &MainWindow::exitApp);
    connect(m_actions.helpContents, &QAction::triggered, this, &MainWindow::helpContents);
    connect(m_actions.about, &QAction::triggered, this, &MainWindow::about);
    for (int i = 0; i < m_actions.pages.size(); ++i)
        connect(m_actions.pages[i], &QAction::triggered, this, [this, i] { selectPage(i); });

    // A send the spooler completed is what the chosen printer last received.
    connect(m_jobFollower, &JobFollower::completed, this, [this](const QString& queue, qint64 at) {
        if (queue != m_printerName)
            return;
        m_lastSent = LastSentText(at, m_followedFile);
        showPrinter();
    });

    m_helpPath = help::HelpFileIn(platform::ExecutableDirectory(), platform::UserLanguage());
    m_actions.helpContents->setEnabled(QFileInfo(m_helpPath).isFile());

    createPages();
    createStatusBar();
    setCentralWidget(m_tabs);
    // The window is as large as its parts ask, always: the toolbar and the status texts grow
    // once polished and filled.
    showPrinter();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

void MainWindow::createPages() {
    m_tabs->setObjectName(QStringLiteral("pages"));
    // Every tab in one row, never cut or scrolled.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->tabBar()->setElideMode(Qt::ElideNone);
    for (const PageEntry& entry : PageTable()) {
        const int i = static_cast<int>(m_pages.size());
        m_pages.push_back(entry.create());
        m_tabs->addTab(m_pages[i], res::TabIcon(entry.tabImage), TabCaption(entry));
        if (auto* select = qobject_cast<SelectPage*>(m_pages[i]))
            m_selectPage = select;
        if (auto* param = qobject_cast<ParamPage*>(m_pages[i]))
            m_paramPage = param;
        connect(m_pages[i], &SettingsPage::changed, this, &MainWindow::dataCheck);
        connect(m_pages[i], &SettingsPage::showRequested, this, [this, i] {
            if (currentPageIndex() != i)
                selectPage(i);
        });
    }
}

void MainWindow::createStatusBar() {
    const char* names[] = {"printerName", "port", "lastReceived"};
    // The printer's name takes 10 parts of the width, its connection 7, its last settings job 11.
    const int stretches[] = {10, 7, 11};
    for (int part = 0; part < int(m_statusParts.size()); ++part) {
        m_statusParts[part] = new ElidedLabel;
        m_statusParts[part]->setObjectName(QLatin1String(names[part]));
        statusBar()->addWidget(m_statusParts[part], stretches[part]);
    }
    // Its date comes first and matters most; a long file name loses its end, not the date.
    m_statusParts[2]->setElideMode(Qt::ElideRight);
    statusBar()->setSizeGripEnabled(false);
}

QString MainWindow::statusText(int part) const {
    return m_statusParts[part]->fullText();
}

bool MainWindow::start() {
    m_startupDone = false;
    m_current = m_printerBaseline = m_fileBaseline = settings::FactoryImage();
    m_fileName.clear();
    m_actions.send->setEnabled(false);
    loadAllPages(m_current);
    selectPrinter();
    m_selectPage->refreshFormatButton();
    m_startupDone = true;
    // A file handed over while the printer was being chosen.
    if (!m_pendingFile.isEmpty())
        QMetaObject::invokeMethod(this, &MainWindow::openPendingFile, Qt::QueuedConnection);
    return !m_closed;
}

int MainWindow::currentPageIndex() const {
    return m_tabs->currentIndex();
}

void MainWindow::loadAllPages(const settings::SettingsImage& image) {
    // Filling edits raises data checks; they must not collect half-filled pages into the image.
    const bool wasLoading = m_loadingPages;
    m_loadingPages = true;
    const settings::SettingsImage source = image;
    for (SettingsPage* page : m_pages)
        page->load(source);
    m_loadingPages = wasLoading;
}

void MainWindow::storeAllPages(settings::SettingsImage& image) {
    for (SettingsPage* page : m_pages)
        page->store(image);
}

void MainWindow::dataCheck() {
    // A check raised inside a check (a validation message moving the focus) is ignored, so
    // validation messages cannot loop.
    if (m_inDataCheck)
        return;
    m_inDataCheck = true;
    ++m_dataChecksRun;
    if (m_startupDone && !m_loadingPages)
        storeAllPages(m_current);
    m_actions.send->setEnabled(true);
    m_inDataCheck = false;
}

void MainWindow::selectPage(int index) {
    if (index < 0 || index >= static_cast<int>(m_pages.size()))
        return;
    m_tabs->setCurrentIndex(index);
    // The page takes the focus unless the tabs hold it: the control it had last, else its first.
    QWidget* focus = focusWidget();
    SettingsPage* page = m_pages[index];
    if (focus == m_tabs->tabBar() || (focus && page->isAncestorOf(focus)))
        return;
    if (QWidget* last = page->focusWidget(); last && last->isVisible() && last->isEnabled()) {
        last->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget* w = page->nextInFocusChain(); w != page && page->isAncestorOf(w);
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void MainWindow::closePanel(int exitStatus) {
    m_closed = true;
    m_exitStatus = exitStatus;
    close();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowUnblocked && !m_pendingFile.isEmpty())
        QMetaObject::invokeMethod(this, &MainWindow::openPendingFile, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box runs the exit's questions; the window stays unless they let it go (the close
    // they ask for from inside this event is this one).
    if (!m_closed)
        exitApp();
    event->setAccepted(m_closed);
    if (m_closed)
        emit closed();
}
