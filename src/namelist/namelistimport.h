#pragma once

#include <QString>

class QMimeData;
class QWidget;

namespace delvora {

class WorkbookReader;
class NameList;
struct PlateLayout;

// The import command of button 1001 "打开表格": the operator picks a workbook, its rows
// replace the name list and the first entry's texts go to the layout rows.
class NameListImport {
public:
    NameListImport(WorkbookReader &reader, NameList &list) : m_reader(reader), m_list(list) {}

    // Runs the command. Returns true when the layout's row texts were set and the preview is
    // to be rendered anew; false when the operator cancelled or the workbook could not be
    // opened (that is already reported). Raises WorkbookError when reading the rows fails;
    // the entries read until then stay in the list and the layout is left as it was.
    bool run(QWidget *parent, PlateLayout &layout);
    // The same with the file already chosen (dropped on the main window).
    bool importFile(QWidget *parent, PlateLayout &layout, const QString &path);
    // The file the last run picked or was given, empty when it was cancelled.
    const QString &path() const { return m_path; }

    // The one local file that dragged data carries; empty when it carries anything else.
    static QString droppedFile(const QMimeData *data);

private:
    WorkbookReader &m_reader;
    NameList &m_list;
    QString m_path;
};

} // namespace delvora
