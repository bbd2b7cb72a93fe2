#include "gui/layouteditor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWidget>

#include "common/integertext.h"
#include "gui/prompt.h"
#include "layout/dragmath.h"
#include "layout/layoutfiles.h"

namespace delvora {

LayoutEditor::LayoutEditor(PlateLayout &layout, PlateCanvas &canvas, const LayoutControls &controls,
                           std::function<void()> refresh, QWidget *owner)
    : QObject(owner), m_layout(layout), m_canvas(canvas), m_controls(controls),
      m_refresh(std::move(refresh)), m_owner(owner) {
    connect(m_controls.row, &QComboBox::currentIndexChanged, this, &LayoutEditor::onSelChangeRow);
    connect(m_controls.alignH, &QComboBox::currentIndexChanged, this,
            &LayoutEditor::onSelChangeAlignH);
    connect(m_controls.alignV, &QComboBox::currentIndexChanged, this,
            &LayoutEditor::onSelChangeAlignV);
    connect(m_controls.left, &QLineEdit::textChanged, this, &LayoutEditor::onChangeIndentLeft);
    connect(m_controls.right, &QLineEdit::textChanged, this, &LayoutEditor::onChangeIndentRight);
    connect(m_controls.top, &QLineEdit::textChanged, this, &LayoutEditor::onChangeIndentTop);
    connect(m_controls.bottom, &QLineEdit::textChanged, this, &LayoutEditor::onChangeIndentBottom);
    connect(m_controls.res800, &QAction::triggered, this, &LayoutEditor::onResolution800);
    connect(m_controls.res1024, &QAction::triggered, this, &LayoutEditor::onResolution1024);
}

void LayoutEditor::fillChoices() {
    const QSignalBlocker blockRow(m_controls.row);
    const QSignalBlocker blockH(m_controls.alignH);
    const QSignalBlocker blockV(m_controls.alignV);
    m_controls.row->addItems({tr("第1行"), tr("第2行"), tr("第3行")});
    m_controls.row->setCurrentIndex(0);
    m_controls.alignH->addItems({tr("左对齐"), tr("居中"), tr("右对齐")});
    m_controls.alignV->addItems({tr("靠上"), tr("居中"), tr("靠下")});
}

void LayoutEditor::placePreview() {
    m_controls.preview->setGeometry(previewGeometry(m_canvas.m_width, m_canvas.m_height));
}

void LayoutEditor::checkResolutionItem() {
    const bool small = m_canvas.m_width == 800;
    m_controls.res800->setChecked(small);
    m_controls.res1024->setChecked(!small);
}

void LayoutEditor::showRowStyle(int rowIndex) {
    const RowStyle &row = m_layout.rows[size_t(rowIndex)];
    // Alignments outside the choices (a hand-edited file) show no selection.
    const QSignalBlocker blockH(m_controls.alignH);
    const QSignalBlocker blockV(m_controls.alignV);
    m_controls.alignH->setCurrentIndex(row.alignH >= 0 && row.alignH <= 2 ? row.alignH : -1);
    m_controls.alignV->setCurrentIndex(row.alignV >= 0 && row.alignV <= 2 ? row.alignV : -1);
    if (m_controls.autoFit) {
        const QSignalBlocker blockFit(m_controls.autoFit);
        m_controls.autoFit->setChecked(row.autoFit);
    }
    m_editLeft = row.indentLeft;
    m_editTop = row.indentTop;
    m_editRight = row.indentRight;
    m_editBottom = row.indentBottom;
}

bool LayoutEditor::updateData(bool saveAndValidate) {
    // The edits are exchanged in this order; an edit's own notifications are held back while
    // the program changes it.
    const std::pair<QLineEdit *, int *> edits[] = {{m_controls.bottom, &m_editBottom},
                                                   {m_controls.left, &m_editLeft},
                                                   {m_controls.right, &m_editRight},
                                                   {m_controls.top, &m_editTop}};
    for (const auto &[edit, member] : edits) {
        if (!saveAndValidate) {
            const QSignalBlocker block(edit);
            edit->setText(QString::number(*member));
            continue;
        }
        const std::optional<int> value = parseDialogInt(edit->text());
        if (!value) {
            Prompt::plain(m_owner, notAnIntegerText());
            return false;
        }
        *member = *value;
    }
    return true;
}

void LayoutEditor::onSelChangeRow() {
    const int index = m_controls.row->currentIndex();
    if (index < 0 || index >= m_layout.rowCount)
        return;
    m_selectedRow = index;
    showRowStyle(m_selectedRow);
    updateData(false);
}

void LayoutEditor::onSelChangeAlignH() {
    RowStyle &row = selected();
    row.alignH = m_controls.alignH->currentIndex();
    row.indentLeft = row.indentTop = row.indentRight = row.indentBottom = 0;
    m_editLeft = m_editTop = m_editRight = m_editBottom = 0;
    updateData(false);
    writeRowAlign(row.alignH, row.alignV, m_selectedRow);
    m_refresh();
}

void LayoutEditor::onSelChangeAlignV() {
    RowStyle &row = selected();
    row.alignV = m_controls.alignV->currentIndex();
    writeRowAlign(row.alignH, row.alignV, m_selectedRow);
    m_refresh();
}

void LayoutEditor::indentChanged(int32_t RowStyle::*indent, const int &member) {
    updateData(true);
    selected().*indent = member;
    writeRowIndents(m_editLeft, m_editTop, m_editRight, m_editBottom, m_selectedRow);
    m_refresh();
}

void LayoutEditor::onChangeIndentLeft() {
    indentChanged(&RowStyle::indentLeft, m_editLeft);
}
void LayoutEditor::onChangeIndentTop() {
    indentChanged(&RowStyle::indentTop, m_editTop);
}
void LayoutEditor::onChangeIndentRight() {
    indentChanged(&RowStyle::indentRight, m_editRight);
}
void LayoutEditor::onChangeIndentBottom() {
    indentChanged(&RowStyle::indentBottom, m_editBottom);
}

void LayoutEditor::onChooseFont() {
    RowStyle &row = selected();
    const FontPick initial{logFontToQFont(row.logFont),
                           QColor(redOf(row.color), greenOf(row.color), blueOf(row.color))};
    const std::optional<FontPick> pick = Prompt::instance().chooseFont(m_owner, initial);
    if (!pick)
        return;
    row.logFont = qFontToLogFont(pick->font);
    writeRowFont(m_selectedRow, row.logFont); // nothing is written without a font file
    row.color = makeRgb(pick->color.red(), pick->color.green(), pick->color.blue());
    writeRowColor(row.color, m_selectedRow);
    m_refresh();
}

void LayoutEditor::onAutoFit(bool on) {
    RowStyle &row = selected();
    if (row.autoFit == on)
        return;
    row.autoFit = on;
    writeRowAutoFit(on, m_selectedRow);
    m_refresh();
}

void LayoutEditor::onSolidBackground() {
    const ColorRef c = m_layout.backColor;
    const std::optional<QColor> color =
        Prompt::instance().chooseColor(m_owner, QColor(redOf(c), greenOf(c), blueOf(c)));
    if (!color)
        return;
    m_layout.backColor = makeRgb(color->red(), color->green(), color->blue());
    writeBackColor(m_layout.backColor);
    m_canvas.fillBackground(color->red(), color->green(), color->blue());
    m_refresh();
}

void LayoutEditor::onPictureBackground() {
    const QString path =
        Prompt::instance().openFileName(m_owner, tr("图像文件t(*.jpg;*.jpeg)|*.jpg;*.jpeg||"));
    if (path.isEmpty())
        return;
    m_picturePath = path;
    // An unreadable file leaves no background: the preview stays blank until a resolution
    // command builds a new one.
    m_canvas.setBackgroundPicture(QImageReader(path).read());
    m_refresh();
}

void LayoutEditor::setResolution(int width, int height, bool fromTemplate) {
    m_controls.res800->setChecked(width == 800);
    m_controls.res1024->setChecked(width != 800);
    m_canvas.m_width = width;
    m_canvas.m_height = height;
    writeResolution(width, height);
    placePreview();
    if (fromTemplate)
        m_canvas.m_background = m_canvas.m_template;
    else
        m_canvas.setBackgroundPicture(m_canvas.m_background);
    const ColorRef c = m_layout.backColor;
    m_canvas.fillBackground(redOf(c), greenOf(c), blueOf(c));
    m_refresh();
}

void LayoutEditor::onResolution800() {
    setResolution(800, 480, false);
}
void LayoutEditor::onResolution1024() {
    setResolution(1024, 600, true);
}

void LayoutEditor::setCursor(bool move) {
    m_controls.client->setCursor(move ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void LayoutEditor::onMouseMove(QPoint point) {
    if (!m_dragging) {
        const QPointF p = canvasPointAt(point, m_controls.preview->pos());
        m_hoverRow = hitRow(m_layout, p);
        m_hover = m_hoverRow < m_layout.rowCount;
        setCursor(m_hover);
        return;
    }
    setCursor(true);
    const int dx = point.x() - m_lastX;
    const int dy = point.y() - m_lastY;
    m_lastX = point.x();
    m_lastY = point.y();
    dragRow(m_layout.rows[size_t(m_hoverRow)], dx, dy);
    showRowStyle(m_selectedRow);
    updateData(false);
    m_refresh();
}

void LayoutEditor::onLButtonDown(QPoint point) {
    if (!m_hover)
        return;
    m_dragging = true;
    m_lastX = point.x();
    m_lastY = point.y();
    setCursor(true);
    // The dragged row becomes the selected row.
    {
        const QSignalBlocker block(m_controls.row);
        m_controls.row->setCurrentIndex(m_hoverRow);
    }
    onSelChangeRow();
}

void LayoutEditor::onLButtonUp() {
    m_dragging = false;
}

} // namespace delvora
