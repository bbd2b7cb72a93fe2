// Rendering and encoding one plate, next to encoding the same pixels alone.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "benchplate.h"
#include "benchtiming.h"
#include "layout/jpegencoder.h"
#include "layout/logfont.h"
#include "layout/platecanvas.h"
#include "layout/platepreview.h"
#include "layout/renderer.h"

using namespace delvora;

namespace {

QByteArray encode(const QImage &image, int quality) {
    return encodePlateJpeg(image, quality);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutes();

    PlateCanvas canvas;
    PlateLayout layout;
    SetUpBenchPlate(canvas, layout);
    const PlateTexts texts{QStringLiteral("国家发展和改革委员会"), QStringLiteral("张伟"),
                           QStringLiteral("副主任")};

    const int runs = 40;
    const double render =
        millisPerRun(runs, [&] { renderPlate(layout, canvas.m_background, texts); });
    const QImage rendered = renderPlate(layout, canvas.m_background, texts);
    std::printf("render only (1024x600, 3 rows): %.2f ms\n", render);
    for (int quality : {100, 97}) {
        const double writer =
            millisPerRun(runs, [&] { encodeJpegWithImageWriter(rendered, quality); });
        const double turbo = millisPerRun(runs, [&] { encodePlateJpeg(rendered, quality); });
        std::printf("quality %d: encode alone TurboJPEG%s %.2f ms, QImageWriter %.2f ms, "
                    "ratio %.2f (goal <= 0.7)\n",
                    quality, hasFastJpegEncoder() ? "" : " (not in this build)", turbo, writer,
                    turbo / writer);
        const double both = millisPerRun(
            runs, [&] { encode(renderPlate(layout, canvas.m_background, texts), quality); });
        std::printf("quality %d: render+encode %.2f ms, rendering adds %.1f %% of encoding\n",
                    quality, both, (both - turbo) / turbo * 100.0);
    }

    // A drag refreshes the preview on every mouse move: render at canvas size, then draw the
    // picture at half size as the preview widget does.
    QImage previewSurface(512, 300, QImage::Format_RGB32);
    PlatePreview preview;
    preview.setTexts(texts);
    const double refresh = millisPerRun(200, [&] {
        layout.rows[1].indentLeft += 2;
        preview.render(layout, canvas.m_background);
        QPainter painter(&previewSurface);
        preview.paint(painter, previewSurface.rect());
    });
    std::printf("preview refresh during a drag: %.2f ms (goal < 8 ms)\n", refresh);
    return 0;
}
