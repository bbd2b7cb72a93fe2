#pragma once

#include <QDialog>
#include <QString>

#include "app/mainwindowface.h"
#include "layout/platecanvas.h"
#include "layout/platelayout.h"
#include "namelist/excelreader.h"
#include "namelist/namelist.h"
#include "namelist/namelistimport.h"

class QTimer;

namespace delvora {

// Timers of the main window: the picture connection wait and the ID-change answer wait.
enum TimerId { TIMER_CONNECT = 1, TIMER_ID_CHANGE = 2 };

// The main window. It owns every component for the life of the program and routes each
// control and menu command to the component that does the work.
class CPlaxonDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPlaxonDlg(QWidget *parent = nullptr);
    ~CPlaxonDlg() override;

    // Renders the current layout anew and shows it in the preview.
    void RefreshPreview();
    // Redraws the kept preview picture without rendering.
    void DrawPreview();

    // Arms one of the two one-shot timers.
    void SetTimer(TimerId id, int milliseconds);
    void KillTimer(TimerId id);

    MainWindowFace &face() { return m_face; }
    PlateLayout &layout() { return m_layout; }
    PlateCanvas &canvas() { return m_canvas; }
    NameList &names() { return m_names; }
    CExcelReader &excel() { return m_excel; }

public slots:
    void OnTimer(int id);
    void OnAbout();
    void OnOpenTable();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void OnInitDialog();
    void Route();
    void PlacePreview();
    void CheckResolutionItem();

    QString m_strPicturePath;
    PlateCanvas m_canvas;
    PlateLayout m_layout; // the rows, their count and the background colour
    QString m_strLocalIp;
    QString m_strNetPrefix;
    int m_nTcpPort = 8087;
    int m_nSelRow = 0;
    bool m_bHover = false;
    bool m_bDragging = false;
    int m_nLastX = 0;
    int m_nLastY = 0;
    int m_nHoverRow = 0;
    bool m_bPortOpen = false;
    bool m_bFixedIp = false;
    int m_nEditBottom = 0;
    int m_nEditLeft = 0;
    int m_nEditRight = 0;
    int m_nEditTop = 0;
    CExcelReader m_excel;
    NameList m_names;
    NameListImport m_nameImport{m_excel, m_names};

    MainWindowFace m_face;
    QTimer *m_timerConnect = nullptr;
    QTimer *m_timerIdChange = nullptr;
};

// The one main window, once it is initialised.
extern CPlaxonDlg *g_pMainDlg;

} // namespace delvora
