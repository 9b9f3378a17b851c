#include "ctl/FileNames.h"

#include <limits.h>
#include <unistd.h>

namespace ctl {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
// The kernel gives up on longer chains of links too.
constexpr int kMostLinks = 40;

// The length of the UTF-8 character at `at` (a shortest form, no surrogate, at most U+10FFFF);
// 0 when the bytes there are not one.
int Utf8Length(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char first = byte(at);
    int length = 0;
    char32_t least = 0;
    if (first < 0x80)
        return 1;
    if ((first & 0xE0) == 0xC0)
        length = 2, least = 0x80;
    else if ((first & 0xF0) == 0xE0)
        length = 3, least = 0x800;
    else if ((first & 0xF8) == 0xF0)
        length = 4, least = 0x10000;
    else
        return 0;
    if (at + length > bytes.size())
        return 0;
    char32_t code = first & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < least || code > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

QString ArgumentFromNative(const QByteArray& argument) {
    QString text;
    for (qsizetype at = 0; at < argument.size();) {
        const int length = Utf8Length(argument, at);
        if (length == 0) {
            text += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(argument[at])));
            ++at;
            continue;
        }
        text += QString::fromUtf8(argument.mid(at, length));
        at += length;
    }
    return text;
}

QByteArray NativePath(const QString& path) {
    QByteArray bytes;
    for (qsizetype at = 0; at < path.size(); ++at) {
        const char16_t unit = path[at].unicode();
        const bool pair =
            QChar::isHighSurrogate(unit) && at + 1 < path.size() && path[at + 1].isLowSurrogate();
        if (pair) {
            bytes += path.mid(at, 2).toUtf8();
            ++at;
        } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            bytes += static_cast<char>(unit - kEscapeBase);
        } else {
            bytes += QString(QChar(unit)).toUtf8();
        }
    }
    return bytes;
}

bool IsStandardStream(const QString& path) {
    return path == QLatin1String("-");
}

QByteArray SaveTarget(const QByteArray& path) {
    QByteArray current = path;
    for (int links = 0; links < kMostLinks; ++links) {
        char target[PATH_MAX];
        const ssize_t length = readlink(current.constData(), target, sizeof target);
        if (length < 0 || length >= static_cast<ssize_t>(sizeof target))
            return current;
        QByteArray next(target, length);
        if (!next.startsWith('/')) {
            const qsizetype slash = current.lastIndexOf('/');
            if (slash >= 0)
                next.prepend(current.left(slash + 1));
        }
        current = next;
    }
    return current;
}

}  // namespace ctl
