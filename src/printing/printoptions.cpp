#include "printing/printoptions.h"

#include <QList>
#include <QPair>
#include <optional>

#include "layout/profile.h"

namespace delvora {

namespace {
QString section() {
    return QStringLiteral("Print");
}
QString paperKey() {
    return QStringLiteral("paper");
}
QString orientationKey() {
    return QStringLiteral("orientation");
}
QString marginKey() {
    return QStringLiteral("margin");
}

QString orientationText(QPageLayout::Orientation orientation) {
    return orientation == QPageLayout::Portrait ? QStringLiteral("portrait")
                                                : QStringLiteral("landscape");
}

std::optional<QPageSize::PageSizeId> paperOf(const QString &key) {
    for (int id = 0; id <= int(QPageSize::LastPageSize); ++id) {
        const auto size = QPageSize::PageSizeId(id);
        if (id != int(QPageSize::Custom) &&
            QPageSize::key(size).compare(key.trimmed(), Qt::CaseInsensitive) == 0)
            return size;
    }
    return std::nullopt;
}
} // namespace

QPageLayout PrintOptions::pageLayout() const {
    return QPageLayout(QPageSize(paper), orientation, QMarginsF(0, 0, 0, 0));
}

void PrintOptions::takePaper(const QPageLayout &layout) {
    const QPageSize::PageSizeId id = layout.pageSize().id();
    if (id != QPageSize::Custom)
        paper = id;
    orientation = layout.orientation();
}

PrintOptions PrintOptions::read(const QString &path) {
    PrintOptions options;
    if (const auto paper = paperOf(Profile::readString(path, section(), paperKey())))
        options.paper = *paper;
    const QString orientation =
        Profile::readString(path, section(), orientationKey()).trimmed().toLower();
    if (orientation == QStringLiteral("portrait"))
        options.orientation = QPageLayout::Portrait;
    bool ok = false;
    const qreal margin = Profile::readString(path, section(), marginKey()).trimmed().toDouble(&ok);
    if (ok && margin >= 0 && margin <= kMaxMargin)
        options.margin = margin;
    return options;
}

bool PrintOptions::write(const QString &path) const {
    const PrintOptions now = read(path);
    QList<QPair<QString, QString>> changed;
    if (now.paper != paper)
        changed.append({paperKey(), QPageSize::key(paper)});
    if (now.orientation != orientation)
        changed.append({orientationKey(), orientationText(orientation)});
    if (!qFuzzyCompare(1 + now.margin, 1 + margin))
        changed.append({marginKey(), QString::number(margin)});
    return changed.isEmpty() || Profile::writeStrings(path, section(), changed);
}

} // namespace delvora
