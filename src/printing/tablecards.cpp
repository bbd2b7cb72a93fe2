#include "printing/tablecards.h"

#include <QPainter>

namespace delvora {

TableCards::TableCards(PrintLook look, QList<PlateTexts> cards, qreal marginMm)
    : m_look(std::move(look)), m_cards(std::move(cards)), m_margin(std::max<qreal>(0, marginMm)) {}

int TableCards::pageCount(const QSizeF &) const {
    return int(m_cards.size());
}

QRectF TableCards::lowerFace(const QSizeF &paperMm) const {
    const qreal half = paperMm.height() / 2;
    const QRectF box =
        QRectF(0, half, paperMm.width(), half).adjusted(m_margin, m_margin, -m_margin, -m_margin);
    return fitPlate(m_look.plate, box);
}

void TableCards::paintPage(QPainter &painter, const QSizeF &paperMm, int page) const {
    if (page < 0 || page >= m_cards.size())
        return;
    const PlateTexts &texts = m_cards.at(page);
    const QRectF lower = lowerFace(paperMm);
    drawPlateFace(painter, m_look, texts, lower);

    painter.save();
    // Half a turn about the sheet's centre puts the lower face's place onto the upper half.
    painter.translate(paperMm.width() / 2, paperMm.height() / 2);
    painter.rotate(180);
    painter.translate(-paperMm.width() / 2, -paperMm.height() / 2);
    drawPlateFace(painter, m_look, texts, lower);
    painter.restore();

    painter.save();
    QPen fold(QColor(190, 190, 190), 0.2, Qt::DashLine);
    painter.setPen(fold);
    painter.drawLine(QPointF(0, paperMm.height() / 2),
                     QPointF(paperMm.width(), paperMm.height() / 2));
    painter.restore();
}

} // namespace delvora
