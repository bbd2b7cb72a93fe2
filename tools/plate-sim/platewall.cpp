#include "platewall.h"

#include <QGridLayout>
#include <QImageReader>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "simplate.h"

namespace platesim {

namespace {
// Pictures at about a quarter of a 1024×600 plate: names stay readable, eight tiles fit a screen.
constexpr int kPictureWidth = 280;
constexpr int kPictureHeight = 164;
constexpr int kCaption = 24;
} // namespace

PlateTile::PlateTile(SimPlate *plate, QWidget *parent) : QWidget(parent), m_plate(plate) {
    setObjectName(QStringLiteral("plate-%1").arg(plate->address()));
    setFixedSize(sizeHint());
    connect(plate, &SimPlate::changed, this, &PlateTile::refresh);
    connect(plate, &SimPlate::event, this, &PlateTile::noteEvent);
    refresh();
}

QSize PlateTile::sizeHint() const {
    return {kPictureWidth + 8, kPictureHeight + kCaption + 8};
}

void PlateTile::refresh() {
    const QString path = m_plate->picturePath();
    m_picture = path.isEmpty() ? QImage() : QImageReader(path).read();
    m_note.clear();
    setAccessibleName(QStringLiteral("桌牌 %1").arg(m_plate->id()));
    update();
}

void PlateTile::noteEvent(const QString &line) {
    if (line.startsWith(QStringLiteral("ip "))) {
        const int at = line.indexOf(QStringLiteral("address="));
        m_note = QStringLiteral("新地址 ") + line.mid(at + 8).section(u' ', 0, 0);
        update();
    }
}

void PlateTile::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), QColor(40, 40, 40));
    const QRect caption(4, 4, width() - 8, kCaption - 4);
    p.setPen(Qt::white);
    QFont f = font();
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("ID %1").arg(m_plate->id()));
    f.setBold(false);
    p.setFont(f);
    p.drawText(caption, Qt::AlignRight | Qt::AlignVCenter,
               m_note.isEmpty() ? m_plate->address() : m_note);
    const QRect screen(4, kCaption + 4, width() - 8, height() - kCaption - 8);
    if (m_picture.isNull()) {
        p.fillRect(screen, Qt::black);
        p.setPen(QColor(150, 150, 150));
        p.drawText(screen, Qt::AlignCenter, QStringLiteral("无画面"));
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(screen, m_picture);
    }
}

PlateWall::PlateWall(const QList<SimPlate *> &plates, QWidget *parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("虚拟桌牌 (%1)").arg(plates.size()));
    setObjectName(QStringLiteral("plateWall"));
    auto *inner = new QWidget;
    auto *grid = new QGridLayout(inner);
    grid->setSpacing(6);
    const int columns = std::min(4, std::max(1, int(std::ceil(std::sqrt(double(plates.size()))))));
    for (int i = 0; i < plates.size(); ++i)
        grid->addWidget(new PlateTile(plates[i], inner), i / columns, i % columns);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    const QSize tile = PlateTile(plates.first(), nullptr).sizeHint();
    const int rows = (int(plates.size()) + columns - 1) / columns;
    resize(columns * (tile.width() + 6) + 30, std::min(900, rows * (tile.height() + 6) + 30));
}

} // namespace platesim
