// 自动缩小: rendering a plate whose name must shrink, next to the same plate with a short name;
// and the overflow check of 1,000 entries, on one thread and on the picture pool.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QThreadPool>
#include <cstdio>

#include "benchplate.h"
#include "benchtiming.h"
#include "layout/overflowcheck.h"
#include "layout/picturepool.h"
#include "layout/renderer.h"

using namespace delvora;

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutes();

    PlateCanvas canvas;
    PlateLayout layout;
    SetUpBenchPlate(canvas, layout);
    for (RowStyle &row : layout.rows)
        row.autoFit = true;
    const int w = canvas.m_background.width();
    const int h = canvas.m_background.height();

    const int runs = 40;
    const PlateTexts shortTexts{QStringLiteral("国家发展和改革委员会"), QStringLiteral("张伟"),
                                QStringLiteral("副主任")};
    const double shortName =
        millisPerRun(runs, [&] { renderPlate(layout, canvas.m_background, shortTexts); });
    const PlateTexts longTexts{QStringLiteral("国家发展和改革委员会"),
                               QStringLiteral("中国科学院计算技术研究所北京分所"),
                               QStringLiteral("副主任")};
    const double longName =
        millisPerRun(runs, [&] { renderPlate(layout, canvas.m_background, longTexts); });
    std::printf("render with 自动缩小: short name %.2f ms, name shrunk to %d px %.2f ms, "
                "ratio %.2f (goal <= 1.3)\n",
                shortName, rowFont(layout.rows[1], longTexts.name, w, h).pixelSize(), longName,
                longName / shortName);

    QList<PlateTexts> texts;
    for (int i = 1; i <= 1000; ++i)
        texts.append({QStringLiteral("国家发展和改革委员会第%1司").arg(i),
                      i % 10 == 0 ? QStringLiteral("欧阳%1中国科学院计算技术研究所").arg(i)
                                  : QStringLiteral("张%1伟").arg(i % 97),
                      QStringLiteral("副司长")});
    QElapsedTimer t;
    t.start();
    const QList<quint8> marks = checkOverflow(layout, w, h, texts);
    const double oneThread = double(t.nsecsElapsed()) / 1e6;
    int marked = 0;
    for (quint8 m : marks)
        marked += m != 0;

    OverflowCheck check;
    QEventLoop loop;
    QObject::connect(&check, &OverflowCheck::ready, &loop, &QEventLoop::quit);
    t.restart();
    check.start(layout, w, h, texts);
    loop.exec();
    const double pooled = double(t.nsecsElapsed()) / 1e6;
    std::printf("overflow check of 1000 entries (%d marked): one thread %.1f ms, picture pool "
                "(%d threads) %.1f ms (goal: within 100 ms or in the background)\n",
                marked, oneThread, picturePool().maxThreadCount(), pooled);
    return 0;
}
