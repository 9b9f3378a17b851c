#pragma once
#include <QDateTime>
#include <QList>
#include <QMainWindow>
#include <memory>

class HelpBrowser;
class QAction;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace help {
class ChmArchive;
struct SitemapEntry;
}  // namespace help

// The program's own viewer of its compiled help file, for desktops without one: the file's
// contents tree and keyword index beside its pages, with back, forward and the first page.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Reads the help file and shows its first page; false, leaving the window as it was, when the
    // file is missing or damaged. The same file again, unchanged, keeps the page and the history.
    bool load(const QString& path);
    // A page as the contents and the index name it ("commands.html#send").
    void showPage(const QString& page);

    HelpBrowser* browser() const { return m_browser; }
    QTabWidget* tabs() const { return m_tabs; }
    QTreeWidget* contents() const { return m_contents; }
    QLineEdit* indexFilter() const { return m_filter; }
    QListWidget* index() const { return m_index; }
    QAction* backAction() const { return m_back; }
    QAction* forwardAction() const { return m_forward; }

private slots:
    void onContentsItem(QTreeWidgetItem* item);
    void onIndexFilter(const QString& text);
    void onShowIndexTopic();
    void onSourceChanged(const QUrl& url);
    void onHome();

private:
    void fillContents(const QList<help::SitemapEntry>& entries);
    void fillIndex(const QList<help::SitemapEntry>& entries);

    std::unique_ptr<help::ChmArchive> m_archive;
    QString m_path;
    QDateTime m_modified;
    qint64 m_size = -1;
    QString m_home;

    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_homeAction = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_contents = nullptr;
    QLineEdit* m_filter = nullptr;
    QListWidget* m_index = nullptr;
    HelpBrowser* m_browser = nullptr;
};

// Help -> Contents: the help file in the run's one help window, made on first use, hidden rather than
// closed so that it comes back with its page and place, and deleted with owner (the main window).
// False when the file is missing or cannot be read.
bool ShowHelpWindow(QWidget* owner, const QString& path);
