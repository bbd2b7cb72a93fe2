#include "layout/renderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace delvora {

QRectF rowLayoutRect(const RowStyle &row, int w, int h) {
    QRectF r(0, 0, w, h);
    if (row.alignH == 0 || row.alignH == 1)
        r.moveLeft(row.indentLeft);
    else if (row.alignH == 2)
        r.setWidth(qreal(w) - row.indentRight);
    if (row.alignV == 0 || row.alignV == 1)
        r.moveTop(row.indentTop);
    else if (row.alignV == 2)
        r.setHeight(qreal(h) - row.indentBottom);
    return r;
}

namespace {

Qt::Alignment alignmentOf(const RowStyle &row) {
    Qt::Alignment a;
    // Values outside 0..2 come only from a hand-edited file; they draw as near (left/top).
    switch (row.alignH) {
    case 1:
        a |= Qt::AlignHCenter;
        break;
    case 2:
        a |= Qt::AlignRight;
        break;
    default:
        a |= Qt::AlignLeft;
        break;
    }
    switch (row.alignV) {
    case 1:
        a |= Qt::AlignVCenter;
        break;
    case 2:
        a |= Qt::AlignBottom;
        break;
    default:
        a |= Qt::AlignTop;
        break;
    }
    return a;
}

} // namespace

namespace {

// The unwrapped text placed by the row's alignment and indents.
QRectF singleLineBox(const RowStyle &row, const QString &text, const QFont &font, int w, int h) {
    const QFontMetricsF metrics(font);
    QRectF box(QPointF(0, 0),
               text.isEmpty() ? QSizeF(0, 0) : metrics.size(Qt::TextExpandTabs, text));
    switch (row.alignH) {
    case 0:
        box.moveLeft(row.indentLeft + box.x());
        break;
    case 1:
        box.moveLeft((w - box.width()) * 0.5 + row.indentLeft);
        break;
    case 2:
        box.moveLeft(w - box.width() - row.indentRight);
        break;
    default:
        break;
    }
    switch (row.alignV) {
    case 0:
        box.moveTop(row.indentTop + box.y());
        break;
    case 1:
        box.moveTop((h - box.height()) * 0.5 + row.indentTop);
        break;
    case 2:
        box.moveTop(h - box.height() - row.indentBottom);
        break;
    default:
        break;
    }
    return box;
}

// On one line, inside the part of the row's box that lies on the canvas. A hair of slack
// absorbs rounding of fractional glyph advances.
bool fitsOnOneLine(const RowStyle &row, const QString &text, const QFont &font, int w, int h) {
    const QRectF layoutRect = rowLayoutRect(row, w, h);
    const QRectF visible =
        layoutRect.intersected(QRectF(0, 0, w, h)).adjusted(-0.01, -0.01, 0.01, 0.01);
    const QRectF box = singleLineBox(row, text, font, w, h);
    return box.width() <= layoutRect.width() && visible.contains(box);
}

QString cut(const QString &text) {
    return text.left(kMaxRowText);
}

} // namespace

QFont rowFont(const RowStyle &row, const QString &whole, int w, int h) {
    QFont font = row.font;
    // Glyphs on whole pixels, as the plates' original software drew them. With fractional
    // glyph positions a thread's font engines place a text a fraction of a pixel differently
    // depending on what that thread drew or measured before, so the same entry could come out
    // a few levels different at its glyph edges from one picture thread to another; on whole
    // pixels every thread draws every picture the same.
    font.setHintingPreference(QFont::PreferFullHinting);
    const QString text = cut(whole);
    if (!row.autoFit || text.isEmpty() || fitsOnOneLine(row, text, font, w, h))
        return font;
    const int size = font.pixelSize();
    const int floor = std::max(1, (size * kAutoFitFloorPercent + 99) / 100);
    const auto fitsAt = [&](int pixels) {
        QFont f(font);
        f.setPixelSize(pixels);
        return fitsOnOneLine(row, text, f, w, h);
    };
    // The width grows about in proportion to the size: start from that guess, then step to the
    // largest size that fits, usually one or two measurements.
    const QRectF box = singleLineBox(row, text, font, w, h);
    const QRectF visible = rowLayoutRect(row, w, h).intersected(QRectF(0, 0, w, h));
    const qreal scale = std::min(box.width() > 0 ? visible.width() / box.width() : 1.0,
                                 box.height() > 0 ? visible.height() / box.height() : 1.0);
    int pixels = std::clamp(int(size * scale), floor, size - 1);
    while (pixels > floor && !fitsAt(pixels))
        --pixels;
    while (pixels + 1 < size && fitsAt(pixels + 1))
        ++pixels;
    font.setPixelSize(pixels);
    return font;
}

bool rowOverflows(const RowStyle &row, const QString &whole, int w, int h) {
    const QString text = cut(whole);
    return !text.isEmpty() && !fitsOnOneLine(row, text, rowFont(row, text, w, h), w, h);
}

QRectF rowTextBox(const RowStyle &row, const QString &whole, int w, int h) {
    const QString text = cut(whole);
    return singleLineBox(row, text, rowFont(row, text, w, h), w, h);
}

void drawRow(const RowStyle &row, const QString &whole, QPainter &painter, int w, int h) {
    const QString text = cut(whole);
    if (text.isEmpty())
        return;
    const QRectF layoutRect = rowLayoutRect(row, w, h);
    painter.save();
    painter.setClipRect(layoutRect, Qt::IntersectClip);
    painter.setFont(rowFont(row, text, w, h));
    painter.setPen(row.color);
    painter.drawText(layoutRect, int(alignmentOf(row)) | Qt::TextWordWrap, text);
    painter.restore();
}

void drawPlateTexts(QPainter &painter, const PlateLayout &layout, const PlateTexts &texts, int w,
                    int h) {
    // Text is anti-aliased; nothing else is drawn.
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (int i = 0; i < PlateLayout::kRows; ++i)
        drawRow(layout.rows[size_t(i)], texts.row(i), painter, w, h);
}

void renderPlateOnto(const PlateLayout &layout, const QImage &background, const PlateTexts &texts,
                     QImage &picture) {
    if (background.isNull()) {
        picture = QImage();
        return;
    }
    if (picture.size() != background.size() || picture.format() != background.format() ||
        picture.bytesPerLine() != background.bytesPerLine())
        picture = background.copy();
    else
        std::memcpy(picture.bits(), background.constBits(), size_t(background.sizeInBytes()));
    QPainter painter(&picture);
    drawPlateTexts(painter, layout, texts, picture.width(), picture.height());
}

QImage renderPlate(const PlateLayout &layout, const QImage &background, const PlateTexts &texts) {
    QImage picture;
    renderPlateOnto(layout, background, texts, picture);
    return picture;
}

} // namespace delvora
