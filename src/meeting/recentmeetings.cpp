#include "meeting/recentmeetings.h"

#include <QFileInfo>

#include "layout/profile.h"

namespace delvora::RecentMeetings {

namespace {

QString section() {
    return QStringLiteral("RecentMeetings");
}
QString key(int index) {
    return QStringLiteral("file%1").arg(index + 1);
}

bool samePath(const QString &a, const QString &b) {
#ifdef _WIN32
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

void addOnce(QStringList &list, const QString &path) {
    for (const QString &known : list)
        if (samePath(known, path))
            return;
    list << path;
}

} // namespace

QStringList read(const QString &profilePath) {
    QStringList list;
    for (int i = 0; i < kMax; ++i) {
        const QString path = Profile::readString(profilePath, section(), key(i));
        if (!path.isEmpty())
            addOnce(list, path);
    }
    return list;
}

QStringList add(const QString &profilePath, const QString &meetingPath) {
    const QStringList before = read(profilePath);
    QStringList after{QFileInfo(meetingPath).absoluteFilePath()};
    for (const QString &path : before)
        addOnce(after, path);
    while (after.size() > kMax)
        after.removeLast();
    if (after != before) {
        QList<QPair<QString, QString>> keys;
        for (int i = 0; i < after.size(); ++i)
            keys.append({key(i), after[i]});
        Profile::writeStrings(profilePath, section(), keys);
    }
    return after;
}

} // namespace delvora::RecentMeetings
