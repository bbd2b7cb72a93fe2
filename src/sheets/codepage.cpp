#include "sheets/codepage.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace delvora {

namespace {

// Excel's own numbers for two code pages.
int windowsCodePage(int codePage) {
    switch (codePage) {
    case 32768:
        return 10000; // Mac Roman
    case 32769:
        return 1252;
    case 367:
        return 20127; // US-ASCII
    default:
        return codePage;
    }
}

} // namespace

#ifdef _WIN32

QString decodeCodePage(int codePage, const QByteArray &bytes) {
    if (bytes.isEmpty())
        return {};
    const UINT cp = UINT(windowsCodePage(codePage));
    const int n = MultiByteToWideChar(cp, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    if (n <= 0)
        return QString::fromLatin1(bytes);
    QString out(n, Qt::Uninitialized);
    MultiByteToWideChar(cp, 0, bytes.constData(), int(bytes.size()),
                        reinterpret_cast<wchar_t *>(out.data()), n);
    return out;
}

#else

namespace {

QByteArray iconvName(int codePage) {
    switch (windowsCodePage(codePage)) {
    case 10000:
        return "MACINTOSH";
    case 20127:
        return "ASCII";
    case 950:
        return "BIG5";
    default:
        return "CP" + QByteArray::number(windowsCodePage(codePage));
    }
}

} // namespace

QString decodeCodePage(int codePage, const QByteArray &bytes) {
    if (bytes.isEmpty())
        return {};
    iconv_t cd = iconv_open("UTF-16LE", iconvName(codePage).constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QString::fromLatin1(bytes);
    // No code page makes more than one UTF-16 unit of a byte, apart from the replacements.
    QByteArray out(bytes.size() * 2 + 8, Qt::Uninitialized);
    char *src = const_cast<char *>(bytes.constData());
    size_t srcLeft = size_t(bytes.size());
    char *dst = out.data();
    size_t dstLeft = size_t(out.size());
    while (srcLeft > 0 && iconv(cd, &src, &srcLeft, &dst, &dstLeft) == size_t(-1)) {
        if (errno == E2BIG || dstLeft < 2)
            break;
        // An unmappable or cut-off byte: replace it and go on after it.
        ++src;
        --srcLeft;
        dst[0] = char(0xFD);
        dst[1] = char(0xFF);
        dst += 2;
        dstLeft -= 2;
    }
    iconv_close(cd);
    const qsizetype units = (dst - out.data()) / 2;
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(out.constData()), units);
}

#endif

} // namespace delvora
