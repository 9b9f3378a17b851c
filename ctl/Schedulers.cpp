#include "ctl/Schedulers.h"

#include <QRegularExpression>
#include <cstring>
#include <future>

#include "ctl/Output.h"
#include "platform/CupsJob.h"
#include "platform/CupsPrinterSystem.h"

namespace ctl {

namespace {

// A socket path, a host or address with an optional port, or a bare IPv6 address.
bool NamesScheduler(const QString& value) {
    static const QRegularExpression kForm(QStringLiteral(
        R"(^(/.*|\[[0-9A-Fa-f:.%\w]+\](:(?<p1>\d{1,5}))?|[^:/\s\[\]]+(:(?<p2>\d{1,5}))?|[0-9A-Fa-f]*(:[0-9A-Fa-f]*){2,7})$)"));
    const QRegularExpressionMatch match = kForm.match(value);
    if (!match.hasMatch())
        return false;
    const QString port = match.captured(QStringLiteral("p1")) + match.captured(QStringLiteral("p2"));
    return port.isEmpty() || (port.toInt() >= 1 && port.toInt() <= 65535);
}

// The scheduler CUPS uses when none is named, as an address a printer system takes outright.
Scheduler DefaultScheduler() {
    const platform::CupsServer server = platform::CupsServer::current();
    const QString host = QString::fromStdString(server.host);
    if (host.startsWith(QLatin1Char('/')))
        return {host, server.host};
    const QString address =
        (host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2") : QStringLiteral("%1:%2"))
            .arg(host)
            .arg(server.port);
    return {server.port == IPP_PORT ? host : address, address.toStdString()};
}

}  // namespace

std::optional<std::vector<Scheduler>> SchedulersFromOptions(const QStringList& values) {
    if (values.isEmpty())
        return std::vector<Scheduler>{DefaultScheduler()};
    std::vector<Scheduler> schedulers;
    std::vector<platform::CupsServer> seen;
    for (const QString& value : values) {
        if (!NamesScheduler(value)) {
            Error(QStringLiteral("--server '%1' names no scheduler: give HOST, HOST:PORT, [ADDRESS]:PORT "
                                 "or the path of its socket")
                      .arg(value));
            return std::nullopt;
        }
        // The same scheduler twice would get every job twice.
        const platform::CupsServer server = platform::CupsServer::parse(value.toStdString());
        if (std::find(seen.begin(), seen.end(), server) != seen.end())
            continue;
        seen.push_back(server);
        schedulers.push_back({value, value.toStdString()});
    }
    return schedulers;
}

std::unique_ptr<platform::PrinterSystem> Connect(const Scheduler& scheduler,
                                                 std::optional<Clock::time_point> deadline) {
    auto system = std::make_unique<platform::CupsPrinterSystem>(scheduler.address);
    if (deadline)
        system->setDeadline(*deadline);
    return system;
}

QString SchedulerFailure(const std::string& failure, std::optional<Clock::time_point> deadline) {
    if (deadline && Clock::now() >= *deadline)
        return QStringLiteral("no answer from the scheduler before the wait ran out");
    if (failure.empty() || failure == std::strerror(0))
        return QStringLiteral("no answer from the scheduler in time");
    return QString::fromStdString(failure);
}

Listing ListQueues(platform::PrinterSystem& system, std::optional<Clock::time_point> deadline) {
    Listing listing{system.queues(), {}};
    // CUPS keeps the last error per thread: this one's is the listing's.
    if (!listing.queues)
        listing.failure = SchedulerFailure(platform::LastCupsError(), deadline);
    return listing;
}

std::vector<Listing> ListQueues(const std::vector<Scheduler>& schedulers) {
    std::vector<std::future<Listing>> asked;
    for (const Scheduler& scheduler : schedulers) {
        asked.push_back(std::async(std::launch::async,
                                   [&scheduler] { return ListQueues(*Connect(scheduler), std::nullopt); }));
    }
    std::vector<Listing> listings;
    for (auto& listing : asked)
        listings.push_back(listing.get());
    return listings;
}

}  // namespace ctl
