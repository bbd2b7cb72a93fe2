#include "layout/layouteditor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWidget>

#include "common/integertext.h"
#include "common/prompt.h"
#include "layout/dragmath.h"
#include "layout/layoutfiles.h"

namespace delvora {

LayoutEditor::LayoutEditor(PlateLayout &layout, PlateCanvas &canvas, const LayoutControls &controls,
                           std::function<void()> refresh, QWidget *owner)
    : QObject(owner), m_layout(layout), m_canvas(canvas), m_controls(controls),
      m_refresh(std::move(refresh)), m_owner(owner) {
    connect(m_controls.row, &QComboBox::currentIndexChanged, this, &LayoutEditor::OnSelChangeRow);
    connect(m_controls.alignH, &QComboBox::currentIndexChanged, this,
            &LayoutEditor::OnSelChangeAlignH);
    connect(m_controls.alignV, &QComboBox::currentIndexChanged, this,
            &LayoutEditor::OnSelChangeAlignV);
    connect(m_controls.left, &QLineEdit::textChanged, this, &LayoutEditor::OnChangeIndentLeft);
    connect(m_controls.right, &QLineEdit::textChanged, this, &LayoutEditor::OnChangeIndentRight);
    connect(m_controls.top, &QLineEdit::textChanged, this, &LayoutEditor::OnChangeIndentTop);
    connect(m_controls.bottom, &QLineEdit::textChanged, this, &LayoutEditor::OnChangeIndentBottom);
    connect(m_controls.res800, &QAction::triggered, this, &LayoutEditor::OnResolution800);
    connect(m_controls.res1024, &QAction::triggered, this, &LayoutEditor::OnResolution1024);
}

void LayoutEditor::FillChoices() {
    const QSignalBlocker blockRow(m_controls.row);
    const QSignalBlocker blockH(m_controls.alignH);
    const QSignalBlocker blockV(m_controls.alignV);
    m_controls.row->addItems({tr("第1行"), tr("第2行"), tr("第3行")});
    m_controls.row->setCurrentIndex(0);
    m_controls.alignH->addItems({tr("左对齐"), tr("居中"), tr("右对齐")});
    m_controls.alignV->addItems({tr("靠上"), tr("居中"), tr("靠下")});
}

void LayoutEditor::PlacePreview() {
    m_controls.preview->setGeometry(PreviewGeometry(m_canvas.m_nWidth, m_canvas.m_nHeight));
}

void LayoutEditor::CheckResolutionItem() {
    const bool small = m_canvas.m_nWidth == 800;
    m_controls.res800->setChecked(small);
    m_controls.res1024->setChecked(!small);
}

void LayoutEditor::ShowRowStyle(int rowIndex) {
    const RowStyle &row = m_layout.m_pRows[size_t(rowIndex)];
    // Alignments outside the choices (a hand-edited file) show no selection.
    const QSignalBlocker blockH(m_controls.alignH);
    const QSignalBlocker blockV(m_controls.alignV);
    m_controls.alignH->setCurrentIndex(row.m_nAlignH >= 0 && row.m_nAlignH <= 2 ? row.m_nAlignH
                                                                                : -1);
    m_controls.alignV->setCurrentIndex(row.m_nAlignV >= 0 && row.m_nAlignV <= 2 ? row.m_nAlignV
                                                                                : -1);
    if (m_controls.autoFit) {
        const QSignalBlocker blockFit(m_controls.autoFit);
        m_controls.autoFit->setChecked(row.m_bAutoFit);
    }
    m_nEditLeft = row.m_nIndentL;
    m_nEditTop = row.m_nIndentT;
    m_nEditRight = row.m_nIndentR;
    m_nEditBottom = row.m_nIndentB;
}

bool LayoutEditor::UpdateData(bool saveAndValidate) {
    // The edits are exchanged in this order; an edit's own notifications are held back while
    // the program changes it.
    const std::pair<QLineEdit *, int *> edits[] = {{m_controls.bottom, &m_nEditBottom},
                                                   {m_controls.left, &m_nEditLeft},
                                                   {m_controls.right, &m_nEditRight},
                                                   {m_controls.top, &m_nEditTop}};
    for (const auto &[edit, member] : edits) {
        if (!saveAndValidate) {
            const QSignalBlocker block(edit);
            edit->setText(QString::number(*member));
            continue;
        }
        const std::optional<int> value = ParseDialogInt(edit->text());
        if (!value) {
            Prompt::plain(m_owner, NotAnIntegerText());
            return false;
        }
        *member = *value;
    }
    return true;
}

void LayoutEditor::OnSelChangeRow() {
    const int index = m_controls.row->currentIndex();
    if (index < 0 || index >= m_layout.m_nRowCount)
        return;
    m_nSelRow = index;
    ShowRowStyle(m_nSelRow);
    UpdateData(false);
}

void LayoutEditor::OnSelChangeAlignH() {
    RowStyle &row = selected();
    row.m_nAlignH = m_controls.alignH->currentIndex();
    row.m_nIndentL = row.m_nIndentT = row.m_nIndentR = row.m_nIndentB = 0;
    m_nEditLeft = m_nEditTop = m_nEditRight = m_nEditBottom = 0;
    UpdateData(false);
    WriteRowAlign(row.m_nAlignH, row.m_nAlignV, m_nSelRow);
    m_refresh();
}

void LayoutEditor::OnSelChangeAlignV() {
    RowStyle &row = selected();
    row.m_nAlignV = m_controls.alignV->currentIndex();
    WriteRowAlign(row.m_nAlignH, row.m_nAlignV, m_nSelRow);
    m_refresh();
}

void LayoutEditor::indentChanged(int32_t RowStyle::*indent, const int &member) {
    UpdateData(true);
    selected().*indent = member;
    WriteRowIndents(m_nEditLeft, m_nEditTop, m_nEditRight, m_nEditBottom, m_nSelRow);
    m_refresh();
}

void LayoutEditor::OnChangeIndentLeft() {
    indentChanged(&RowStyle::m_nIndentL, m_nEditLeft);
}
void LayoutEditor::OnChangeIndentTop() {
    indentChanged(&RowStyle::m_nIndentT, m_nEditTop);
}
void LayoutEditor::OnChangeIndentRight() {
    indentChanged(&RowStyle::m_nIndentR, m_nEditRight);
}
void LayoutEditor::OnChangeIndentBottom() {
    indentChanged(&RowStyle::m_nIndentB, m_nEditBottom);
}

void LayoutEditor::OnChooseFont() {
    RowStyle &row = selected();
    const FontPick initial{
        LogFontToQFont(row.m_lf),
        QColor(RedOf(row.m_crColor), GreenOf(row.m_crColor), BlueOf(row.m_crColor))};
    const std::optional<FontPick> pick = Prompt::instance().chooseFont(m_owner, initial);
    if (!pick)
        return;
    row.m_lf = QFontToLogFont(pick->font);
    WriteRowFont(m_nSelRow, row.m_lf); // nothing is written without a font file
    row.m_crColor = MakeRgb(pick->color.red(), pick->color.green(), pick->color.blue());
    WriteRowColor(row.m_crColor, m_nSelRow);
    m_refresh();
}

void LayoutEditor::OnAutoFit(bool on) {
    RowStyle &row = selected();
    if (row.m_bAutoFit == on)
        return;
    row.m_bAutoFit = on;
    WriteRowAutoFit(on, m_nSelRow);
    m_refresh();
}

void LayoutEditor::OnSolidBackground() {
    const COLORREF c = m_layout.m_crBackColor;
    const std::optional<QColor> color =
        Prompt::instance().chooseColor(m_owner, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    if (!color)
        return;
    m_layout.m_crBackColor = MakeRgb(color->red(), color->green(), color->blue());
    WriteBackColor(m_layout.m_crBackColor);
    m_canvas.FillBackground(color->red(), color->green(), color->blue());
    m_refresh();
}

void LayoutEditor::OnPictureBackground() {
    const QString path =
        Prompt::instance().openFileName(m_owner, tr("图像文件t(*.jpg;*.jpeg)|*.jpg;*.jpeg||"));
    if (path.isEmpty())
        return;
    m_strPicturePath = path;
    // An unreadable file leaves no background: the preview stays blank until a resolution
    // command builds a new one.
    m_canvas.SetBackgroundPicture(QImageReader(path).read());
    m_refresh();
}

void LayoutEditor::setResolution(int width, int height, bool fromTemplate) {
    m_controls.res800->setChecked(width == 800);
    m_controls.res1024->setChecked(width != 800);
    m_canvas.m_nWidth = width;
    m_canvas.m_nHeight = height;
    WriteResolution(width, height);
    PlacePreview();
    if (fromTemplate)
        m_canvas.m_pBackground = m_canvas.m_pTemplate;
    else
        m_canvas.SetBackgroundPicture(m_canvas.m_pBackground);
    const COLORREF c = m_layout.m_crBackColor;
    m_canvas.FillBackground(RedOf(c), GreenOf(c), BlueOf(c));
    m_refresh();
}

void LayoutEditor::OnResolution800() {
    setResolution(800, 480, false);
}
void LayoutEditor::OnResolution1024() {
    setResolution(1024, 600, true);
}

void LayoutEditor::setCursor(bool move) {
    m_controls.client->setCursor(move ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void LayoutEditor::OnMouseMove(QPoint point) {
    if (!m_bDragging) {
        const QPointF p = CanvasPointAt(point, m_controls.preview->pos());
        m_nHoverRow = HitRow(m_layout, p);
        m_bHover = m_nHoverRow < m_layout.m_nRowCount;
        setCursor(m_bHover);
        return;
    }
    setCursor(true);
    const int dx = point.x() - m_nLastX;
    const int dy = point.y() - m_nLastY;
    m_nLastX = point.x();
    m_nLastY = point.y();
    DragRow(m_layout.m_pRows[size_t(m_nHoverRow)], dx, dy);
    ShowRowStyle(m_nSelRow);
    UpdateData(false);
    m_refresh();
}

void LayoutEditor::OnLButtonDown(QPoint point) {
    if (!m_bHover)
        return;
    m_bDragging = true;
    m_nLastX = point.x();
    m_nLastY = point.y();
    setCursor(true);
    // The dragged row becomes the selected row.
    {
        const QSignalBlocker block(m_controls.row);
        m_controls.row->setCurrentIndex(m_nHoverRow);
    }
    OnSelChangeRow();
}

void LayoutEditor::OnLButtonUp() {
    m_bDragging = false;
}

} // namespace delvora
