#include "platform/Cp932.h"

#include <QList>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <functional>
#include <iconv.h>
#include <memory>

namespace platform {
namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvPtr = std::unique_ptr<void, IconvCloser>;

IconvPtr openIconv(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    return IconvPtr(cd);
}

// The five single bytes that have no character in the code page's table.
// The Windows form of the code page maps them one to one, U+0080 and four
// private-use characters, so a text holding them comes back byte for byte.
constexpr struct {
    unsigned char byte;
    char32_t unicode;
} kWindowsOnly[] = {
    {0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3},
};

// Converts one character's worth of input at a time on failure, so that an
// unmappable character costs only itself. `replace` gives what stands for the
// unit that failed, looking at the input where it starts.
QByteArray convert(iconv_t cd, const char* in, size_t inLen,
                   const std::function<QByteArray(const char*)>& replace, size_t stepOnError) {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(inLen * 2 + 16));
    char buf[256];
    char* src = const_cast<char*>(in);
    size_t left = inLen;
    while (left > 0) {
        char* dst = buf;
        size_t room = sizeof buf;
        const size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, static_cast<qsizetype>(dst - buf));
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: skip the offending unit and mark it.
            const size_t step = std::min(stepOnError, left);
            out.append(replace(src));
            src += step;
            left -= step;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

} // namespace

QByteArray toCp932(const QString& text) {
    static thread_local IconvPtr cd = openIconv("CP932", "UTF-32LE");
    if (!cd)
        return text.toLatin1();
    const QList<uint> ucs4 = text.toUcs4();
    const auto replace = [](const char* at) {
        char32_t c = 0;
        std::memcpy(&c, at, sizeof c);
        c = qFromLittleEndian(c);
        for (const auto& w : kWindowsOnly)
            if (w.unicode == c)
                return QByteArray(1, static_cast<char>(w.byte));
        return QByteArray("?");
    };
    return convert(static_cast<iconv_t>(cd.get()), reinterpret_cast<const char*>(ucs4.constData()),
                   static_cast<size_t>(ucs4.size()) * 4, replace, 4);
}

QString fromCp932(const QByteArray& bytes) {
    static thread_local IconvPtr cd = openIconv("UTF-16LE", "CP932");
    if (!cd)
        return QString::fromLatin1(bytes);
    const auto replace = [](const char* at) {
        const auto b = static_cast<unsigned char>(*at);
        char16_t c = 0xFFFD;
        for (const auto& w : kWindowsOnly)
            if (w.byte == b)
                c = static_cast<char16_t>(w.unicode);
        const char16_t le = qToLittleEndian(c);
        return QByteArray(reinterpret_cast<const char*>(&le), sizeof le);
    };
    const QByteArray u16 = convert(static_cast<iconv_t>(cd.get()), bytes.constData(),
                                   static_cast<size_t>(bytes.size()), replace, 1);
    return QString(reinterpret_cast<const QChar*>(u16.constData()), u16.size() / 2);
}

QByteArray cp932Field(const QString& text, int limit) {
    QByteArray out;
    out.reserve(limit);
    // Encode character by character so we know where each one starts.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray one = toCp932(text.mid(i, len));
        if (out.size() + one.size() > limit)
            break;
        out.append(one);
        i += len;
    }
    while (out.size() < limit)
        out.append(' ');
    return out;
}

} // namespace platform
