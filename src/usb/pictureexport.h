#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "layout/picturerun.h"
#include "namelist/namerecord.h"

namespace delvora {

// U盘更新: every entry's picture as PICTURE/<plate ID>.jpg (JPEG quality 97) in a drive's root,
// made by a picture run while the window goes on. Files are written in list order, so of two
// entries with one ID the later wins. A picture that cannot be written is counted, the rest go
// on.
class PictureExport : public QObject {
    Q_OBJECT
public:
    enum class Start { Started, FolderNotCreated };
    static constexpr int kQuality = 97;

    explicit PictureExport(QObject *parent = nullptr);

    // Creates PICTURE in `root` when missing and starts writing. The look and entries are
    // copied: later changes do not reach this export.
    Start start(const PictureLook &look, const QList<NameRecord> &entries, const QString &root);
    bool isRunning() const { return m_run != nullptr; }

signals:
    // Picture `index` of `count` was written (or could not be), in list order.
    void pictureWritten(int index, int count, bool stored);
    // Every picture was handed on; `failed` of them could not be written.
    void finished(int failed);

private:
    QPointer<PictureRun> m_run;
    int m_count = 0;
    int m_failed = 0;
};

} // namespace delvora
