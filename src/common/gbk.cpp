#include "common/gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace delvora {

#ifdef _WIN32

QByteArray toGbk(const QString &text) {
    if (text.isEmpty())
        return {};
    const auto *w = reinterpret_cast<const wchar_t *>(text.utf16());
    const int n = WideCharToMultiByte(936, 0, w, int(text.size()), nullptr, 0, nullptr, nullptr);
    QByteArray out(n, Qt::Uninitialized);
    WideCharToMultiByte(936, 0, w, int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

QString fromGbk(const QByteArray &bytes) {
    if (bytes.isEmpty())
        return {};
    const int n = MultiByteToWideChar(936, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    QString out(n, Qt::Uninitialized);
    MultiByteToWideChar(936, 0, bytes.constData(), int(bytes.size()),
                        reinterpret_cast<wchar_t *>(out.data()), n);
    return out;
}

#else

namespace {

// Converts with iconv one character at a time on failure, so one bad character costs only
// itself.
QByteArray convert(const char *to, const char *from, const QByteArray &in, const QByteArray &bad) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    QByteArray out;
    out.resize(in.size() * 2 + 16);
    char *src = const_cast<char *>(in.constData());
    size_t srcLeft = size_t(in.size());
    char *dst = out.data();
    size_t dstLeft = size_t(out.size());
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != size_t(-1))
            break;
        if (errno == E2BIG) {
            const qsizetype used = dst - out.data();
            out.resize(out.size() * 2);
            dst = out.data() + used;
            dstLeft = size_t(out.size() - used);
            continue;
        }
        // EILSEQ or EINVAL: skip one UTF-8 sequence (or one byte) and write the replacement.
        const unsigned char c = static_cast<unsigned char>(*src);
        size_t skip = 1;
        if (qstrcmp(from, "UTF-8") == 0)
            skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        skip = std::min(skip, srcLeft);
        src += skip;
        srcLeft -= skip;
        if (dstLeft < size_t(bad.size()) + 1) {
            const qsizetype used = dst - out.data();
            out.resize(out.size() * 2 + 16);
            dst = out.data() + used;
            dstLeft = size_t(out.size() - used);
        }
        memcpy(dst, bad.constData(), size_t(bad.size()));
        dst += bad.size();
        dstLeft -= size_t(bad.size());
    }
    iconv_close(cd);
    out.resize(dst - out.data());
    return out;
}

} // namespace

QByteArray toGbk(const QString &text) {
    return convert("GBK", "UTF-8", text.toUtf8(), "?");
}

QString fromGbk(const QByteArray &bytes) {
    return QString::fromUtf8(convert("UTF-8", "GBK", bytes, "\xEF\xBF\xBD"));
}

#endif

} // namespace delvora
