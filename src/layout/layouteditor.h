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
    void FillChoices();
    void PlacePreview();
    void CheckResolutionItem();
    void ShowRowStyle(int row);

    // Moves the members to the edits (false) or reads the edits into the members (true; stops
    // with a message at the first edit without an integer and returns false).
    bool UpdateData(bool saveAndValidate);

    int selectedRow() const { return m_nSelRow; }
    bool isDragging() const { return m_bDragging; }
    bool isHovering() const { return m_bHover; }

public slots:
    void OnSelChangeRow();
    void OnSelChangeAlignH();
    void OnSelChangeAlignV();
    void OnChangeIndentLeft();
    void OnChangeIndentTop();
    void OnChangeIndentRight();
    void OnChangeIndentBottom();
    void OnChooseFont();
    void OnAutoFit(bool on);
    void OnSolidBackground();
    void OnPictureBackground();
    void OnResolution800();
    void OnResolution1024();
    void OnMouseMove(QPoint point);
    void OnLButtonDown(QPoint point);
    void OnLButtonUp();

private:
    RowStyle &selected() { return m_layout.m_pRows[size_t(m_nSelRow)]; }
    void indentChanged(int32_t RowStyle::*indent, const int &member);
    void setResolution(int width, int height, bool fromTemplate);
    void setCursor(bool move);

    PlateLayout &m_layout;
    PlateCanvas &m_canvas;
    LayoutControls m_controls;
    std::function<void()> m_refresh;
    QWidget *m_owner;

    QString m_strPicturePath;
    int m_nSelRow = 0;
    bool m_bHover = false;
    bool m_bDragging = false;
    int m_nLastX = 0;
    int m_nLastY = 0;
    int m_nHoverRow = 0;
    int m_nEditBottom = 0;
    int m_nEditLeft = 0;
    int m_nEditRight = 0;
    int m_nEditTop = 0;
};

} // namespace delvora
