// Arbitrary bytes as "settings.dat": loading reads both strings exactly as a plain second
// decoder of the archive format says, or fails with the one message and nothing half-read in the
// field that failed; the file is never touched by loading, and whatever loaded saves and loads
// back unchanged.
#include "fuzzsupport.h"

#include "common/gbk.h"
#include "netcfg/netcfgtexts.h"
#include "netcfg/networkchoice.h"

#include <QStringList>
#include <optional>

using namespace delvora;
using delvora::fuzz::fail;

namespace {

// --- A second decoder, written from the format's description alone ---

struct Reader {
    const QByteArray &bytes;
    quint64 at = 0;

    std::optional<quint64> number(int size) {
        if (quint64(bytes.size()) - at < quint64(size))
            return std::nullopt;
        quint64 v = 0;
        for (int i = size - 1; i >= 0; --i)
            v = (v << 8) | uchar(bytes[qsizetype(at + quint64(i))]);
        at += quint64(size);
        return v;
    }

    // Lengths escalate: a field of all ones means "look at the next, wider field".
    std::optional<QString> string() {
        bool wide = false;
        auto n = number(1);
        if (!n)
            return std::nullopt;
        if (*n == 0xFF) {
            n = number(2);
            if (!n)
                return std::nullopt;
            if (*n == 0xFFFE) {
                wide = true;
                n = number(1);
                if (n && *n == 0xFF)
                    n = number(2);
            }
            if (n && *n == 0xFFFF) {
                n = number(4);
                if (n && *n == 0xFFFFFFFF) {
                    n = number(8);
                    // Longer than any file the program reads.
                    if (n && *n > 0x7FFFFFFF)
                        return std::nullopt;
                }
            }
            if (!n)
                return std::nullopt;
        }
        const quint64 size = wide ? *n * 2 : *n;
        if (quint64(bytes.size()) - at < size)
            return std::nullopt;
        const QByteArray body = bytes.mid(qsizetype(at), qsizetype(size));
        at += size;
        if (!wide)
            return fromGbk(body);
        QString text;
        for (qsizetype i = 0; i + 1 < body.size(); i += 2)
            text += QChar(ushort(uchar(body[i]) | (uchar(body[i + 1]) << 8)));
        return text;
    }
};

const QString kBeforeMac = QStringLiteral("AA-BB-CC-DD-EE-FF-");
const QString kBeforeIp = QStringLiteral("10.0.0.7");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray input = fuzz::bytesOf(data, size);
    fuzz::InWorkFolder here;
    fuzz::writeFile(settingsFileName(), input);

    NetworkChoice settings;
    settings.mac = kBeforeMac;
    settings.fixedIp = kBeforeIp;
    const NetworkChoice::Load result = settings.load();
    const bool loaded = result == NetworkChoice::Load::Loaded;

    Reader reader{input};
    const std::optional<QString> mac = reader.string();
    const std::optional<QString> ip = mac ? reader.string() : std::nullopt;
    const QString detail = fuzz::escaped(input.left(64)) + QStringLiteral("\nloaded ") +
                           fuzz::escaped(settings.mac.toUtf8()) + QStringLiteral(" / ") +
                           fuzz::escaped(settings.fixedIp.toUtf8());

    FUZZ_CHECK(fuzz::readFile(settingsFileName()) == input, detail);
    FUZZ_CHECK(loaded == bool(ip), detail);
    // A field read completely keeps its new value; one that failed keeps the old one.
    FUZZ_CHECK(settings.mac == (mac ? *mac : kBeforeMac), detail);
    FUZZ_CHECK(settings.fixedIp == (ip ? *ip : kBeforeIp), detail);
    if (loaded) {
        // What loaded saves as wide strings and reads back the same.
        FUZZ_CHECK(settings.save(), detail);
        NetworkChoice again;
        FUZZ_CHECK(again.load() == NetworkChoice::Load::Loaded, detail);
        FUZZ_CHECK(again.mac == settings.mac && again.fixedIp == settings.fixedIp, detail);
    } else {
        // The file is there: it can only be unreadable.
        FUZZ_CHECK(result == NetworkChoice::Load::Unreadable, detail);
    }
    return 0;
}
