#pragma once

#include <QImage>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "layout/logfont.h"
#include "layout/platedesign.h"
#include "printing/printlook.h"
#include "support/tempworkdir.h"

namespace delvora::test {

// What one of poppler's tools prints; empty when it failed.
inline QString popplerOutput(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline bool havePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The text of one page (pages count from 1). Where the CJK face draws an ideograph and the
// radical of the same shape with one glyph, the PDF names the radical; compatibility
// normalisation reads both as the ideograph.
inline QString pdfPageText(const QString &path, int page) {
    return popplerOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                          QString::number(page), path, QStringLiteral("-")})
        .normalized(QString::NormalizationForm_KC);
}

// pdfinfo's "Pages:" and "Page size:" (in points) of the first page.
struct PdfInfo {
    int pages = 0;
    QSizeF pageSize;
};
inline PdfInfo pdfInfo(const QString &path) {
    PdfInfo info;
    const QString out = popplerOutput(QStringLiteral("pdfinfo"), {path});
    for (const QString &line : out.split(u'\n')) {
        const QStringList words = line.simplified().split(u' ');
        if (line.startsWith(QStringLiteral("Pages:")) && words.size() >= 2)
            info.pages = words[1].toInt();
        if (line.startsWith(QStringLiteral("Page size:")) && words.size() >= 5)
            info.pageSize = QSizeF(words[2].toDouble(), words[4].toDouble());
    }
    return info;
}

// One word as pdftotext -bbox places it on its page, in points.
struct PdfWord {
    int page = 0;
    QRectF box;
    QString text;
};
inline QList<PdfWord> pdfWords(const QString &path) {
    QList<PdfWord> words;
    QXmlStreamReader xml(popplerOutput(QStringLiteral("pdftotext"),
                                       {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"page") {
            ++page;
        } else if (xml.name() == u"word") {
            const auto a = xml.attributes();
            const QPointF topLeft(a.value(QStringLiteral("xMin")).toDouble(),
                                  a.value(QStringLiteral("yMin")).toDouble());
            const QPointF bottomRight(a.value(QStringLiteral("xMax")).toDouble(),
                                      a.value(QStringLiteral("yMax")).toDouble());
            words.append({page, QRectF(topLeft, bottomRight),
                          xml.readElementText().normalized(QString::NormalizationForm_KC)});
        }
    }
    return words;
}

// A page rasterised by pdftoppm at `dpi`, in grey.
inline QImage pdfPageImage(const QString &path, int page, int dpi) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    popplerOutput(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                   QString::number(page), QStringLiteral("-r"), QString::number(dpi),
                   QStringLiteral("-gray"), QStringLiteral("-singlefile"), QStringLiteral("-png"),
                   path, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// The plates as a fresh installation draws them: the shipped layout files and canvas.
class ShippedDesign {
public:
    ShippedDesign() {
        installFontSubstitutes();
        for (const char *name : {"Settings.ini", "fontSetting.dat", "red.jpg"})
            m_dir.installResource(QString::fromLatin1(name));
        m_design.loadFromFiles(QStringLiteral("./red.jpg"));
    }
    PrintLook look(bool plain = false) const {
        return PrintLook::of(m_design.layout(), m_design.canvas().m_background, plain);
    }
    PlateDesign &design() { return m_design; }
    const TempWorkDir &dir() const { return m_dir; }

private:
    TempWorkDir m_dir;
    PlateDesign m_design;
};

} // namespace delvora::test
