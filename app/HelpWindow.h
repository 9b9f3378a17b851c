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

namespace platform {
class ChmArchive;
struct SitemapEntry;
}  // namespace platform

// The program's own viewer of its compiled help file, for desktops without one: the file's
// contents tree and keyword index beside its pages, with back, forward and the first page.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Reads the help file and shows its first page; false, leaving the window as it was, when the
    // file is missing or damaged. The same file again, unchanged, keeps the page and the history.
    bool Load(const QString& path);
    // A page as the contents and the index name it ("commands.html#send").
    void ShowPage(const QString& page);

    HelpBrowser* Browser() const { return m_browser; }
    QTabWidget* Tabs() const { return m_tabs; }
    QTreeWidget* Contents() const { return m_contents; }
    QLineEdit* IndexFilter() const { return m_filter; }
    QListWidget* Index() const { return m_index; }
    QAction* BackAction() const { return m_back; }
    QAction* ForwardAction() const { return m_forward; }

private slots:
    void OnContentsItem(QTreeWidgetItem* item);
    void OnIndexFilter(const QString& text);
    void OnShowIndexTopic();
    void OnSourceChanged(const QUrl& url);
    void OnHome();

private:
    void FillContents(const QList<platform::SitemapEntry>& entries);
    void FillIndex(const QList<platform::SitemapEntry>& entries);

    std::unique_ptr<platform::ChmArchive> m_archive;
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
