#pragma once

#include <QList>
#include <QString>

#include "namelist/namerecord.h"
#include "printing/printlook.h"
#include "printing/printpages.h"

namespace delvora {

class NameList;

// One entry on the check sheet, with the marks the list shows for it.
struct CheckEntry {
    NameRecord record;
    quint8 overflowRows = 0; // bit i: row i's text does not fit
    QString idWarning;       // why the plate ID is doubtful, empty when fine
};

// The entries as the list shows them now, marks included.
QList<CheckEntry> checkEntries(const NameList &names);

// 打印检查表: every entry's plate picture small in a grid, each with its 序号 and ID under it
// and, in red, the list's marks: texts that do not fit and doubtful IDs. The organiser reads
// every plate on a few pages before the doors open.
class CheckSheet : public PrintPages {
public:
    CheckSheet(PrintLook look, QList<CheckEntry> entries, qreal marginMm);

    int pageCount(const QSizeF &paperMm) const override;
    void paintPage(QPainter &painter, const QSizeF &paperMm, int page) const override;

    // How many pictures a page holds across and down.
    QSize grid(const QSizeF &paperMm) const;

private:
    void paintCell(QPainter &painter, const CheckEntry &entry, const QRectF &cell) const;

    PrintLook m_look;
    QList<CheckEntry> m_entries;
    qreal m_margin;
};

} // namespace delvora
