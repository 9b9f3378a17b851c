#include "ctl/Schedulers.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <future>

#include "ctl/Interruption.h"
#include "ctl/Output.h"
#include "platform/CupsJob.h"

namespace ctl {

namespace {

// A request that takes longer has met a scheduler that stopped answering; a longer timeout
// is surely a mistake.
constexpr double kDefaultTimeoutSeconds = 5;
constexpr int kLongestTimeoutSeconds = 3600;

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

QString Seconds(Clock::duration duration) {
    return QString::number(std::chrono::duration<double>(duration).count(), 'g', 3);
}

bool ShareAny(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return std::any_of(a.begin(), a.end(),
                       [&](const std::string& e) { return std::find(b.begin(), b.end(), e) != b.end(); });
}

QString Unreachable(const Scheduler& scheduler, const Bounds& bounds) {
    const platform::CupsServer server = platform::CupsServer::parse(scheduler.address);
    const bool socket = scheduler.address.starts_with('/');
    using std::chrono::milliseconds;
    const auto probe = std::chrono::duration_cast<milliseconds>(
        std::min<Clock::duration>(bounds.timeout, std::chrono::seconds(1)));
    switch (const int error = platform::ConnectError(server, static_cast<int>(probe.count()))) {
        case ENOENT:
            return socket ? QStringLiteral("no such socket") : QStringLiteral("no such host");
        case ECONNREFUSED:
            return socket ? QStringLiteral("refused: no scheduler listens on the socket")
                          : QStringLiteral("refused: no scheduler listens at that address and port");
        case ETIMEDOUT:
            return QStringLiteral("not answering: no connection within %1 s").arg(Seconds(bounds.timeout));
        case EACCES:
            return QStringLiteral("not allowed to connect to the socket");
        case 0:
            return QStringLiteral("the connection failed");
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

}  // namespace

QCommandLineOption ServerOption() {
    return {QStringLiteral("server"),
            QStringLiteral("A CUPS scheduler: HOST, HOST:PORT, [ADDRESS]:PORT or a socket path (repeat for "
                           "more). Default: the one CUPS uses."),
            QStringLiteral("S")};
}

QCommandLineOption TimeoutOption() {
    return {QStringLiteral("timeout"),
            QStringLiteral("Give up on a scheduler that has not connected or answered a request after "
                           "SECONDS (default %1).")
                .arg(kDefaultTimeoutSeconds),
            QStringLiteral("SECONDS")};
}

std::optional<SchedulerChoice> SchedulersFromOptions(const QStringList& values) {
    if (values.isEmpty())
        return SchedulerChoice{{DefaultScheduler()}, {}};
    SchedulerChoice choice;
    std::vector<std::vector<std::string>> endpoints;
    for (const QString& value : values) {
        const std::optional<platform::CupsServer> server = platform::CupsServer::named(value.toStdString());
        if (!server) {
            Error(QStringLiteral("--server '%1' names no scheduler: give HOST, HOST:PORT, [ADDRESS]:PORT "
                                 "or the path of its socket")
                      .arg(value));
            return std::nullopt;
        }
        // The same scheduler under two names would get every job twice.
        std::vector<std::string> reached = server->endpoints();
        if (reached.empty())  // resolves to nothing: only the same name is the same scheduler
            reached.push_back("name " + server->host + " " + std::to_string(server->port));
        const auto same = std::find_if(endpoints.begin(), endpoints.end(),
                                       [&](const auto& other) { return ShareAny(reached, other); });
        if (same != endpoints.end()) {
            const QString first = choice.schedulers[std::size_t(same - endpoints.begin())].name;
            if (value != first) {
                choice.aliases.push_back(
                    {value, true, QStringLiteral("the same scheduler as %1: asked once").arg(first)});
            }
            continue;
        }
        endpoints.push_back(std::move(reached));
        choice.schedulers.push_back({value, value.toStdString()});
    }
    return choice;
}

std::optional<Clock::duration> TimeoutFromOption(const QCommandLineParser& parser) {
    if (parser.isSet(QStringLiteral("timeout")))
        return SecondsOf(parser, QStringLiteral("timeout"), kLongestTimeoutSeconds, "an hour");
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(kDefaultTimeoutSeconds));
}

std::optional<Clock::duration> SecondsOf(const QCommandLineParser& parser, const QString& option, int longest,
                                         const char* longestInWords) {
    bool number = false;
    const double seconds = parser.value(option).toDouble(&number);
    if (!number || !(seconds > 0) || seconds > longest) {
        Error(QStringLiteral("--%1 takes a number of seconds above 0, at most %2; not '%3'")
                  .arg(option, QLatin1String(longestInWords), parser.value(option)));
        return std::nullopt;
    }
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

std::unique_ptr<platform::CupsPrinterSystem> Connect(const Scheduler& scheduler, const Bounds& bounds) {
    auto system = std::make_unique<platform::CupsPrinterSystem>(scheduler.address);
    system->boundEachCall(std::chrono::ceil<std::chrono::milliseconds>(bounds.timeout));
    if (bounds.deadline)
        system->setDeadline(*bounds.deadline);
    system->abandonWhen(bounds.stop);
    return system;
}

QString SchedulerFailure(const platform::CupsPrinterSystem& system, const Scheduler& scheduler,
                         const Bounds& bounds) {
    using Outcome = platform::CupsPrinterSystem::Outcome;
    switch (system.lastOutcome()) {
        case Outcome::Unreachable:
            return Unreachable(scheduler, bounds);
        case Outcome::Unanswered:
            if (Interruption())
                return QStringLiteral("interrupted before the scheduler answered");
            if (bounds.deadline && Clock::now() >= *bounds.deadline)
                return QStringLiteral("no answer from the scheduler before the wait ran out");
            return QStringLiteral("not answering: no answer within %1 s").arg(Seconds(bounds.timeout));
        case Outcome::Cut:
            return QStringLiteral("the connection to the scheduler broke off before its answer");
        case Outcome::Answered:
            break;
    }
    return QString::fromStdString(platform::LastCupsError());
}

Listing ListQueues(platform::CupsPrinterSystem& system, const Scheduler& scheduler, const Bounds& bounds) {
    Listing listing{system.queues(), {}, system.listedQueueIds()};
    // CUPS keeps the last error per thread: this one's is the listing's.
    if (!listing.queues)
        listing.failure = SchedulerFailure(system, scheduler, bounds);
    return listing;
}

bool SameScheduler(const Listing& a, const Listing& b) {
    return a.queues && b.queues && ShareAny(a.ids, b.ids);
}

std::vector<Listing> ListQueues(const std::vector<Scheduler>& schedulers, const Bounds& bounds) {
    std::vector<std::future<Listing>> asked;
    for (const Scheduler& scheduler : schedulers) {
        asked.push_back(std::async(std::launch::async, [&scheduler, &bounds] {
            return ListQueues(*Connect(scheduler, bounds), scheduler, bounds);
        }));
    }
    std::vector<Listing> listings;
    for (auto& listing : asked) {
        listings.push_back(listing.get());
        for (std::size_t earlier = 0; earlier + 1 < listings.size(); ++earlier) {
            if (!listings[earlier].sameAs && SameScheduler(listings[earlier], listings.back())) {
                listings.back().sameAs = earlier;
                break;
            }
        }
    }
    return listings;
}

std::vector<SchedulerEntry> SchedulerEntries(const SchedulerChoice& choice,
                                             const std::vector<const Listing*>& listings) {
    std::vector<SchedulerEntry> entries;
    for (std::size_t s = 0; s < choice.schedulers.size(); ++s) {
        const Listing* listing = listings[s];
        if (listing && listing->sameAs)
            entries.push_back({choice.schedulers[s].name, true,
                               QStringLiteral("the same scheduler as %1: asked once")
                                   .arg(choice.schedulers[*listing->sameAs].name)});
        else if (listing && listing->queues)
            entries.push_back({choice.schedulers[s].name});
        else
            entries.push_back(
                {choice.schedulers[s].name, false,
                 listing ? listing->failure : QStringLiteral("interrupted before it answered")});
    }
    entries.insert(entries.end(), choice.aliases.begin(), choice.aliases.end());
    return entries;
}

}  // namespace ctl
