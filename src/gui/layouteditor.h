#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

#include "layout/platecanvas.h"
#include "layout/platelayout.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace delvora {

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
// resolution and dragging rows in the preview. Every change is written to the layout files at
// once (indents changed by dragging are written when the window closes) and shown in the
// preview through `refresh`.
class LayoutEditor : public QObject {
    Q_OBJECT
public:
    LayoutEditor(PlateLayout &layout, PlateCanvas &canvas, const LayoutControls &controls,
                 std::function<void()> refresh, QWidget *owner);

    // Start-up steps, in the order the main window runs them.
    void fillChoices();
    void placePreview();
    void checkResolutionItem();
    void showRowStyle(int row);

    // Moves the members to the edits (false) or reads the edits into the members (true; stops
    // with a message at the first edit without an integer and returns false).
    bool updateData(bool saveAndValidate);

    int selectedRow() const { return m_selectedRow; }
    bool isDragging() const { return m_dragging; }
    bool isHovering() const { return m_hover; }

public slots:
    void onSelChangeRow();
    void onSelChangeAlignH();
    void onSelChangeAlignV();
    void onChangeIndentLeft();
    void onChangeIndentTop();
    void onChangeIndentRight();
    void onChangeIndentBottom();
    void onChooseFont();
    void onAutoFit(bool on);
    void onSolidBackground();
    void onPictureBackground();
    void onResolution800();
    void onResolution1024();
    void onMouseMove(QPoint point);
    void onLButtonDown(QPoint point);
    void onLButtonUp();

private:
    RowStyle &selected() { return m_layout.rows[size_t(m_selectedRow)]; }
    void indentChanged(int32_t RowStyle::*indent, const int &member);
    void setResolution(int width, int height, bool fromTemplate);
    void setCursor(bool move);

    PlateLayout &m_layout;
    PlateCanvas &m_canvas;
    LayoutControls m_controls;
    std::function<void()> m_refresh;
    QWidget *m_owner;

    QString m_picturePath;
    int m_selectedRow = 0;
    bool m_hover = false;
    bool m_dragging = false;
    int m_lastX = 0;
    int m_lastY = 0;
    int m_hoverRow = 0;
    int m_editBottom = 0;
    int m_editLeft = 0;
    int m_editRight = 0;
    int m_editTop = 0;
};

} // namespace delvora
