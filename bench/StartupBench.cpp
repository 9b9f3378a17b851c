// Start-up to a shown window, for bench/startup.sh: either the main window on an in-memory
// spooler or, for comparison, a minimal Qt dialog. The process ends once the window is exposed.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <cstring>

#include "app/MainWindow.h"
#include "platform/PrinterSystem.h"
#include "tests/support/InMemoryPrinterSystem.h"

namespace {
int ShowUntilExposed(QApplication& app, QWidget* window) {
    window->show();
    QTimer::singleShot(0, &app, [&app] { app.quit(); });
    return app.exec();
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "minimal") == 0) {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel(QStringLiteral("ORV Quillstrike 540QZ7 ブリンドルマーク")));
        return ShowUntilExposed(app, &dialog);
    }
    testing_support::InMemoryPrinter printer;
    printer.name = "Quill";
    printer.device = "USB001";
    printer.makeAndModel = "ORV Quillstrike 540QZ7";
    testing_support::InMemoryPrinterSystem printers({printer});
    platform::SetPrinterSystemForTesting(&printers);
    MainWindow window;
    if (!window.start())
        return 1;
    return ShowUntilExposed(app, &window);
}
