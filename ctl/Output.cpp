#include "ctl/Output.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace ctl {

QTextStream& Out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& Err() {
    static QTextStream stream(stderr);
    return stream;
}

void Error(const QString& message) {
    Out().flush();
    Err() << QCoreApplication::applicationName() << ": " << message << Qt::endl;
}

void PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        Out() << line.c_str() << '\n';
    Out().flush();
}

void PrintJson(const QJsonValue& value) {
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    Out() << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
    Out().flush();
}

}  // namespace ctl
