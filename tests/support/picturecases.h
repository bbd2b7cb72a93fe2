#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>

namespace delvora::test {

// A table of plates drawn the same before and after a change of how pictures are made: both
// sizes, a solid and a picture background, short texts and long ones that wrap or shrink. The
// layout is described plainly here so that any version of the program can build it.
struct PictureCase {
    QString name;
    int width = 1024;
    int height = 600;
    bool pictureBackground = false;
    QString organisation;
    QString person;
    QString title;
    bool autoFit = false;
};

struct CaseRow {
    const char16_t *family;
    int pixels;
    int weight;
    bool italic;
    QColor color;
    int alignH;
    int alignV;
    int indentLeft;
    int indentTop;
    int indentRight;
    int indentBottom;
};

// Organisation above, name in the middle, title below, in three faces and colours.
inline QList<CaseRow> pictureCaseRows() {
    return {{u"宋体", 56, 700, false, QColor(255, 255, 0), 1, 1, 0, -170, 0, 0},
            {u"黑体", 120, 700, false, QColor(255, 255, 255), 1, 1, 0, 0, 0, 0},
            {u"宋体", 48, 400, true, QColor(250, 220, 120), 2, 2, 0, 0, 40, 30}};
}

inline QColor pictureCaseBackColor() {
    return QColor(180, 20, 30);
}

// A background picture of bands and a diagonal, larger than the plate so that it is scaled.
inline QImage pictureCaseBackground() {
    QImage image(1280, 760, QImage::Format_RGB32);
    image.fill(QColor(20, 40, 120));
    QPainter painter(&image);
    for (int i = 0; i < 8; ++i)
        painter.fillRect(QRect(0, i * 95, 1280, 47), QColor(30 + i * 20, 60, 140 - i * 10));
    painter.setPen(QPen(QColor(240, 200, 40), 25));
    painter.drawLine(0, 0, 1280, 760);
    return image;
}

inline QList<PictureCase> pictureCases() {
    const QString shortOrg = QStringLiteral("市人民政府办公室");
    const QString longOrg =
        QStringLiteral("中华人民共和国国家发展和改革委员会国际合作中心可持续发展研究部");
    const QString longName = QStringLiteral("欧阳建国·阿卜杜热合曼·买买提");
    QList<PictureCase> cases;
    for (const auto &[w, h] : {std::pair{1024, 600}, std::pair{800, 480}}) {
        for (bool picture : {false, true}) {
            const QString size = QStringLiteral("%1x%2 %3").arg(w).arg(h).arg(
                picture ? QStringLiteral("picture") : QStringLiteral("solid"));
            cases.append({size + QStringLiteral(" short"), w, h, picture, shortOrg,
                          QStringLiteral("王建国"), QStringLiteral("主任"), false});
            cases.append({size + QStringLiteral(" long"), w, h, picture, longOrg, longName,
                          QStringLiteral("高级研究员兼项目协调人"), false});
            cases.append({size + QStringLiteral(" long shrunk"), w, h, picture, longOrg, longName,
                          QStringLiteral("高级研究员兼项目协调人"), true});
        }
    }
    return cases;
}

} // namespace delvora::test
