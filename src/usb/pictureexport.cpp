#include "usb/pictureexport.h"

#include <QDir>
#include <QFileInfo>

#include "layout/jpegencoder.h"
#include "usb/drivelist.h"

namespace delvora {

PictureExport::PictureExport(QObject *parent) : QObject(parent) {}

PictureExport::Start PictureExport::start(const PictureLook &look, const QList<NameRecord> &entries,
                                          const QString &root) {
    // One folder level below the drive root, created when missing.
    const QString folder = drivePath(root, QStringLiteral("PICTURE"));
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder))
        return Start::FolderNotCreated;
    QList<PlateTexts> texts;
    QStringList files;
    texts.reserve(entries.size());
    files.reserve(entries.size());
    for (const NameRecord &entry : entries) {
        texts.append(entry.texts());
        files.append(drivePath(folder, entry.id + QStringLiteral(".jpg")));
    }
    m_count = int(entries.size());
    m_failed = 0;
    m_run = new PictureRun(look, std::move(texts), this);
    m_run->setQuality(kQuality);
    m_run->setSink([files](int index, const QByteArray &jpeg) {
        return writeJpegFile(jpeg, files.at(index));
    });
    connect(m_run, &PictureRun::delivered, this, [this](int index, bool stored) {
        if (!stored)
            ++m_failed;
        emit pictureWritten(index, m_count, stored);
    });
    connect(m_run, &PictureRun::finished, this, [this] {
        m_run->deleteLater();
        m_run = nullptr;
        emit finished(m_failed);
    });
    m_run->start();
    return Start::Started;
}

} // namespace delvora
