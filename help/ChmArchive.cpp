#include "help/ChmArchive.h"

#include <chm_lib.h>

#include <QFile>
#include <QStringDecoder>

namespace help {

namespace {
// No page, stylesheet or picture of a help file comes near this; a damaged directory entry can
// claim any length, and is not allowed to make the program allocate it.
constexpr LONGUINT64 kMaxObjectBytes = 32 * 1024 * 1024;

// The #SYSTEM entries this reader uses.
enum SystemCode : quint16 { kContentsFile = 0, kIndexFile = 1, kHomePage = 2, kTitle = 3, kLocale = 4 };

quint32 LittleEndian(const QByteArray& bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    return value;
}

// A #SYSTEM string: up to its terminating NUL, and never past its entry.
QByteArray CString(const QByteArray& data) {
    const qsizetype end = data.indexOf('\0');
    return end < 0 ? data : data.left(end);
}

int CollectFile(chmFile*, chmUnitInfo* info, void* context) {
    const QString path = QString::fromUtf8(info->path);
    // Directories end in '/'; the compiler's own objects start with '#' or '$'.
    if (!path.endsWith(QLatin1Char('/')) && !path.startsWith(QLatin1String("/#")) &&
        !path.startsWith(QLatin1String("/$")))
        static_cast<QStringList*>(context)->append(path);
    return CHM_ENUMERATOR_CONTINUE;
}
}  // namespace

ChmArchive::~ChmArchive() {
    close();
}

bool ChmArchive::open(const QString& path) {
    close();
    m_file = chm_open(QFile::encodeName(path).constData());
    if (!m_file)
        return false;
    readSystem();
    if (m_contents.isEmpty())
        m_contents = firstFileEndingWith(QStringLiteral(".hhc"));
    if (m_index.isEmpty())
        m_index = firstFileEndingWith(QStringLiteral(".hhk"));
    return true;
}

void ChmArchive::close() {
    if (m_file)
        chm_close(m_file);
    m_file = nullptr;
    m_language = 0;
    m_title.clear();
    m_contents.clear();
    m_index.clear();
    m_home.clear();
}

QStringList ChmArchive::files() const {
    QStringList files;
    if (m_file)
        chm_enumerate(m_file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, CollectFile, &files);
    return files;
}

std::optional<QByteArray> ChmArchive::read(const QString& path) const {
    if (!m_file)
        return std::nullopt;
    QByteArray name = path.toUtf8();
    if (!name.startsWith('/'))
        name.prepend('/');
    if (name.size() > CHM_MAX_PATHLEN)
        return std::nullopt;
    chmUnitInfo info{};
    if (chm_resolve_object(m_file, name.constData(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (info.length > kMaxObjectBytes)
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(info.length), Qt::Uninitialized);
    if (info.length == 0)
        return bytes;
    const LONGINT64 read = chm_retrieve_object(m_file, &info, reinterpret_cast<unsigned char*>(bytes.data()),
                                               0, static_cast<LONGINT64>(info.length));
    // A truncated or damaged file reads short: half a page is not shown as if it were whole.
    if (read != static_cast<LONGINT64>(info.length))
        return std::nullopt;
    return bytes;
}

void ChmArchive::readSystem() {
    const std::optional<QByteArray> system = read(QStringLiteral("/#SYSTEM"));
    if (!system)
        return;
    // A version number, then entries of a 16-bit code, a 16-bit length and that many bytes.
    const QByteArray& bytes = *system;
    QByteArray title;
    qsizetype at = 4;
    while (at + 4 <= bytes.size()) {
        const quint32 code = LittleEndian(bytes, at, 2);
        const qsizetype length = LittleEndian(bytes, at + 2, 2);
        at += 4;
        if (at + length > bytes.size())
            break;
        const QByteArray data = bytes.mid(at, length);
        at += length;
        switch (code) {
            case kContentsFile:
                m_contents = QString::fromUtf8(CString(data));
                break;
            case kIndexFile:
                m_index = QString::fromUtf8(CString(data));
                break;
            case kHomePage:
                m_home = QString::fromUtf8(CString(data));
                break;
            case kTitle:
                title = CString(data);
                break;
            case kLocale:
                if (data.size() >= 4)
                    m_language = LittleEndian(data, 0, 4);
                break;
            default:
                break;
        }
    }
    // The title is text in the file's code page, known only once the locale entry was read.
    m_title = decode(title).trimmed();
}

QString ChmArchive::firstFileEndingWith(const QString& suffix) const {
    for (const QString& file : files()) {
        if (file.endsWith(suffix, Qt::CaseInsensitive))
            return file;
    }
    return QString();
}

QString ChmArchive::decode(const QByteArray& bytes) const {
    // Japanese help (LCID 0x0411, this program's) is in code page 932; any other is read as Western.
    constexpr quint32 kJapanese = 0x11;
    const char* codePage = (m_language & 0x3ff) == kJapanese ? "Shift_JIS" : "windows-1252";
    QStringDecoder decoder(codePage);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringConverter::Latin1);
    return decoder.decode(bytes);
}

}  // namespace help
