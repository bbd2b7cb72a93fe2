#include "printing/checksheet.h"

#include <QPainter>

#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"

namespace delvora {

namespace {
// Sizes on the sheet in millimetres.
constexpr qreal kPictureWidth = 60; // a picture is at least this wide
constexpr qreal kGap = 4;           // between pictures
constexpr qreal kCaption = 13;      // the lines under a picture
constexpr qreal kLine = 4;          // one caption line
constexpr qreal kFooter = 6;        // the page number at the foot
// Captions are drawn in tenths of a millimetre, so their fonts can have pixel sizes.
constexpr qreal kTenths = 10;

QFont captionFont(qreal heightMm, bool bold = false) {
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(int(heightMm * kTenths));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Draws `text` in one line of the caption, cut with an ellipsis when wider than the cell.
void captionLine(QPainter &painter, const QRectF &lineMm, const QString &text, const QColor &color,
                 bool bold = false) {
    painter.save();
    painter.scale(1 / kTenths, 1 / kTenths);
    const QRectF line(lineMm.topLeft() * kTenths, lineMm.size() * kTenths);
    painter.setFont(captionFont(lineMm.height() * 0.8, bold));
    painter.setPen(color);
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, int(line.width()));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, shown);
    painter.restore();
}
} // namespace

QList<CheckEntry> checkEntries(const NameList &names) {
    QList<CheckEntry> entries;
    entries.reserve(names.count());
    for (int i = 0; i < names.count(); ++i)
        entries.append({names.at(i), names.overflowRows(i), names.warning(i)});
    return entries;
}

CheckSheet::CheckSheet(PrintLook look, QList<CheckEntry> entries, qreal marginMm)
    : m_look(std::move(look)), m_entries(std::move(entries)),
      m_margin(std::max<qreal>(0, marginMm)) {}

QSize CheckSheet::grid(const QSizeF &paperMm) const {
    const qreal width = paperMm.width() - 2 * m_margin;
    const qreal height = paperMm.height() - 2 * m_margin - kFooter;
    const int across = std::max(1, int((width + kGap) / (kPictureWidth + kGap)));
    const qreal cellWidth = (width + kGap) / across - kGap;
    const qreal pictureHeight = cellWidth * m_look.plate.height() / m_look.plate.width();
    const int down = std::max(1, int((height + kGap) / (pictureHeight + kCaption + kGap)));
    return {across, down};
}

int CheckSheet::pageCount(const QSizeF &paperMm) const {
    const QSize g = grid(paperMm);
    const int perPage = g.width() * g.height();
    return int((m_entries.size() + perPage - 1) / perPage);
}

void CheckSheet::paintPage(QPainter &painter, const QSizeF &paperMm, int page) const {
    const QSize g = grid(paperMm);
    const int perPage = g.width() * g.height();
    const qreal width = paperMm.width() - 2 * m_margin;
    const qreal height = paperMm.height() - 2 * m_margin - kFooter;
    const qreal cellWidth = (width + kGap) / g.width() - kGap;
    const qreal cellHeight = (height + kGap) / g.height() - kGap;
    for (int i = 0; i < perPage; ++i) {
        const int index = page * perPage + i;
        if (index >= m_entries.size())
            break;
        const QRectF cell(m_margin + (i % g.width()) * (cellWidth + kGap),
                          m_margin + (i / g.width()) * (cellHeight + kGap), cellWidth, cellHeight);
        paintCell(painter, m_entries.at(index), cell);
    }
    const QRectF footer(m_margin, paperMm.height() - m_margin - kLine, width, kLine);
    painter.save();
    painter.scale(1 / kTenths, 1 / kTenths);
    painter.setFont(captionFont(kLine * 0.7));
    painter.setPen(Qt::darkGray);
    painter.drawText(QRectF(footer.topLeft() * kTenths, footer.size() * kTenths),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("%1 / %2").arg(page + 1).arg(pageCount(paperMm)));
    painter.restore();
}

void CheckSheet::paintCell(QPainter &painter, const CheckEntry &entry, const QRectF &cell) const {
    const qreal pictureHeight = cell.width() * m_look.plate.height() / m_look.plate.width();
    const QRectF picture(cell.topLeft(), QSizeF(cell.width(), pictureHeight));
    drawPlateFace(painter, m_look, entry.record.texts(), picture);

    const bool marked = entry.overflowRows != 0 || !entry.idWarning.isEmpty();
    const QColor red(200, 0, 0);
    QRectF line(cell.left(), picture.bottom() + 1, cell.width(), kLine);
    painter.save();
    if (marked) {
        // The list's red mark beside the 序号, and a red frame round the picture.
        painter.setPen(QPen(red, 0.5));
        painter.drawRect(picture);
        painter.setPen(Qt::NoPen);
        painter.setBrush(red);
        painter.drawEllipse(QRectF(line.left(), line.center().y() - 1.2, 2.4, 2.4));
    }
    painter.restore();
    captionLine(painter, line.adjusted(marked ? 3.5 : 0, 0, 0, 0),
                QStringLiteral("%1 %2   %3 %4")
                    .arg(texts::headingSeq(), QString::number(entry.record.seq), texts::headingId(),
                         entry.record.id),
                Qt::black, true);
    if (entry.overflowRows != 0) {
        line.translate(0, kLine);
        captionLine(painter, line, texts::overflowMark(entry.overflowRows), red);
    }
    if (!entry.idWarning.isEmpty()) {
        line.translate(0, kLine);
        captionLine(painter, line, entry.idWarning, red);
    }
}

} // namespace delvora
