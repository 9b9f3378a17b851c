// Help -> Contents on the help file the build makes: the program's own window shows every topic of
// its contents, every link of every page leads to a page of the file, the index finds keywords,
// the window is kept for the run, and a damaged file is reported as a missing one.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

#include "help/HelpBrowser.h"
#include "help/HelpViewer.h"
#include "help/HelpWindow.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ScopedVariable.h"
#include "ui/Messages.h"

namespace {

const QString kTitle = QStringLiteral("ブリンドルマーク ヘルプ");

QByteArray BuiltHelpFile() {
    QFile file(QStringLiteral(BMK540_CHM));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a page shows: its links, the pictures it draws and the places a link can aim at.
struct PageParts {
    QStringList links;
    QStringList images;
    QStringList anchors;
};

PageParts PartsOf(const QTextDocument& document) {
    PageParts parts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor()) {
                if (!format.anchorHref().isEmpty())
                    parts.links << format.anchorHref();
                parts.anchors << format.anchorNames();
            }
            if (format.isImageFormat())
                parts.images << format.toImageFormat().name();
        }
    }
    return parts;
}

class HelpWindowTest : public MainWindowTest {
protected:
    HelpWindowTest() {
        help::SetHelpOpenerForTesting({});  // the program's own viewer, as in use
    }

    // The built help file beside the executable, or only its first bytes.
    void InstallHelpFile(qsizetype size = -1) {
        const QByteArray bytes = BuiltHelpFile();
        ASSERT_FALSE(bytes.isEmpty()) << BMK540_CHM;
        QFile file(TempPath(QStringLiteral("bmk540.chm")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(size < 0 ? bytes : bytes.left(size));
    }

    static HelpWindow* ShownHelpWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible())
                return help;
        }
        return nullptr;
    }

    // The page at url is shown whole: found in the file, titled, and scrolled to its anchor.
    static void ExpectPageShown(HelpWindow& help, const QUrl& url, const QString& from) {
        HelpBrowser& browser = *help.browser();
        EXPECT_EQ(browser.source(), url) << qPrintable(from);
        EXPECT_FALSE(browser.documentTitle().isEmpty()) << qPrintable(url.toString());
        EXPECT_NE(browser.documentTitle(), msg::HelpPageMissingTitle())
            << qPrintable(url.toString()) << " from " << qPrintable(from);
        EXPECT_FALSE(browser.toPlainText().trimmed().isEmpty()) << qPrintable(url.toString());
        if (url.hasFragment()) {
            EXPECT_TRUE(PartsOf(*browser.document()).anchors.contains(url.fragment()))
                << qPrintable(url.toString()) << " from " << qPrintable(from);
        }
    }
};

TEST_F(HelpWindowTest, EveryTopicOfTheContentsAndEveryLinkOfItsPagesLeadsToAPageOfTheFile) {
    InstallHelpFile();
    StartMainWindow();
    Press(Qt::Key_F1, Qt::NoModifier);
    HelpWindow* help = ShownHelpWindow();
    ASSERT_NE(help, nullptr);
    // The title from the file and its first page, both read in the file's code page.
    EXPECT_EQ(help->windowTitle(), kTitle);
    EXPECT_EQ(help->browser()->documentTitle(), kTitle);
    // The file's stylesheet is read too: the note on the first page has its pale yellow.
    bool noteStyled = false;
    for (QTextBlock block = help->browser()->document()->begin(); block.isValid(); block = block.next())
        noteStyled = noteStyled || block.blockFormat().background().color() == QColor(0xff, 0xff, 0xe0);
    EXPECT_TRUE(noteStyled);

    QList<QUrl> pages;
    int topics = 0;
    for (QTreeWidgetItemIterator it(help->contents()); *it; ++it, ++topics) {
        help->contents()->setCurrentItem(*it);  // as a click on the topic
        const QUrl url = HelpBrowser::pageUrl((*it)->data(0, Qt::UserRole).toString());
        ExpectPageShown(*help, url, (*it)->text(0));
        if (!pages.contains(url.adjusted(QUrl::RemoveFragment)))
            pages << url.adjusted(QUrl::RemoveFragment);
    }
    QFile toc(QStringLiteral(BMK_SOURCE_DIR "/res/help/toc.hhc"));
    ASSERT_TRUE(toc.open(QIODevice::ReadOnly));
    EXPECT_EQ(topics, toc.readAll().count("type=\"text/sitemap\""));

    // Every page reached, by the contents or by a link, has its links followed in turn.
    int links = 0;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QUrl page = pages[i];
        help->browser()->setSource(page);
        const PageParts parts = PartsOf(*help->browser()->document());
        for (const QString& image : parts.images) {
            const QVariant picture =
                help->browser()->loadResource(QTextDocument::ImageResource, page.resolved(image));
            EXPECT_FALSE(picture.value<QImage>().isNull())
                << qPrintable(image) << " on " << qPrintable(page.toString());
        }
        for (const QString& link : parts.links) {
            const QUrl target = page.resolved(QUrl(link));
            ASSERT_TRUE(HelpBrowser::isInArchive(target)) << qPrintable(link);
            help->browser()->setSource(page);
            help->browser()->setSource(target);  // as a click on the link
            ExpectPageShown(*help, target, page.toString());
            ++links;
            if (!pages.contains(target.adjusted(QUrl::RemoveFragment)))
                pages << target.adjusted(QUrl::RemoveFragment);
        }
    }
    EXPECT_GT(links, 100);
    // Every page of the file is reached.
    EXPECT_EQ(pages.size(),
              QDir(QStringLiteral(BMK_SOURCE_DIR "/res/help")).entryList({QStringLiteral("*.html")}).size());
}

TEST_F(HelpWindowTest, TheIndexFindsAKeywordAndOpensItsTopic) {
    InstallHelpFile();
    StartMainWindow();
    main->actions().helpContents->trigger();
    HelpWindow* help = ShownHelpWindow();
    ASSERT_NE(help, nullptr);
    help->tabs()->setCurrentIndex(1);
    EXPECT_EQ(help->tabs()->tabText(1), QStringLiteral("キーワード"));
    EXPECT_GT(help->index()->count(), 60);

    // Japanese is typed through the input method, which hands over the finished word.
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("ステータス"));
    QApplication::sendEvent(help->indexFilter(), &typed);
    int shown = 0;
    for (int i = 0; i < help->index()->count(); ++i)
        shown += help->index()->item(i)->isHidden() ? 0 : 1;
    EXPECT_EQ(shown, 1);
    ASSERT_NE(help->index()->currentItem(), nullptr);
    EXPECT_EQ(help->index()->currentItem()->text(), QStringLiteral("ステータスバー"));
    QTest::keyClick(help->indexFilter(), Qt::Key_Return);
    ExpectPageShown(*help, HelpBrowser::pageUrl(QStringLiteral("toolbar.html#statusbar")),
                    QStringLiteral("index"));
}

TEST_F(HelpWindowTest, TheWindowComesBackWithItsPageHistoryAndPlaceUntilTheMainWindowGoes) {
    InstallHelpFile();
    StartMainWindow();
    main->actions().helpContents->trigger();
    QPointer<HelpWindow> help = ShownHelpWindow();
    ASSERT_FALSE(help.isNull());
    const QUrl keys = HelpBrowser::pageUrl(QStringLiteral("keys.html"));
    const QUrl load = HelpBrowser::pageUrl(QStringLiteral("commands.html#load"));
    help->showPage(QStringLiteral("keys.html"));
    help->browser()->setSource(load);
    // The contents follow the page shown.
    ASSERT_NE(help->contents()->currentItem(), nullptr);
    EXPECT_EQ(help->contents()->currentItem()->text(0), QStringLiteral("設定ファイルの読み込み"));
    help->backAction()->trigger();
    EXPECT_EQ(help->browser()->source(), keys);
    EXPECT_TRUE(help->forwardAction()->isEnabled());
    help->forwardAction()->trigger();
    EXPECT_EQ(help->browser()->source(), load);
    help->backAction()->trigger();

    help->setGeometry(40, 50, 700, 500);
    const QRect place = help->geometry();
    help->close();
    EXPECT_EQ(ShownHelpWindow(), nullptr);
    main->actions().helpContents->trigger();
    EXPECT_EQ(ShownHelpWindow(), help.data());
    EXPECT_EQ(help->browser()->source(), keys);
    EXPECT_TRUE(help->forwardAction()->isEnabled());
    EXPECT_EQ(help->geometry(), place);

    main.reset();
    EXPECT_TRUE(help.isNull());
}

// F1 opens the help of the user's language: the English file under an English locale when it is
// beside the program, the Japanese one otherwise.
TEST_F(HelpWindowTest, TheHelpFollowsTheUsersLanguageAndIsJapaneseWithoutAnEnglishFile) {
    InstallHelpFile();
    QFile english(QStringLiteral(BMK540_EN_CHM));
    ASSERT_TRUE(english.copy(TempPath(QStringLiteral("bmk540-en.chm")))) << BMK540_EN_CHM;
    const struct {
        const char* locale;
        bool englishFile;
        QString title;
    } cases[] = {
        {"en_US.UTF-8", true, QStringLiteral("Brindlemark Help")},
        {"ja_JP.UTF-8", true, kTitle},
        {"en_US.UTF-8", false, kTitle},
    };
    for (const auto& c : cases) {
        if (!c.englishFile) {
            ASSERT_TRUE(QFile::remove(TempPath(QStringLiteral("bmk540-en.chm"))));
        }
        const testing_support::ScopedVariable locale("LC_ALL", c.locale);
        StartMainWindow();
        Press(Qt::Key_F1, Qt::NoModifier);
        HelpWindow* help = ShownHelpWindow();
        ASSERT_NE(help, nullptr) << c.locale;
        EXPECT_EQ(help->windowTitle(), c.title) << c.locale;
        EXPECT_EQ(help->browser()->documentTitle(), c.title) << c.locale;
        main.reset();
    }
}

TEST_F(HelpWindowTest, AMissingOrDamagedFileIsReportedAndNoWindowShown) {
    const qsizetype size = BuiltHelpFile().size();
    ASSERT_GT(size, 8000);
    InstallHelpFile();
    StartMainWindow();
    ASSERT_TRUE(QFile::remove(TempPath(QStringLiteral("bmk540.chm"))));  // gone since the start
    user.expectWarning(msg::HelpNotFound(), msg::Caption());
    main->actions().helpContents->trigger();
    // Cut anywhere: in the header, the directory, the compressed pages, near the end.
    for (const qsizetype cut : {qsizetype(0), qsizetype(90), qsizetype(600), qsizetype(4096), qsizetype(8000),
                                size / 2, size - 800}) {
        InstallHelpFile(cut);
        user.expectWarning(msg::HelpNotFound(), msg::Caption());
        main->actions().helpContents->trigger();
        EXPECT_EQ(ShownHelpWindow(), nullptr) << cut;
    }
    EXPECT_EQ(user.boxes().size(), 8u);
}

}  // namespace
