#include "layout/platelayout.h"

#include "layout/layoutfiles.h"

namespace delvora {

void PlateLayout::Load(int32_t &canvasWidth, int32_t &canvasHeight) {
    m_crBackColor = ReadBackColor();
    ReadResolution(canvasWidth, canvasHeight);
    const LOGFONTW fallback = DefaultLogFont();
    for (int i = 0; i < m_nRowCount; ++i) {
        LOGFONTW lf;
        m_pRows[size_t(i)].m_lf = ReadRowFont(i, lf) ? lf : fallback;
    }
    for (int i = 0; i < m_nRowCount; ++i) {
        RowStyle &row = m_pRows[size_t(i)];
        ReadRowAlign(i, row.m_nAlignH, row.m_nAlignV);
        ReadRowIndents(i, row.m_nIndentL, row.m_nIndentT, row.m_nIndentR, row.m_nIndentB);
        row.m_crColor = ReadRowColor(i);
        row.m_bAutoFit = ReadRowAutoFit(i);
    }
}

void PlateLayout::SaveIndents() const {
    for (int i = 0; i < m_nRowCount; ++i) {
        const RowStyle &row = m_pRows[size_t(i)];
        WriteRowIndents(row.m_nIndentL, row.m_nIndentT, row.m_nIndentR, row.m_nIndentB, i);
    }
}

void PlateLayout::SetTexts(const QString &organisation, const QString &name, const QString &title) {
    m_pRows[0].m_strText = organisation;
    m_pRows[1].m_strText = name;
    m_pRows[2].m_strText = title;
}

} // namespace delvora
