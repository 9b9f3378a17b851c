#include "ui/MainActions.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>

#include "res/Images.h"
#include "ui/Messages.h"
#include "ui/ToolTipsAtRest.h"

namespace {

QAction* Command(QWidget* window, const QString& text, const QKeySequence& keys, const QIcon& icon,
                 const QString& tip = {}) {
    auto* action = new QAction(icon, text, window);
    action->setShortcut(keys);
    if (!tip.isEmpty())
        action->setToolTip(tip);
    window->addAction(action);
    return action;
}

}  // namespace

MainActions CreateMainActions(QWidget* window, const QList<PageCommand>& pages) {
    MainActions a{};
    a.load = Command(window, msg::LoadItem(), Qt::CTRL | Qt::Key_O, res::ToolbarIcon(0), msg::LoadTip());
    a.save = Command(window, msg::SaveItem(), Qt::CTRL | Qt::Key_S, res::ToolbarIcon(1), msg::SaveTip());
    a.send = Command(window, msg::SendItem(), Qt::CTRL | Qt::Key_W, res::ToolbarIcon(2), msg::SendTip());
    a.factory =
        Command(window, msg::FactoryItem(), Qt::CTRL | Qt::Key_I, res::ToolbarIcon(3), msg::FactoryTip());
    a.printer =
        Command(window, msg::PrinterItem(), Qt::CTRL | Qt::Key_C, res::ToolbarIcon(4), msg::PrinterTip());
    a.exit = Command(window, msg::ExitItem(), {}, {});
    for (const PageCommand& page : pages)
        a.pages.append(Command(window, page.text, Qt::CTRL | page.key, res::MenuIcon(page.image)));
    a.helpContents = Command(window, msg::HelpContentsItem(), Qt::Key_F1, {});
    a.about = Command(window, msg::AboutItem(), {}, {});
    return a;
}

void FillMenuBar(QMenuBar* bar, const MainActions& a) {
    QMenu* file = bar->addMenu(msg::FileMenu());
    file->addActions({a.load, a.save});
    file->addSeparator();
    file->addActions({a.send, a.factory});
    file->addSeparator();
    file->addAction(a.printer);
    file->addSeparator();
    file->addAction(a.exit);
    QMenu* pages = bar->addMenu(msg::PageMenu());
    for (QAction* page : a.pages)
        pages->addAction(page);
    QMenu* help = bar->addMenu(msg::HelpMenu());
    help->addAction(a.helpContents);
    help->addSeparator();
    help->addAction(a.about);
}

void FillToolBar(QToolBar* bar, const MainActions& a) {
    bar->addSeparator();
    bar->addActions({a.load, a.save});
    bar->addSeparator();
    bar->addAction(a.send);
    bar->addSeparator();
    bar->addAction(a.factory);
    bar->addSeparator();
    bar->addAction(a.printer);
    new ToolTipsAtRest(bar);
}
