#pragma once

#include <QList>

#include "printing/printlook.h"
#include "printing/printpages.h"

namespace delvora {

// 打印桌签: one sheet per entry, folded across the middle and stood as a tent. Both halves show
// the entry's plate picture, as large as the half allows within the margin; the upper half is
// turned half round so both faces read upright once folded. A faint line marks the fold.
class TableCards : public PrintPages {
public:
    TableCards(PrintLook look, QList<PlateTexts> cards, qreal marginMm);

    int pageCount(const QSizeF &paperMm) const override;
    void paintPage(QPainter &painter, const QSizeF &paperMm, int page) const override;

    // Where the lower face's picture stands on the sheet; the upper one is its mirror image
    // across the fold.
    QRectF lowerFace(const QSizeF &paperMm) const;

private:
    PrintLook m_look;
    QList<PlateTexts> m_cards;
    qreal m_margin;
};

} // namespace delvora
