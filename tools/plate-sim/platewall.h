#pragma once

#include <QWidget>

class QGridLayout;

namespace platesim {

class SimPlate;
class PlateTile;

// A window with one tile per simulated plate: its ID, its address and the picture it shows,
// updated the moment a picture arrives, the ID changes or the plate is reset.
class PlateWall : public QWidget {
    Q_OBJECT
public:
    explicit PlateWall(const QList<SimPlate *> &plates, QWidget *parent = nullptr);
};

// One plate as the wall shows it.
class PlateTile : public QWidget {
    Q_OBJECT
public:
    explicit PlateTile(SimPlate *plate, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void refresh();
    void noteEvent(const QString &line);

    SimPlate *m_plate;
    QImage m_picture;
    QString m_note; // the last command that did not change the picture (an address change)
};

} // namespace platesim
