#include "namelist/namelistimport.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "gui/prompt.h"
#include "layout/platelayout.h"
#include "namelist/workbookreader.h"
#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"

namespace delvora {

bool NameListImport::run(QWidget *parent, PlateLayout &layout) {
    const QString path = Prompt::instance().openFileName(parent, texts::workbookFilter());
    m_path = path;
    if (path.isEmpty())
        return false;
    return importFile(parent, layout, path);
}

QString NameListImport::droppedFile(const QMimeData *data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls()[0].isLocalFile())
        return {};
    const QString path = data->urls()[0].toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}

bool NameListImport::importFile(QWidget *parent, PlateLayout &layout, const QString &path) {
    m_path = path;
    // A failed import never leaves old entries mixed with new ones.
    m_list.clear();
    if (!m_reader.openWorkbook(path)) {
        Prompt::plain(parent, m_reader.getErrorText());
        return false;
    }
    m_reader.readNameList(m_list);

    if (m_list.count() == 0) {
        layout.setTexts({}, {}, {});
    } else {
        const NameRecord &first = m_list.at(0);
        layout.setTexts(first.organisation, first.name, first.title);
    }
    return true;
}

} // namespace delvora
