#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

#include "layout/jpegencoder.h"
#include "layout/layoutfiles.h"
#include "layout/logfont.h"
#include "layout/platedesign.h"
#include "layout/renderer.h"
#include "meeting/meetingdocument.h"
#include "meeting/meetingjson.h"
#include "meeting/meetingreader.h"
#include "meeting/meetingtexts.h"
#include "meeting/meetingwriter.h"
#include "meeting/recentmeetings.h"
#include "meetingzip.h"
#include "namelist/namelistwriter.h"
#include "sheets/spreadsheettexts.h"
#include "sheets/ziparchive.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

Q_DECLARE_METATYPE(delvora::MeetingDocument)

namespace {

QString fixture(const QString &name) {
    return QStringLiteral(DELVORA_MEETING_FIXTURES "/") + name;
}

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A photo-like picture: every pixel different, so that a scaling or decoding difference shows.
QByteArray photoJpeg(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 3) % 256, (x ^ y) % 256));
    return encodePlateJpeg(image, 90);
}

QList<NameRecord> someEntries() {
    return {{1, QStringLiteral("1"), QStringLiteral("国家发展和改革委员会"), QStringLiteral("张伟"),
             QStringLiteral("副主任")},
            {2, QStringLiteral("12345"), QStringLiteral("教育部"), QStringLiteral("李娜"),
             QStringLiteral("司长")},
            {3, QString(), QString(), QStringLiteral("空位 \"引号\" \\ 🙂"), QString()},
            {4, QStringLiteral("-1"), QStringLiteral("Ministry of Foreign Affairs"),
             QStringLiteral("John Smith"), QStringLiteral("Guest\nof honour")}};
}

// A design as the window makes it: every kind of font field, odd alignments, negative indents,
// 自动缩小, and the background asked for.
void design(PlateDesign &d, const QString &background, int plateWidth) {
    d.loadFromFiles(sourcePath(QStringLiteral("res/red.jpg")));
    if (plateWidth == 800)
        d.setPlateSize(800, 480, false);
    PlateLayout layout = d.layout();
    LogFont bold = defaultLogFont();
    bold.height = -44;
    bold.weight = 700;
    bold.italic = 1;
    layout.rows[0].font = logFontToQFont(bold);
    layout.rows[0].alignH = 0;
    layout.rows[0].indentLeft = -20;
    layout.rows[0].indentTop = 35;
    layout.rows[0].autoFit = true;
    LogFont wide;
    wide.setFaceName(QStringLiteral("DejaVu Sans"));
    wide.height = -90;
    wide.width = 70; // a font file's record with a width: glyphs of another width
    wide.underline = 1;
    layout.rows[1].font = logFontToQFont(wide);
    layout.rows[1].color = QColor(10, 200, 30);
    layout.rows[2].font = recordedFont(QFont(QStringLiteral("Noto Sans CJK SC"), 30));
    layout.rows[2].font.setStrikeOut(true);
    layout.rows[2].alignV = 7; // as a hand-edited Settings.ini may hold
    layout.rows[2].indentBottom = 12;
    d.setLayout(layout);
    if (background == u"picture") {
        const QByteArray jpeg = photoJpeg(1200, 700);
        d.setBackgroundPicture(readPicture(jpeg), jpeg);
    } else if (background == u"png picture") {
        QImage image(300, 200, QImage::Format_ARGB32);
        image.fill(QColor(30, 60, 90));
        d.setBackgroundPicture(image);
    } else {
        d.setBackColor(QColor(0, 40, 120));
    }
}

// The JPEG the USB export writes for each entry.
QList<QByteArray> pictures(const PlateDesign &d, const QList<NameRecord> &entries) {
    QList<QByteArray> out;
    for (const NameRecord &entry : entries)
        out << encodePlateJpeg(renderPlate(d.layout(), d.canvas().m_background, entry.texts()), 97);
    return out;
}

MeetingDocument smallMeeting() {
    MeetingDocument meeting;
    meeting.entries = someEntries();
    meeting.listFile = QStringLiteral("/tmp/名单.xls");
    return meeting;
}

QByteArray meetingFileOf(const QJsonObject &json, const QByteArray &background = {}) {
    QList<ZipPart> parts{{"mimetype", kMeetingMimeType, true},
                         {"meeting.json", QJsonDocument(json).toJson()}};
    if (!background.isNull())
        parts << ZipPart{"background.jpg", background, true};
    return zipOf(parts);
}

QString jsonPart() {
    return QStringLiteral("meeting.json");
}

} // namespace

class TestMeetingFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void roundTripGivesTheSamePictures_data();
    void roundTripGivesTheSamePictures();
    void containerAsDocumented();
    void handWrittenMeetingsOpen();
    void roomPlanIsKept();
    void badInputs_data();
    void badInputs();
    void pathsThatAreNoMeeting();
    void failedSavesKeepTheOldFile();
    void recognisedByContent();
    void recentMeetings();
    void layoutFilesFollowTheMeeting();
};

void TestMeetingFile::roundTripGivesTheSamePictures_data() {
    QTest::addColumn<QString>("background");
    QTest::addColumn<int>("plateWidth");
    QTest::newRow("solid, 1024") << QStringLiteral("solid") << 1024;
    QTest::newRow("picture, 1024") << QStringLiteral("picture") << 1024;
    QTest::newRow("picture, 800") << QStringLiteral("picture") << 800;
}

void TestMeetingFile::roundTripGivesTheSamePictures() {
    QFETCH(QString, background);
    QFETCH(int, plateWidth);
    TempWorkDir dir;
    PlateDesign before;
    design(before, background, plateWidth);
    MeetingDocument meeting = smallMeeting();
    meeting.takeDesign(before);

    const QString path = dir.file(QStringLiteral("会议.delvora"));
    QCOMPARE(writeMeeting(path, meeting), QString());
    const MeetingReadResult read = readMeeting(path);
    QVERIFY2(read.ok(), qPrintable(read.error));
    const MeetingDocument &back = *read.document;
    QCOMPARE(back.entries, meeting.entries);
    QCOMPARE(back.listFile, meeting.listFile);
    QVERIFY(back.layout == before.layout());
    QCOMPARE(back.plateSize, before.plateSize());
    QCOMPARE(back.hasPicture(), background == u"picture");
    if (back.hasPicture()) // the file the operator chose, as it was
        QCOMPARE(back.backgroundJpeg, before.pictureFile());

    PlateDesign after;
    after.loadFromFiles(sourcePath(QStringLiteral("res/red.jpg")));
    back.giveDesign(after);
    QVERIFY(after.layout() == before.layout());
    QCOMPARE(after.hasPicture(), before.hasPicture());
    QCOMPARE(after.canvas().m_background, before.canvas().m_background);
    QCOMPARE(pictures(after, back.entries), pictures(before, meeting.entries));
}

void TestMeetingFile::containerAsDocumented() {
    PlateDesign d;
    design(d, QStringLiteral("picture"), 1024);
    MeetingDocument meeting = smallMeeting();
    meeting.takeDesign(d);
    QString reason;
    const QByteArray bytes = meetingBytes(meeting, reason);
    QCOMPARE(reason, QString());
    const QList<std::pair<QString, bool>> expected{{QStringLiteral("mimetype"), true},
                                                   {QStringLiteral("meeting.json"), false},
                                                   {QStringLiteral("background.jpg"), true}};
    QCOMPARE(zipParts(bytes), expected);
    QVERIFY(looksLikeMeeting(bytes));
    const QJsonObject json = meetingToJson(meeting);
    QCOMPARE(json.value(QStringLiteral("format")).toInt(), 1);
    // A normal font carries no stretch; the font with a width does.
    const QJsonArray rows = json[QStringLiteral("layout")][QStringLiteral("rows")].toArray();
    QVERIFY(!rows[0][QStringLiteral("font")].toObject().contains(QStringLiteral("stretch")));
    QVERIFY(rows[1][QStringLiteral("font")].toObject().contains(QStringLiteral("stretch")));
    QCOMPARE(rows[0][QStringLiteral("font")][QStringLiteral("pixelSize")].toInt(), 44);
    QCOMPARE(rows[0][QStringLiteral("font")][QStringLiteral("weight")].toInt(), 700);

    // A picture that is no JPEG is embedded as the plate-size picture, as a JPEG.
    PlateDesign png;
    design(png, QStringLiteral("png picture"), 800);
    meeting.takeDesign(png);
    QVERIFY(meeting.backgroundJpeg.startsWith("\xFF\xD8\xFF"));
    QCOMPARE(readPicture(meeting.backgroundJpeg).size(), QSize(800, 480));
}

void TestMeetingFile::handWrittenMeetingsOpen() {
    const MeetingReadResult read = readMeeting(fixture(QStringLiteral("handwritten.delvora")));
    QVERIFY2(read.ok(), qPrintable(read.error));
    const MeetingDocument &m = *read.document;
    QCOMPARE(m.plateSize, QSize(800, 480));
    QCOMPARE(m.layout.backColor, QColor(0, 32, 96));
    QVERIFY(m.hasPicture());
    QCOMPARE(m.backgroundJpeg, fileBytes(sourcePath(QStringLiteral("res/red.jpg"))));
    QCOMPARE(m.listFile, QStringLiteral("D:/会议/上午全体会议.xls"));

    const RowStyle &r0 = m.layout.rows[0];
    QCOMPARE(r0.font.family(), QStringLiteral("宋体"));
    QCOMPARE(r0.font.pixelSize(), 40);
    QCOMPARE(r0.font.weight(), QFont::Bold);
    QVERIFY(r0.font.italic());
    QCOMPARE(r0.color, QColor(255, 255, 0));
    QCOMPARE(std::make_tuple(r0.alignH, r0.alignV, r0.indentLeft, r0.indentTop, r0.autoFit),
             std::make_tuple(0, 0, 30, -12, true));
    // Left-out font fields take the record's defaults: the same font as from such a record.
    LogFont plain;
    plain.setFaceName(QStringLiteral("黑体"));
    plain.height = -96;
    plain.weight = 400;
    QCOMPARE(m.layout.rows[1].font, logFontToQFont(plain));
    QVERIFY(m.layout.rows[2].font.underline());
    QCOMPARE(std::make_tuple(m.layout.rows[2].alignH, m.layout.rows[2].indentRight,
                             m.layout.rows[2].indentBottom),
             std::make_tuple(2, 25, 40));

    const QList<NameRecord> expected{{1, QStringLiteral("1"),
                                      QStringLiteral("国家发展和改革委员会"),
                                      QStringLiteral("张伟"), QStringLiteral("副主任")},
                                     {2, QStringLiteral("2"), QStringLiteral("教育部"),
                                      QStringLiteral("李娜"), QStringLiteral("司长")},
                                     {3, QString(), QString(), QStringLiteral("空位"), QString()},
                                     {4, QStringLiteral("-1"), QStringLiteral("外宾"),
                                      QStringLiteral("John Smith"), QStringLiteral("Guest")}};
    QCOMPARE(m.entries, expected);

    const MeetingReadResult smallest = readMeeting(fixture(QStringLiteral("smallest.delvora")));
    QVERIFY2(smallest.ok(), qPrintable(smallest.error));
    QVERIFY(smallest.document->entries.isEmpty());
    QVERIFY(!smallest.document->hasPicture());
    QCOMPARE(smallest.document->listFile, QString());
}

void TestMeetingFile::roomPlanIsKept() {
    // What a later version puts there comes back unchanged from this one.
    const MeetingReadResult read = readMeeting(fixture(QStringLiteral("smallest.delvora")));
    QVERIFY2(read.ok(), qPrintable(read.error));
    const QJsonObject plan = read.document->roomPlan;
    QCOMPARE(plan.value(QStringLiteral("note")).toString(), QStringLiteral("kept as it is"));
    QString reason;
    const QByteArray again = meetingBytes(*read.document, reason);
    const std::optional<MeetingDocument> back = parseMeeting(again, reason);
    QVERIFY2(back, qPrintable(reason));
    QCOMPARE(back->roomPlan, plan);
    // And a meeting without one writes none.
    QVERIFY(!meetingToJson(smallMeeting()).contains(QStringLiteral("roomPlan")));
}

void TestMeetingFile::badInputs_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QJsonObject good = meetingToJson(smallMeeting());
    const auto with = [&](const QString &path, const QJsonValue &value) {
        return meetingFileOf(withMember(good, path, value));
    };
    const auto outOfRange = [](const char *member) {
        return texts::jsonOutOfRange(jsonPart(), QString::fromLatin1(member));
    };
    const auto wrongType = [](const char *member) {
        return texts::jsonWrongType(jsonPart(), QString::fromLatin1(member));
    };
    const QByteArray goodFile = meetingFileOf(good);
    const QByteArray type(kMeetingMimeType);
    const QByteArray json = QJsonDocument(good).toJson();

    // The container.
    QTest::newRow("truncated zip") << goodFile.left(goodFile.size() / 2) << texts::damagedArchive();
    QByteArray damaged = goodFile;
    const qsizetype data = damaged.indexOf("meeting.json") + 12 + 20;
    for (qsizetype i = data; i < data + 16; ++i)
        damaged[i] = char(damaged[i] ^ 0x5A);
    QTest::newRow("damaged part") << damaged << texts::damagedPart(jsonPart());
    QTest::newRow("not a zip") << QByteArray("{\"format\": 1}") << texts::notMeetingFile();
    QTest::newRow("no mimetype") << zipOf({{"meeting.json", json}}) << texts::notMeetingFile();
    QTest::newRow("wrong mimetype")
        << zipOf({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", true},
                  {"meeting.json", json}})
        << texts::notMeetingFile();
    QTest::newRow("mimetype compressed")
        << zipOf({{"mimetype", type, false}, {"meeting.json", json}}) << texts::notMeetingFile();
    QTest::newRow("mimetype not first")
        << zipOf({{"meeting.json", json}, {"mimetype", type, true}}) << texts::notMeetingFile();
    QTest::newRow("no meeting.json") << zipOf({{"mimetype", type, true}, {"content.json", json}})
                                     << texts::missingPart(jsonPart());
    // Spaces inflate a thousandfold and more: refused like a zip bomb in a list file.
    QTest::newRow("past the ratio limit")
        << zipOf({{"mimetype", type, true},
                  {"meeting.json", json + QByteArray(4 << 20, ' '), false, true}})
        << texts::partTooLarge(jsonPart());

    // The JSON.
    const QByteArray cut = json.left(json.size() / 2);
    QJsonParseError parse;
    QJsonDocument::fromJson(cut, &parse);
    QTest::newRow("JSON cut short") << zipOf({{"mimetype", type, true}, {"meeting.json", cut}})
                                    << texts::jsonMalformed(jsonPart(), parse.offset);
    QTest::newRow("JSON array") << zipOf({{"mimetype", type, true}, {"meeting.json", "[1, 2]"}})
                                << texts::jsonNotObject(jsonPart());
    QTest::newRow("no format") << with(QStringLiteral("format"), QJsonValue::Undefined)
                               << texts::jsonMissing(jsonPart(), QStringLiteral("format"));
    QTest::newRow("format as text")
        << with(QStringLiteral("format"), QStringLiteral("1")) << wrongType("format");
    QTest::newRow("newer format") << with(QStringLiteral("format"), 2)
                                  << texts::newerMeetingFormat();
    // Newer is newer whatever else the file holds.
    QTest::newRow("newer format, other layout")
        << meetingFileOf({{QStringLiteral("format"), 7}, {QStringLiteral("layout"), 1}})
        << texts::newerMeetingFormat();
    QTest::newRow("format 0") << with(QStringLiteral("format"), 0) << outOfRange("format");
    QTest::newRow("format 1.5") << with(QStringLiteral("format"), 1.5) << wrongType("format");
    QTest::newRow("colour of 300") << with(QStringLiteral("layout.rows[0].color.red"), 300)
                                   << outOfRange("layout.rows[0].color.red");
    QTest::newRow("negative background")
        << with(QStringLiteral("background.color.blue"), -1) << outOfRange("background.color.blue");
    QTest::newRow("pixel size 0") << with(QStringLiteral("layout.rows[1].font.pixelSize"), 0)
                                  << outOfRange("layout.rows[1].font.pixelSize");
    QTest::newRow("pixel size 1e300")
        << with(QStringLiteral("layout.rows[1].font.pixelSize"), 1e300)
        << outOfRange("layout.rows[1].font.pixelSize");
    QTest::newRow("weight 5000") << with(QStringLiteral("layout.rows[2].font.weight"), 5000)
                                 << outOfRange("layout.rows[2].font.weight");
    QTest::newRow("family too long")
        << with(QStringLiteral("layout.rows[0].font.family"), QString(32, u'宋'))
        << outOfRange("layout.rows[0].font.family");
    QTest::newRow("family a number") << with(QStringLiteral("layout.rows[0].font.family"), 5)
                                     << wrongType("layout.rows[0].font.family");
    QTest::newRow("no font") << with(QStringLiteral("layout.rows[2].font"), QJsonValue::Undefined)
                             << texts::jsonMissing(jsonPart(),
                                                   QStringLiteral("layout.rows[2].font"));
    QTest::newRow("autoFit as 1") << with(QStringLiteral("layout.rows[0].autoFit"), 1)
                                  << wrongType("layout.rows[0].autoFit");
    QTest::newRow("alignment as text")
        << with(QStringLiteral("layout.rows[0].alignH"), QStringLiteral("1"))
        << wrongType("layout.rows[0].alignH");
    QTest::newRow("two rows")
        << with(QStringLiteral("layout.rows"),
                QJsonArray{good[QStringLiteral("layout")][QStringLiteral("rows")][0],
                           good[QStringLiteral("layout")][QStringLiteral("rows")][1]})
        << outOfRange("layout.rows");
    QTest::newRow("plate 640x480")
        << with(QStringLiteral("plate.width"), 640) << outOfRange("plate");
    QTest::newRow("ID not a number") << with(QStringLiteral("entries[1].id"), QStringLiteral("12a"))
                                     << outOfRange("entries[1].id");
    QTest::newRow("ID with leading zeros")
        << with(QStringLiteral("entries[0].id"), QStringLiteral("0012"))
        << outOfRange("entries[0].id");
    QTest::newRow("ID past 32 bits")
        << with(QStringLiteral("entries[0].id"), 12345678901.0) << outOfRange("entries[0].id");
    QTest::newRow("ID 1.5") << with(QStringLiteral("entries[0].id"), 1.5)
                            << wrongType("entries[0].id");
    QTest::newRow("ID true") << with(QStringLiteral("entries[3].id"), true)
                             << wrongType("entries[3].id");
    QTest::newRow("entry without a name")
        << with(QStringLiteral("entries[2].name"), QJsonValue::Undefined)
        << texts::jsonMissing(jsonPart(), QStringLiteral("entries[2].name"));
    QTest::newRow("entry a string")
        << with(QStringLiteral("entries"), QJsonArray{QStringLiteral("张伟")})
        << wrongType("entries[0]");
    QTest::newRow("entries an object")
        << with(QStringLiteral("entries"), QJsonObject{}) << wrongType("entries");
    QTest::newRow("list file a number")
        << with(QStringLiteral("listFile"), 3) << wrongType("listFile");
    QTest::newRow("room plan an array")
        << with(QStringLiteral("roomPlan"), QJsonArray{}) << wrongType("roomPlan");

    // The background picture.
    const QJsonObject withPicture = withMember(good, QStringLiteral("background.picture"), true);
    QTest::newRow("no background part")
        << meetingFileOf(withPicture) << texts::missingPart(QStringLiteral("background.jpg"));
    QImage png(20, 20, QImage::Format_RGB32);
    png.fill(Qt::blue);
    QByteArray pngBytes;
    QBuffer buffer(&pngBytes);
    png.save(&buffer, "PNG");
    QTest::newRow("background a PNG")
        << meetingFileOf(withPicture, pngBytes) << texts::notJpeg(QStringLiteral("background.jpg"));
    QTest::newRow("background a damaged JPEG")
        << meetingFileOf(withPicture, QByteArray("\xFF\xD8\xFF\xE0 nothing more"))
        << texts::notJpeg(QStringLiteral("background.jpg"));
}

void TestMeetingFile::badInputs() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TempWorkDir dir;
    const QString path = dir.file(QStringLiteral("坏的.delvora"));
    dir.write(QStringLiteral("坏的.delvora"), bytes);
    const MeetingReadResult read = readMeeting(path);
    QVERIFY(!read.ok());
    QCOMPARE(read.error, texts::meetingOpenFailed(path, reason));
    QVERIFY(read.error.contains(QDir::toNativeSeparators(path)));
}

void TestMeetingFile::pathsThatAreNoMeeting() {
    TempWorkDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder.delvora"));
    const QString folder = dir.file(QStringLiteral("folder.delvora"));
    QCOMPARE(readMeeting(folder).error, texts::meetingOpenFailed(folder, texts::meetingIsFolder()));
    const QString missing = dir.file(QStringLiteral("missing.delvora"));
    QCOMPARE(readMeeting(missing).error,
             texts::meetingOpenFailed(missing, texts::meetingFileMissing()));
}

void TestMeetingFile::failedSavesKeepTheOldFile() {
    TempWorkDir dir;
    MeetingDocument meeting = smallMeeting();
    const QString path = dir.file(QStringLiteral("m.delvora"));
    QCOMPARE(writeMeeting(path, meeting), QString());
    const QByteArray old = dir.read(QStringLiteral("m.delvora"));

    // A folder where the file should be, and a folder that is gone.
    QDir(dir.path()).mkdir(QStringLiteral("taken.delvora"));
    const QString taken = dir.file(QStringLiteral("taken.delvora"));
    QCOMPARE(writeMeeting(taken, meeting),
             texts::meetingSaveFailed(taken, texts::saveTargetIsFolder()));
    QVERIFY(QFileInfo(taken).isDir());
    const QString gone = dir.file(QStringLiteral("gone/m.delvora"));
    QCOMPARE(writeMeeting(gone, meeting),
             texts::meetingSaveFailed(gone, texts::saveFolderMissing()));

    // A disk that fills up part way: the file size limit stops the write as a full disk would.
    const QByteArray big = photoJpeg(1024, 600);
    meeting.backgroundJpeg = big;
    meeting.backgroundPicture = readPicture(big);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = before;
    limit.rlim_cur = rlim_t(old.size() + 1000);
    setrlimit(RLIMIT_FSIZE, &limit);
    const QString error = writeMeeting(path, meeting);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(error.startsWith(texts::meetingSaveFailed(path, QString())));
    QVERIFY(error.size() > texts::meetingSaveFailed(path, QString()).size());
    QCOMPARE(dir.read(QStringLiteral("m.delvora")), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList{QStringLiteral("m.delvora")}); // no temporary file left behind
}

void TestMeetingFile::recognisedByContent() {
    QString reason;
    const QByteArray meeting = meetingBytes(smallMeeting(), reason);
    QVERIFY(looksLikeMeeting(meeting));
    QVERIFY(looksLikeMeeting(meeting.left(128)));
    QVERIFY(!looksLikeMeeting(meeting.left(40)));
    QString error;
    QVERIFY(!looksLikeMeeting(NameListWriter::xlsx(smallMeeting().entries, &error)));
    QVERIFY(!looksLikeMeeting(NameListWriter::csv(smallMeeting().entries)));
    QVERIFY(!looksLikeMeeting(zipOf({{"mimetype", "application/x-delvora-meetingX", true}})));
    // An extra field after the name moves the content; it is still found.
    QVERIFY(looksLikeMeeting(fileBytes(fixture(QStringLiteral("handwritten.delvora")))));
    QVERIFY(isMeetingFile(fixture(QStringLiteral("smallest.delvora"))));
    QVERIFY(!isMeetingFile(sourcePath(QStringLiteral("res/red.jpg"))));
}

void TestMeetingFile::recentMeetings() {
    TempWorkDir dir;
    const QString ini = dir.file(QStringLiteral("Settings.ini"));
    dir.write(QStringLiteral("Settings.ini"), "[Row0]\r\ncolor_r=1\r\n");
    QCOMPARE(RecentMeetings::read(ini), QStringList());
    QStringList expected;
    for (int i = 1; i <= 10; ++i) {
        const QString path = dir.file(QStringLiteral("会议%1.delvora").arg(i));
        expected.prepend(path);
        QCOMPARE(RecentMeetings::add(ini, path), expected.mid(0, 8));
    }
    QCOMPARE(RecentMeetings::read(ini), expected.mid(0, 8));
    // An older one comes to the front once; other lines stay.
    const QString third = expected[2];
    const QStringList now = RecentMeetings::add(ini, third);
    QCOMPARE(now.first(), third);
    QCOMPARE(now.count(third), 1);
    QCOMPARE(now.size(), 8);
    QVERIFY(dir.read(QStringLiteral("Settings.ini")).startsWith("[Row0]\r\ncolor_r=1\r\n"));
    // Opening the newest again changes nothing, so nothing is written.
    const QByteArray written = dir.read(QStringLiteral("Settings.ini"));
    const QDateTime stamp = QFileInfo(ini).lastModified();
    QTest::qWait(20);
    RecentMeetings::add(ini, third);
    QCOMPARE(QFileInfo(ini).lastModified(), stamp);
    QCOMPARE(dir.read(QStringLiteral("Settings.ini")), written);
}

void TestMeetingFile::layoutFilesFollowTheMeeting() {
    TempWorkDir dir;
    // The defaults need no file at all.
    writeLayout(PlateLayout(), QSize(1024, 600));
    QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("Settings.ini"))));

    dir.installResource(QStringLiteral("fontSetting.dat"));
    dir.write(QStringLiteral("Settings.ini"), "[Network]\r\nparallel=4\r\n[Row1]\r\nautofit=1\r\n");
    PlateDesign d;
    design(d, QStringLiteral("solid"), 800);
    PlateLayout layout = d.layout();
    layout.rows[1].font = recordedFont(layout.rows[1].font); // a font file's record has no width
    layout.rows[0].autoFit = true;
    layout.rows[1].autoFit = false;
    layout.rows[2].autoFit = false;
    writeLayout(layout, QSize(800, 480));
    QSize size;
    QVERIFY(readLayout(size) == layout);
    QCOMPARE(size, QSize(800, 480));
    const QByteArray ini = dir.read(QStringLiteral("Settings.ini"));
    QVERIFY(ini.startsWith("[Network]\r\nparallel=4\r\n"));
    // 自动缩小 is written where it changes: on in row 0, off in row 1; row 2 stays without it.
    QVERIFY(ini.contains("[Row0]\r\n") && ini.contains("autofit=1") && ini.contains("autofit=0"));
    QCOMPARE(ini.count("autofit="), 2);
    const QByteArray fonts = dir.read(QStringLiteral("fontSetting.dat"));
    QCOMPARE(fonts.size(), 3 * LogFont::kSize);
    QCOMPARE(LogFont::fromBytes(fonts.constData()), qFontToLogFont(layout.rows[0].font));
    // Written again, nothing changes.
    writeLayout(layout, QSize(800, 480));
    QCOMPARE(dir.read(QStringLiteral("Settings.ini")), ini);
}

QTEST_MAIN(TestMeetingFile)
#include "test_meetingfile.moc"
