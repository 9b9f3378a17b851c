#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "app/MainWindow.h"
#include "platform/SingleInstance.h"

namespace {

// Brings forward what this instance shows: the printer choice while it starts, else the window.
void ComeForward(MainWindow& window) {
    QWidget* shown = QApplication::activeModalWidget();
    if (!shown) {
        if (!window.startupDone())
            return;
        shown = &window;
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
    }
    shown->raise();
    shown->activateWindow();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt's own Japanese texts for the standard buttons (はい / いいえ / キャンセル).
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&qtTexts);
    }
    // One instance per user and session: a second start brings the running one forward.
    platform::SingleInstance instance(QCoreApplication::applicationName());
    const bool running = instance.Acquire();
    if (!instance.warning().isEmpty())
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(instance.warning()));
    if (!running) {
        instance.ActivateRunning();
        return 0;
    }
    // The help window goes with the main window, not after it.
    app.setQuitOnLastWindowClosed(false);
    MainWindow window;
    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit);
    instance.OnActivateRequest([&window] { ComeForward(window); });
    if (!window.start())
        return 0;
    window.show();
    return app.exec();
}
