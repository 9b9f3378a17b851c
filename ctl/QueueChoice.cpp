#include "ctl/QueueChoice.h"

#include <algorithm>

#include "platform/ModelPrinter.h"

namespace ctl {

namespace {
bool PrintsIntoAFile(const platform::PrinterQueue& queue) {
    return platform::QueuePort(queue) == platform::kFilePort;
}
}  // namespace

bool IsListedQueue(const platform::PrinterQueue& queue) {
    return platform::IsModelDriver(queue) && !PrintsIntoAFile(queue);
}

std::optional<QString> Unsendable(const platform::PrinterQueue& queue) {
    if (!platform::IsModelDriver(queue)) {
        return QStringLiteral("not a queue of the %1 (its driver is '%2')")
            .arg(QString::fromLatin1(platform::kModelDriver), QString::fromStdString(queue.makeAndModel));
    }
    if (PrintsIntoAFile(queue))
        return QStringLiteral("the queue prints into a file: the settings would never reach a printer");
    if (!platform::IsModelQueue(queue)) {
        const QString reason = QString::fromStdString(queue.stateReason);
        return QStringLiteral("the queue is not accepting jobs") +
               (reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason));
    }
    return std::nullopt;
}

bool SameQueueName(const QString& queue, const QString& name) {
    const QByteArray a = queue.toUtf8(), b = name.toUtf8();
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

QString StateWord(platform::QueueState state) {
    switch (state) {
        case platform::QueueState::Processing:
            return QStringLiteral("printing");
        case platform::QueueState::Stopped:
            return QStringLiteral("stopped");
        case platform::QueueState::Idle:
            break;
    }
    return QStringLiteral("idle");
}

}  // namespace ctl
