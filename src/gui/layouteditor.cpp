#include "gui/layouteditor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWidget>

#include "common/integertext.h"
#include "gui/prompt.h"
#include "layout/dragmath.h"
#include "layout/layoutfiles.h"
#include "layout/logfont.h"
#include "layout/platedesign.h"
#include "layout/platepreview.h"

namespace delvora {

namespace {
// Larger picture files are not kept in memory; a meeting embeds their plate-size picture.
constexpr qint64 kMaxKeptPicture = 64ll << 20;
} // namespace

LayoutEditor::LayoutEditor(PlateDesign &design, const PlatePreview &preview,
                           const LayoutControls &controls, QWidget *owner)
    : QObject(owner), m_design(design), m_preview(preview), m_controls(controls), m_owner(owner) {
    connect(m_controls.row, &QComboBox::currentIndexChanged, this, &LayoutEditor::onSelChangeRow);
    connect(m_controls.alignH, &QComboBox::currentIndexChanged, this,
            &LayoutEditor::onSelChangeAlignH);
    connect(m_controls.alignV, &QComboBox::currentIndexChanged, this,
            &LayoutEditor::onSelChangeAlignV);
    connect(m_controls.left, &QLineEdit::textChanged, this,
            [this] { onIndentEdited(&RowStyle::indentLeft, m_editLeft); });
    connect(m_controls.right, &QLineEdit::textChanged, this,
            [this] { onIndentEdited(&RowStyle::indentRight, m_editRight); });
    connect(m_controls.top, &QLineEdit::textChanged, this,
            [this] { onIndentEdited(&RowStyle::indentTop, m_editTop); });
    connect(m_controls.bottom, &QLineEdit::textChanged, this,
            [this] { onIndentEdited(&RowStyle::indentBottom, m_editBottom); });
    connect(m_controls.res800, &QAction::triggered, this, &LayoutEditor::onResolution800);
    connect(m_controls.res1024, &QAction::triggered, this, &LayoutEditor::onResolution1024);
    m_controls.client->setMouseTracking(true);
    m_controls.client->installEventFilter(this);
}

void LayoutEditor::showDesign() {
    {
        const QSignalBlocker blockRow(m_controls.row);
        const QSignalBlocker blockH(m_controls.alignH);
        const QSignalBlocker blockV(m_controls.alignV);
        m_controls.row->clear();
        m_controls.alignH->clear();
        m_controls.alignV->clear();
        m_controls.row->addItems({tr("第1行"), tr("第2行"), tr("第3行")});
        m_controls.row->setCurrentIndex(0);
        m_controls.alignH->addItems({tr("左对齐"), tr("居中"), tr("右对齐")});
        m_controls.alignV->addItems({tr("靠上"), tr("居中"), tr("靠下")});
    }
    m_selectedRow = 0;
    placePreview();
    const bool small = m_design.plateSize().width() == 800;
    m_controls.res800->setChecked(small);
    m_controls.res1024->setChecked(!small);
    showRowStyle();
    exchangeIndents(false);
}

const RowStyle &LayoutEditor::selected() const {
    return m_design.row(m_selectedRow);
}

void LayoutEditor::setSelected(const RowStyle &row) {
    m_design.setRow(m_selectedRow, row);
}

void LayoutEditor::placePreview() {
    const QSize size = m_design.plateSize();
    m_controls.preview->setGeometry(previewGeometry(size.width(), size.height()));
}

void LayoutEditor::showRowStyle() {
    const RowStyle &row = selected();
    // Alignments outside the choices (a hand-edited file) show no selection.
    const QSignalBlocker blockH(m_controls.alignH);
    const QSignalBlocker blockV(m_controls.alignV);
    m_controls.alignH->setCurrentIndex(row.alignH >= 0 && row.alignH <= 2 ? row.alignH : -1);
    m_controls.alignV->setCurrentIndex(row.alignV >= 0 && row.alignV <= 2 ? row.alignV : -1);
    const QSignalBlocker blockFit(m_controls.autoFit);
    m_controls.autoFit->setChecked(row.autoFit);
    m_editLeft = row.indentLeft;
    m_editTop = row.indentTop;
    m_editRight = row.indentRight;
    m_editBottom = row.indentBottom;
}

bool LayoutEditor::exchangeIndents(bool read) {
    // The edits are exchanged in this order; an edit's own notifications are held back while
    // the program changes it.
    const std::pair<QLineEdit *, int *> edits[] = {{m_controls.bottom, &m_editBottom},
                                                   {m_controls.left, &m_editLeft},
                                                   {m_controls.right, &m_editRight},
                                                   {m_controls.top, &m_editTop}};
    for (const auto &[edit, value] : edits) {
        if (!read) {
            const QSignalBlocker block(edit);
            edit->setText(QString::number(*value));
            continue;
        }
        const std::optional<int> number = parseDialogInt(edit->text());
        if (!number) {
            Prompt::plain(m_owner, notAnIntegerText());
            return false;
        }
        *value = *number;
    }
    return true;
}

void LayoutEditor::onSelChangeRow() {
    const int index = m_controls.row->currentIndex();
    if (index < 0 || index >= PlateLayout::kRows)
        return;
    m_selectedRow = index;
    showRowStyle();
    exchangeIndents(false);
}

void LayoutEditor::onSelChangeAlignH() {
    RowStyle row = selected();
    row.alignH = m_controls.alignH->currentIndex();
    // A new alignment starts without indents; they are written when the window closes.
    row.indentLeft = row.indentTop = row.indentRight = row.indentBottom = 0;
    m_editLeft = m_editTop = m_editRight = m_editBottom = 0;
    exchangeIndents(false);
    writeRowAlign(row.alignH, row.alignV, m_selectedRow);
    setSelected(row);
}

void LayoutEditor::onSelChangeAlignV() {
    RowStyle row = selected();
    row.alignV = m_controls.alignV->currentIndex();
    writeRowAlign(row.alignH, row.alignV, m_selectedRow);
    setSelected(row);
}

void LayoutEditor::onIndentEdited(int RowStyle::*indent, const int &value) {
    // An edit without a number is reported; the numbers read before it still count.
    exchangeIndents(true);
    RowStyle row = selected();
    row.*indent = value;
    writeRowIndents(m_editLeft, m_editTop, m_editRight, m_editBottom, m_selectedRow);
    setSelected(row);
}

void LayoutEditor::onChooseFont() {
    RowStyle row = selected();
    const std::optional<FontPick> pick =
        Prompt::instance().chooseFont(m_owner, {row.font, row.color});
    if (!pick)
        return;
    // The row takes the font as the font file keeps it, so it looks the same after a restart.
    const LogFont record = qFontToLogFont(pick->font);
    row.font = logFontToQFont(record);
    writeRowFont(m_selectedRow, record); // nothing is written without a font file
    row.color = QColor(pick->color.red(), pick->color.green(), pick->color.blue());
    writeRowColor(row.color, m_selectedRow);
    setSelected(row);
}

void LayoutEditor::onAutoFit(bool on) {
    RowStyle row = selected();
    if (row.autoFit == on)
        return;
    row.autoFit = on;
    writeRowAutoFit(on, m_selectedRow);
    setSelected(row);
}

void LayoutEditor::onSolidBackground() {
    const std::optional<QColor> color =
        Prompt::instance().chooseColor(m_owner, m_design.layout().backColor);
    if (!color)
        return;
    const QColor solid(color->red(), color->green(), color->blue());
    writeBackColor(solid);
    m_design.setBackColor(solid);
}

void LayoutEditor::onPictureBackground() {
    const QString path =
        Prompt::instance().openFileName(m_owner, tr("图像文件t(*.jpg;*.jpeg)|*.jpg;*.jpeg||"));
    if (path.isEmpty())
        return;
    // An unreadable file leaves no background: the preview stays blank until a resolution
    // command builds a new one. The file's content is kept for a meeting to embed; a file too
    // large to embed is read from disk.
    QFile file(path);
    if (file.size() > kMaxKeptPicture || !file.open(QIODevice::ReadOnly)) {
        m_design.setBackgroundPicture(QImageReader(path).read());
        return;
    }
    const QByteArray bytes = file.readAll();
    m_design.setBackgroundPicture(readPicture(bytes), bytes);
}

void LayoutEditor::setResolution(int width, int height, bool fromTemplate) {
    m_controls.res800->setChecked(width == 800);
    m_controls.res1024->setChecked(width != 800);
    writeResolution(width, height);
    m_design.setPlateSize(width, height, fromTemplate);
    placePreview();
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

bool LayoutEditor::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_controls.client)
        return QObject::eventFilter(watched, event);
    // Only mouse events are looked at as mouse events: the client also
    // sees paint, resize and destruction events.
    switch (event->type()) {
    case QEvent::MouseMove:
        onMouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
        break;
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            onLeftButtonDown(mouse->position().toPoint());
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_dragging = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void LayoutEditor::onMouseMove(QPoint point) {
    if (!m_dragging) {
        const QPointF p = canvasPointAt(point, m_controls.preview->pos());
        m_hoverRow = hitRow(m_preview.rowBoxes(), p);
        m_hover = m_hoverRow < PlateLayout::kRows;
        setCursor(m_hover);
        return;
    }
    setCursor(true);
    const QPoint delta = point - m_last;
    m_last = point;
    RowStyle row = m_design.row(m_hoverRow);
    dragRow(row, delta.x(), delta.y());
    m_design.setRow(m_hoverRow, row);
    showRowStyle();
    exchangeIndents(false);
}

void LayoutEditor::onLeftButtonDown(QPoint point) {
    if (!m_hover)
        return;
    m_dragging = true;
    m_last = point;
    setCursor(true);
    // The dragged row becomes the selected row.
    {
        const QSignalBlocker block(m_controls.row);
        m_controls.row->setCurrentIndex(m_hoverRow);
    }
    onSelChangeRow();
}

} // namespace delvora
