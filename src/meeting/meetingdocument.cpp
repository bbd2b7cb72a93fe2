#include "meeting/meetingdocument.h"

#include "layout/jpegencoder.h"
#include "layout/platedesign.h"
#include "sheets/ziparchive.h"

namespace delvora {

void MeetingDocument::takeDesign(const PlateDesign &design) {
    layout = design.layout();
    plateSize = design.plateSize();
    backgroundJpeg.clear();
    backgroundPicture = QImage();
    if (!design.hasPicture())
        return;
    // The picture at the plate's size scales to itself when the meeting is opened.
    backgroundPicture = design.canvas().m_background;
    const QByteArray &file = design.pictureFile();
    if (file.startsWith("\xFF\xD8\xFF") && quint64(file.size()) <= ZipArchive::kMaxPartSize)
        backgroundJpeg = file;
    else
        backgroundJpeg = encodePlateJpeg(backgroundPicture, 100);
}

void MeetingDocument::giveDesign(PlateDesign &design) const {
    design.replace(layout, plateSize, hasPicture() ? backgroundPicture : QImage(), backgroundJpeg);
}

} // namespace delvora
