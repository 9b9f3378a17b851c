#include "tests/support/PrivateCupsd.h"

#include <arpa/inet.h>
#include <cups/cups.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace testing_support {

namespace {

constexpr const char* kCupsd = "/usr/sbin/cupsd";
constexpr int kStartTimeoutMs = 30000;
constexpr int kCommandTimeoutMs = 30000;
constexpr int kPollIntervalMs = 20;

QString SourceDir() {
#ifdef BMK_SOURCE_DIR
    return QStringLiteral(BMK_SOURCE_DIR);
#else
    return qEnvironmentVariable("BMK_SOURCE_DIR");
#endif
}

bool WriteFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(text.toUtf8()) >= 0 && file.flush();
}

// Everything open to every client: the scheduler is reachable only through its own socket.
constexpr const char* kCupsdConf = R"(LogLevel debug
Listen %1/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
)";

constexpr const char* kCupsFilesConf = R"(ServerRoot %1/conf
RequestRoot %1/spool
TempDir %1/spool/tmp
CacheDir %1/cache
StateDir %1/state
AccessLog %1/log/access_log
ErrorLog %1/log/error_log
PageLog %1/log/page_log
FileDevice Yes
)";

// User, Group and SystemGroup of the account that starts the scheduler.
QString UserDirectives() {
    const passwd* user = getpwuid(geteuid());
    const group* primary = getgrgid(getegid());
    if (!user || !primary)
        return {};
    const QString group = QString::fromLocal8Bit(primary->gr_name);
    return QStringLiteral("User %1\nGroup %2\nSystemGroup %2\n")
        .arg(QString::fromLocal8Bit(user->pw_name), group);
}

// A port of 127.0.0.1 that nothing listens on now.
int FreeTcpPort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                       getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    if (fd >= 0) {
        close(fd);
    }
    return bound ? ntohs(address.sin_port) : 0;
}

}  // namespace

PrivateCupsd::~PrivateCupsd() {
    stop();
}

std::optional<std::string> PrivateCupsd::unavailableReason() {
    if (!QFileInfo(QString::fromLatin1(kCupsd)).isExecutable()) {
        return std::string("cupsd is not installed (") + kCupsd + ")";
    }
    return std::nullopt;
}

bool PrivateCupsd::requiredHere() {
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

QString PrivateCupsd::modelPpd() {
    return SourceDir() + "/res/ppd/bmk540.ppd";
}
QString PrivateCupsd::otherModelPpd() {
    return SourceDir() + "/tests/integration/data/other-model.ppd";
}

QString PrivateCupsd::socketPath() const {
    return m_directory + "/cups.sock";
}

QString PrivateCupsd::tcpAddress() const {
    return m_tcpPort > 0 ? QStringLiteral("127.0.0.1:%1").arg(m_tcpPort) : QString();
}

bool PrivateCupsd::running() const {
    return m_process.state() == QProcess::Running;
}

bool PrivateCupsd::start(const QStringList& directives, bool tcp) {
    if (running()) {
        return true;
    }
    QStringList conf = directives;
    m_tcpPort = tcp ? FreeTcpPort() : 0;
    if (tcp && m_tcpPort == 0) {
        m_lastError = "no free TCP port";
        return false;
    }
    if (tcp) {
        conf << QStringLiteral("Listen 127.0.0.1:%1").arg(m_tcpPort);
    }
    // Started by root, the backends run as lp and must reach the spool below this directory;
    // started by a user, everything runs as that user, and nobody else needs to read it. The
    // scheduler opens its ServerRoot to 0755, so that is a subdirectory, not this one.
    QByteArray pattern = QFile::encodeName(QDir::tempPath() + "/bmk-cupsd-XXXXXX");
    if (!mkdtemp(pattern.data()) || chmod(pattern.constData(), geteuid() == 0 ? 0755 : 0700) != 0) {
        m_lastError = "cannot create a temporary directory";
        return false;
    }
    m_directory = QFile::decodeName(pattern);
    if (!writeConfiguration(conf)) {
        m_lastError = "cannot write the configuration in " + m_directory;
        return false;
    }
    m_process.setProgram(QString::fromLatin1(kCupsd));
    m_process.setArguments({"-f", "-c", m_directory + "/cupsd.conf", "-s", m_directory + "/cups-files.conf"});
    m_process.setStandardOutputFile(m_directory + "/log/cupsd.out");
    m_process.setStandardErrorFile(m_directory + "/log/cupsd.out");
    m_process.start();
    if (!m_process.waitForStarted(kStartTimeoutMs)) {
        m_lastError = "cupsd did not start: " + m_process.errorString();
        stop();
        return false;
    }
    m_previousServer =
        qEnvironmentVariableIsSet("CUPS_SERVER") ? std::optional(qgetenv("CUPS_SERVER")) : std::nullopt;
    qputenv("CUPS_SERVER", QFile::encodeName(socketPath()));
    if (!waitUntilAnswering(kStartTimeoutMs)) {
        m_lastError = "cupsd does not answer:\n" + logTail();
        stop();
        return false;
    }
    return true;
}

bool PrivateCupsd::writeConfiguration(const QStringList& directives) {
    QDir directory(m_directory);
    for (const char* sub : {"spool", "spool/tmp", "cache", "state", "log", "conf/ppd"}) {
        if (!directory.mkpath(QString::fromLatin1(sub))) {
            return false;
        }
    }
    const QString conf = QString::fromLatin1(kCupsdConf).arg(m_directory) + directives.join('\n') + '\n';
    QString files = QString::fromLatin1(kCupsFilesConf).arg(m_directory);
    if (geteuid() != 0) {
        // A scheduler of an ordinary user runs as that user and is administered by its group.
        files += UserDirectives();
    }
    return WriteFile(m_directory + "/cupsd.conf", conf) && WriteFile(m_directory + "/cups-files.conf", files);
}

bool PrivateCupsd::waitUntilAnswering(int timeoutMs) {
    const QByteArray socket = QFile::encodeName(socketPath());
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && running()) {
        if (http_t* http = httpConnect2(socket.constData(), 0, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1,
                                        1000, nullptr)) {
            ipp_t* response = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_PRINTERS), "/");
            httpClose(http);
            if (response) {
                ippDelete(response);
                return true;
            }
        }
        QThread::msleep(kPollIntervalMs);
    }
    return false;
}

bool PrivateCupsd::freeze() {
    const qint64 pid = m_process.processId();
    return running() && pid > 0 && kill(static_cast<pid_t>(pid), SIGSTOP) == 0;
}

bool PrivateCupsd::thaw() {
    const qint64 pid = m_process.processId();
    return running() && pid > 0 && kill(static_cast<pid_t>(pid), SIGCONT) == 0;
}

bool PrivateCupsd::cancelJob(const QString& name, int jobId) {
    return run("cancel", {QStringLiteral("%1-%2").arg(name).arg(jobId)});
}

void PrivateCupsd::stop() {
    if (m_process.state() != QProcess::NotRunning) {
        const qint64 pid = m_process.processId();
        if (pid > 0) {
            kill(static_cast<pid_t>(pid), SIGCONT);  // a frozen scheduler could not end
            kill(static_cast<pid_t>(pid), SIGTERM);
        }
        if (!m_process.waitForFinished(kCommandTimeoutMs) && pid > 0) {
            kill(static_cast<pid_t>(pid), SIGKILL);
            m_process.waitForFinished(kCommandTimeoutMs);
        }
    }
    if (m_previousServer) {
        qputenv("CUPS_SERVER", *m_previousServer);
    } else {
        qunsetenv("CUPS_SERVER");
    }
    m_previousServer.reset();
    if (!m_directory.isEmpty()) {
        QDir(m_directory).removeRecursively();
        m_directory.clear();
    }
    m_tcpPort = 0;
}

bool PrivateCupsd::run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // This scheduler, even when another one started later holds CUPS_SERVER.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), socketPath());
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(kCommandTimeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_lastError =
            program + " " + arguments.join(' ') + " failed: " + QString::fromLocal8Bit(process.readAll());
        return false;
    }
    return true;
}

bool PrivateCupsd::addQueue(const QString& name, const QString& deviceUri, const QString& ppdPath,
                            const QStringList& options) {
    QStringList arguments{"-p", name, "-E", "-v", deviceUri, "-P", ppdPath, "-o", "printer-is-shared=false"};
    for (const QString& option : options) {
        arguments << "-o" << option;
    }
    return run("lpadmin", arguments);
}

bool PrivateCupsd::rejectJobs(const QString& name) {
    return run("cupsreject", {name});
}
bool PrivateCupsd::disable(const QString& name) {
    return run("cupsdisable", {name});
}
bool PrivateCupsd::enable(const QString& name) {
    return run("cupsenable", {name});
}
bool PrivateCupsd::removeQueue(const QString& name) {
    return run("lpadmin", {"-x", name});
}

std::vector<CupsJobRecord> PrivateCupsd::completedJobs(const QString& name) const {
    return jobsOf(name, CUPS_WHICHJOBS_COMPLETED);
}

std::vector<CupsJobRecord> PrivateCupsd::activeJobs(const QString& name) const {
    return jobsOf(name, CUPS_WHICHJOBS_ACTIVE);
}

std::vector<CupsJobRecord> PrivateCupsd::jobsOf(const QString& name, int which) const {
    std::vector<CupsJobRecord> records;
    const QByteArray socket = QFile::encodeName(socketPath());
    http_t* http =
        httpConnect2(socket.constData(), 0, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1, 5000, nullptr);
    if (!http) {
        return records;
    }
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(http, &jobs, name.toUtf8().constData(), 0, which);
    for (int i = 0; i < count; ++i) {
        records.push_back({jobs[i].id, jobs[i].title ? jobs[i].title : "", static_cast<int>(jobs[i].state)});
    }
    cupsFreeJobs(count, jobs);
    httpClose(http);
    return records;
}

bool PrivateCupsd::waitForCompletedJobs(const QString& name, std::size_t count, int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (completedJobs(name).size() < count) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(kPollIntervalMs);
    }
    return true;
}

QString PrivateCupsd::logTail() const {
    QString text;
    for (const char* log : {"/log/cupsd.out", "/log/error_log"}) {
        QFile file(m_directory + QString::fromLatin1(log));
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray all = file.readAll();
            text += QString::fromLocal8Bit(all.right(4000));
        }
    }
    return text;
}

}  // namespace testing_support
