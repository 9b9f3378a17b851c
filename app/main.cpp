#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/PanelApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt's own Japanese texts for the standard buttons (はい / いいえ / キャンセル).
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&qtTexts);
    }
    PanelApp panel;
    panel.InitInstance();
    return 0;
}
