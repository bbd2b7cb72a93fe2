#pragma once

#include <QPageLayout>
#include <QString>

namespace delvora {

// The paper prints are made on and the margin kept round each picture, remembered in
// "./Settings.ini" as `[Print] paper=A4`, `orientation=landscape|portrait` and `margin=10`
// (millimetres). Missing or unreadable keys give A4 landscape with 10 mm; keys are written only
// when the operator changes a value, so a file without them stays as it is.
struct PrintOptions {
    static constexpr qreal kDefaultMargin = 10;
    static constexpr qreal kMaxMargin = 50;

    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    qreal margin = kDefaultMargin;

    // The sheet for a device: this paper and orientation; the device keeps no margins, the
    // documents keep their own.
    QPageLayout pageLayout() const;
    // The paper and orientation of a device's layout.
    void takePaper(const QPageLayout &layout);

    static PrintOptions read(const QString &path);
    // Writes the keys whose value differs from what `path` holds now; false when a write failed.
    bool write(const QString &path) const;

    bool operator==(const PrintOptions &) const = default;
};

} // namespace delvora
