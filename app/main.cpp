#include <QApplication>
#include <cstdio>
#include <optional>

#include "app/CommandLine.h"
#include "app/LaterStarts.h"
#include "app/MainWindow.h"
#include "platform/SingleInstance.h"
#include "platform/Translations.h"

int main(int argc, char** argv) {
    if (const std::optional<int> answered = cli::AnswerWithoutWindow(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    const std::optional<QByteArray> file = cli::FileToOpen(argc, argv);
    if (!file)
        return cli::kUsageError;
    // The window's texts, and Qt's own (はい / いいえ / キャンセル), in the user's language.
    const platform::Translations translations(platform::UserLanguage());
    if (!translations.found())
        std::fprintf(stderr, "%s: the English texts (bmk540_en.qm) were not found; they stay Japanese\n",
                     qPrintable(QCoreApplication::applicationName()));
    // One instance per user and session: a second start brings the running one forward and hands
    // it the file to open.
    platform::SingleInstance instance(QCoreApplication::applicationName());
    const bool running = instance.acquire();
    if (!instance.warning().isEmpty())
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(instance.warning()));
    if (!running) {
        // Without a file the start only brings the window forward; a file unheard of is worth saying.
        if (!instance.activateRunning(*file) && !file->isEmpty()) {
            std::fprintf(stderr, "%s: the running instance did not answer; %s was not opened\n",
                         qPrintable(QCoreApplication::applicationName()), file->constData());
            return 1;
        }
        return 0;
    }
    // The help window goes with the main window, not after it.
    app.setQuitOnLastWindowClosed(false);
    MainWindow window;
    QObject::connect(&window, &MainWindow::closed, &app, [&] { app.exit(window.exitStatus()); });
    ServeLaterStarts(instance, window);
    if (!window.start())
        return window.exitStatus();
    window.show();
    if (!file->isEmpty())
        window.openWhenFree(*file);
    return app.exec();
}
