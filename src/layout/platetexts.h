#pragma once

#include <QString>

namespace delvora {

// The three texts of one plate picture: organisation (row 0), name (row 1) and title (row 2).
struct PlateTexts {
    QString organisation;
    QString name;
    QString title;

    const QString &row(int index) const {
        return index == 0 ? organisation : index == 1 ? name : title;
    }
    bool operator==(const PlateTexts &) const = default;
};

} // namespace delvora
