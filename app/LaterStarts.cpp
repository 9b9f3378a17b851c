#include "app/LaterStarts.h"

#include <QApplication>

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

void ServeLaterStarts(platform::SingleInstance& instance, MainWindow& window) {
    instance.onActivateRequest([&window](const QByteArray& file) {
        ComeForward(window);
        if (!file.isEmpty())
            window.openWhenFree(file);
    });
}
