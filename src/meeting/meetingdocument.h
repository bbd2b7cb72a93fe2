#pragma once

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QSize>
#include <QString>

#include "layout/platelayout.h"
#include "namelist/namerecord.h"

namespace delvora {

class PlateDesign;

// Everything a meeting needs, as one file keeps it (docs/meeting-format.md): the name list,
// the plate layout, the background, the plate size and the list file the names came from.
struct MeetingDocument {
    // The format this program writes, and the newest it reads.
    static constexpr int kFormat = 1;

    QList<NameRecord> entries; // in list order, numbered from 1
    QString listFile;          // the list file the entries were imported from; may be empty
    PlateLayout layout;        // its backColor is the solid background's colour
    QSize plateSize{1024, 600};
    // A picture background: the JPEG as embedded and the picture it decodes to. Both empty
    // for a solid background.
    QByteArray backgroundJpeg;
    QImage backgroundPicture;
    // The room plan, kept as it was read; this version writes it back unchanged.
    QJsonObject roomPlan;

    bool hasPicture() const { return !backgroundJpeg.isEmpty(); }

    // The design as a meeting keeps it. A picture background is embedded as the JPEG file it was
    // made from, so that it opens to the same pixels; a background of another origin is encoded
    // from the plate-size picture.
    void takeDesign(const PlateDesign &design);
    // Makes the design this meeting's: plate size, layout and background, in one change.
    void giveDesign(PlateDesign &design) const;
};

} // namespace delvora
