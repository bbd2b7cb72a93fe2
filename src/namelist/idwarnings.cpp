#include "namelist/idwarnings.h"

#include <QHash>

#include "namelist/namelisttexts.h"

namespace delvora {

namespace {

bool inRange(const QString &id) {
    bool ok = false;
    const int value = id.toInt(&ok);
    return ok && value >= 0 && value <= 9999;
}

} // namespace

QStringList idWarnings(const QList<NameRecord> &entries) {
    QStringList out(entries.size());
    // The first two positions of each ID: every holder is pointed at another one.
    QHash<QString, std::pair<int, int>> holders;
    for (int i = 0; i < entries.size(); ++i) {
        const QString &id = entries[i].id;
        if (id.isEmpty())
            continue;
        auto it = holders.find(id);
        if (it == holders.end())
            holders.insert(id, {i, -1});
        else if (it->second < 0)
            it->second = i;
    }
    for (int i = 0; i < entries.size(); ++i) {
        const QString &id = entries[i].id;
        if (id.isEmpty()) {
            out[i] = texts::idEmpty();
        } else if (!inRange(id)) {
            out[i] = texts::idOutOfRange();
        } else {
            const auto [first, second] = holders.value(id);
            if (second >= 0)
                out[i] = texts::idDuplicate((first == i ? second : first) + 1);
        }
    }
    return out;
}

} // namespace delvora
