#include "help/HelpWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

#include "help/ChmArchive.h"
#include "help/ChmSitemap.h"
#include "help/HelpBrowser.h"
#include "ui/Messages.h"

namespace {
constexpr int kPageRole = Qt::UserRole;

// Full-width and half-width letters match alike: "msw" finds "ＭＳＷ１".
QString Folded(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

// A sitemap file named by the archive: nothing when it names none, an error when it cannot be read.
bool ReadSitemap(const help::ChmArchive& archive, const QString& file, QList<help::SitemapEntry>& entries) {
    if (file.isEmpty())
        return true;
    const std::optional<QByteArray> bytes = archive.read(file);
    if (!bytes)
        return false;
    entries = help::ParseSitemap(archive.decode(*bytes));
    return true;
}
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(msg::HelpWindowTitle());

    QToolBar* toolBar = addToolBar(QString());
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The desktop's icons where it has a theme, Qt's own otherwise.
    const auto icon = [this](const char* name, QStyle::StandardPixmap fallback) {
        return QIcon::fromTheme(QString::fromLatin1(name), style()->standardIcon(fallback));
    };
    m_back = toolBar->addAction(icon("go-previous", QStyle::SP_ArrowBack), msg::HelpBack());
    m_back->setShortcut(QKeySequence::Back);
    m_forward = toolBar->addAction(icon("go-next", QStyle::SP_ArrowForward), msg::HelpForward());
    m_forward->setShortcut(QKeySequence::Forward);
    m_homeAction = toolBar->addAction(icon("go-home", QStyle::SP_DirHomeIcon), msg::HelpHome());
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_contents = new QTreeWidget;
    m_contents->setHeaderHidden(true);

    m_filter = new QLineEdit;
    m_filter->setPlaceholderText(msg::HelpIndexPrompt());
    m_filter->setClearButtonEnabled(true);
    m_index = new QListWidget;
    auto* showTopic = new QPushButton(msg::HelpShowTopic());
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(m_filter);
    indexLayout->addWidget(m_index);
    indexLayout->addWidget(showTopic, 0, Qt::AlignRight);

    m_tabs = new QTabWidget;
    m_tabs->addTab(m_contents, msg::HelpContentsTab());
    m_tabs->addTab(indexPage, msg::HelpIndexTab());

    m_browser = new HelpBrowser;
    auto* splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 620});
    setCentralWidget(splitter);
    resize(880, 620);

    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_homeAction, &QAction::triggered, this, &HelpWindow::onHome);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::onSourceChanged);
    connect(m_contents, &QTreeWidget::currentItemChanged, this, &HelpWindow::onContentsItem);
    connect(m_contents, &QTreeWidget::itemClicked, this, &HelpWindow::onContentsItem);
    connect(m_filter, &QLineEdit::textChanged, this, &HelpWindow::onIndexFilter);
    connect(m_filter, &QLineEdit::returnPressed, this, &HelpWindow::onShowIndexTopic);
    connect(m_index, &QListWidget::itemActivated, this, &HelpWindow::onShowIndexTopic);
    connect(showTopic, &QPushButton::clicked, this, &HelpWindow::onShowIndexTopic);
}

HelpWindow::~HelpWindow() {
    // The page view reads from the archive until it goes.
    m_browser->setArchive(nullptr);
}

bool HelpWindow::load(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return false;
    if (m_archive && path == m_path && info.lastModified() == m_modified && info.size() == m_size)
        return true;

    auto archive = std::make_unique<help::ChmArchive>();
    if (!archive->open(path))
        return false;
    // A file whose contents, index or first page cannot be read whole is damaged: it is reported,
    // not shown in part.
    QList<help::SitemapEntry> contents;
    QList<help::SitemapEntry> index;
    if (!ReadSitemap(*archive, archive->contentsFile(), contents) ||
        !ReadSitemap(*archive, archive->indexFile(), index))
        return false;
    QString home = archive->homePage();
    for (qsizetype i = 0; home.isEmpty() && i < contents.size(); ++i)
        home = contents[i].pages.value(0);
    if (home.isEmpty() || !archive->read(HelpBrowser::pageUrl(home).path()))
        return false;

    m_browser->setArchive(archive.get());
    m_archive = std::move(archive);
    m_path = path;
    m_modified = info.lastModified();
    m_size = info.size();
    m_home = home;
    setWindowTitle(m_archive->title().isEmpty() ? msg::HelpWindowTitle() : m_archive->title());
    fillContents(contents);
    fillIndex(index);
    showPage(m_home);
    // A page of the same name in a file read before is not taken for this one's, and the way
    // back leads through this file's pages only.
    m_browser->reload();
    m_browser->clearHistory();
    return true;
}

void HelpWindow::showPage(const QString& page) {
    m_browser->setSource(HelpBrowser::pageUrl(page));
}

void HelpWindow::fillContents(const QList<help::SitemapEntry>& entries) {
    const QSignalBlocker blocker(m_contents);
    m_contents->clear();
    // The last item made at each depth: the parent of the next, deeper one.
    QList<QTreeWidgetItem*> parents;
    for (const help::SitemapEntry& entry : entries) {
        const qsizetype depth = qMin<qsizetype>(entry.depth, parents.size());
        parents.resize(depth);
        auto* item = depth > 0 ? new QTreeWidgetItem(parents.last()) : new QTreeWidgetItem(m_contents);
        item->setText(0, entry.name);
        item->setData(0, kPageRole, entry.pages.value(0));
        parents.append(item);
    }
    m_contents->expandAll();
}

void HelpWindow::fillIndex(const QList<help::SitemapEntry>& entries) {
    const QSignalBlocker blocker(m_index);
    m_index->clear();
    for (const help::SitemapEntry& entry : entries) {
        if (entry.pages.isEmpty())
            continue;
        // A keyword under another one is shown indented below it.
        auto* item = new QListWidgetItem(QString(entry.depth * 2, QLatin1Char(' ')) + entry.name, m_index);
        item->setData(kPageRole, entry.pages.first());
    }
    onIndexFilter(m_filter->text());
}

void HelpWindow::onContentsItem(QTreeWidgetItem* item) {
    if (item && !item->data(0, kPageRole).toString().isEmpty())
        showPage(item->data(0, kPageRole).toString());
}

void HelpWindow::onIndexFilter(const QString& text) {
    const QString wanted = Folded(text.trimmed());
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < m_index->count(); ++i) {
        QListWidgetItem* item = m_index->item(i);
        const bool shown = Folded(item->text()).contains(wanted);
        item->setHidden(!shown);
        if (shown && !first)
            first = item;
    }
    m_index->setCurrentItem(first);
}

void HelpWindow::onShowIndexTopic() {
    QListWidgetItem* item = m_index->currentItem();
    if (item && !item->isHidden())
        showPage(item->data(kPageRole).toString());
}

void HelpWindow::onHome() {
    showPage(m_home);
}

void HelpWindow::onSourceChanged(const QUrl& url) {
    // The contents follow the page, however it was reached: the topic itself, else its page.
    const QUrl page = url.adjusted(QUrl::RemoveFragment);
    QTreeWidgetItem* samePage = nullptr;
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        const QUrl topic = HelpBrowser::pageUrl((*it)->data(0, kPageRole).toString());
        if (topic == url) {
            samePage = *it;
            break;
        }
        if (!samePage && topic.adjusted(QUrl::RemoveFragment) == page)
            samePage = *it;
    }
    if (!samePage)
        return;
    const QSignalBlocker blocker(m_contents);
    m_contents->setCurrentItem(samePage);
}

bool ShowHelpWindow(QWidget* owner, const QString& path) {
    static QPointer<HelpWindow> window;
    if (!window) {
        auto* made = new HelpWindow;
        window = made;
        QObject::connect(owner, &QObject::destroyed, made, [made] { delete made; });
    }
    if (!window->load(path))
        return false;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}
