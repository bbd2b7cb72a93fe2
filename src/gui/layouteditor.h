#pragma once

#include <QObject>
#include <QPoint>

#include "layout/platelayout.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace delvora {

class PlateDesign;
class PlatePreview;

// The controls of the main window that edit the layout.
struct LayoutControls {
    QComboBox *row = nullptr;
    QComboBox *alignH = nullptr;
    QComboBox *alignV = nullptr;
    QLineEdit *left = nullptr;
    QLineEdit *right = nullptr;
    QLineEdit *top = nullptr;
    QLineEdit *bottom = nullptr;
    QCheckBox *autoFit = nullptr;
    QWidget *preview = nullptr; // the half-size preview, placed in client pixels
    QWidget *client = nullptr;  // the area whose mouse input moves rows
    QAction *res800 = nullptr;
    QAction *res1024 = nullptr;
};

// The layout editing commands: row choice, alignment, indents, font and colour, background,
// resolution and dragging rows in the preview with the mouse. Every change goes to the design
// and is written to the layout files at once (indents changed by dragging are written when the
// window closes).
class LayoutEditor : public QObject {
    Q_OBJECT
public:
    LayoutEditor(PlateDesign &design, const PlatePreview &preview, const LayoutControls &controls,
                 QWidget *owner);

    // Shows the design in the controls: the choices, the preview's place, the plate size and
    // row 0's style.
    void showDesign();

    int selectedRow() const { return m_selectedRow; }
    bool isDragging() const { return m_dragging; }
    bool isHovering() const { return m_hover; }

public slots:
    void onSelChangeRow();
    void onSelChangeAlignH();
    void onSelChangeAlignV();
    void onChooseFont();
    void onAutoFit(bool on);
    void onSolidBackground();
    void onPictureBackground();
    void onResolution800();
    void onResolution1024();

protected:
    // Mouse input of the client area moves rows, also over the preview.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const RowStyle &selected() const;
    void setSelected(const RowStyle &row);
    void showRowStyle();
    // Moves the edit values to the edits (false), or reads the edits into them (true; stops
    // with a message at the first edit without an integer and returns false).
    bool exchangeIndents(bool read);
    void onIndentEdited(int RowStyle::*indent, const int &value);
    void setResolution(int width, int height, bool fromTemplate);
    void placePreview();
    void setCursor(bool move);
    void onMouseMove(QPoint point);
    void onLeftButtonDown(QPoint point);

    PlateDesign &m_design;
    const PlatePreview &m_preview;
    LayoutControls m_controls;
    QWidget *m_owner;

    int m_selectedRow = 0;
    bool m_hover = false;
    bool m_dragging = false;
    QPoint m_last;
    int m_hoverRow = 0;
    // The values the four indent edits hold.
    int m_editLeft = 0;
    int m_editTop = 0;
    int m_editRight = 0;
    int m_editBottom = 0;
};

} // namespace delvora
