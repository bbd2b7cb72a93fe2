#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "layout/layoutfiles.h"
#include "layout/logfont.h"
#include "layout/profile.h"
#include "support/designedit.h"
#include "support/jpegcheck.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

namespace {

void mouse(MainWindow &dlg, QEvent::Type type, QPoint at) {
    QWidget *client = dlg.face().client;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, QPointF(at), client->mapToGlobal(QPointF(at)), button,
                      type == QEvent::MouseMove && !dlg.editor().isDragging() ? Qt::NoButton
                                                                              : buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(client, &event);
}

// Presses on the middle of a row's box and drags by (dx, dy) window pixels.
void drag(MainWindow &dlg, int row, int dx, int dy) {
    const QRectF box = dlg.preview().rowBoxes().at(row);
    const QPoint previewAt = dlg.face().preview->pos();
    const QPoint start(int(box.center().x() / 2 + previewAt.x() - 1),
                       int(box.center().y() / 2 + previewAt.y() - 1));
    mouse(dlg, QEvent::MouseMove, start);
    QVERIFY(dlg.editor().isHovering());
    mouse(dlg, QEvent::MouseButtonPress, start);
    mouse(dlg, QEvent::MouseMove, start + QPoint(dx / 2, dy / 2));
    mouse(dlg, QEvent::MouseMove, start + QPoint(dx, dy));
    mouse(dlg, QEvent::MouseButtonRelease, start + QPoint(dx, dy));
}

QString ini(const char *section, const char *key) {
    return Profile::readString(QStringLiteral("./Settings.ini"), QString::fromLatin1(section),
                               QString::fromLatin1(key));
}

// Texts on three separate lines, so that each row can be picked on its own.
void giveTexts(MainWindow &dlg) {
    editRow(dlg.design(), 0, [&](RowStyle &row) { row.indentTop = -170; });
    editRow(dlg.design(), 2, [&](RowStyle &row) { row.indentTop = 170; });
    dlg.showEntry({1, QStringLiteral("1"), QStringLiteral("国家发展和改革委员会"),
                   QStringLiteral("张伟"), QStringLiteral("副主任")});
}

// Row 0's text starts at canvas x 300 and y 200, left-aligned; its box as drawn.
QRectF rowFromLeft300(MainWindow &dlg) {
    editRow(dlg.design(), 0, [](RowStyle &row) {
        row.alignH = row.alignV = 0;
        row.indentLeft = 300;
        row.indentTop = 200;
    });
    dlg.showEntry({1, QStringLiteral("1"), QStringLiteral("单位名称单位名称"), {}, {}});
    return dlg.preview().rowBoxes().at(0);
}

} // namespace

class TestLayoutEditing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::prepareApplication(); }
    void rowSelectionAndAlignment();
    void indentEdits_data();
    void indentEdits();
    void dragging_data();
    void dragging();
    void dragAboveTopIsSavedOnClose();
    void hitTestBounds_data();
    void hitTestBounds();
    void smallPlateMapsToItsPreview();
    void resolutionCommands();
    void pictureBackground_data();
    void pictureBackground();
    void unreadablePictureThenRecover();
    void solidBackgroundOverPicture();
    void fontChoice_data();
    void fontChoice();
    void cancelledDialogsChangeNothing();
};

void TestLayoutEditing::rowSelectionAndAlignment() {
    TempWorkDir dir;
    dir.useFixedAddress();
    dir.write(QStringLiteral("Settings.ini"),
              "[Row1]\r\nalign_h=0\r\nalign_v=2\r\nindent_l=40\r\nindent_t=10\r\n");
    ScriptedPrompt prompt;
    MainWindow dlg;
    auto &f = dlg.face();
    f.rowCombo->setCurrentIndex(1);
    QCOMPARE(dlg.editor().selectedRow(), 1);
    QCOMPARE(f.alignH->currentIndex(), 0);
    QCOMPARE(f.alignV->currentIndex(), 2);
    QCOMPARE(f.indentLeft->text(), QStringLiteral("40"));
    QCOMPARE(f.indentTop->text(), QStringLiteral("10"));

    // A new horizontal alignment zeroes the indents in the row and the edits, but writes only
    // the alignment keys.
    f.alignH->setCurrentIndex(2);
    QCOMPARE(dlg.design().layout().rows[1].alignH, 2);
    QCOMPARE(dlg.design().layout().rows[1].indentLeft, 0);
    for (QLineEdit *e : {f.indentLeft, f.indentTop, f.indentRight, f.indentBottom})
        QCOMPARE(e->text(), QStringLiteral("0"));
    QCOMPARE(ini("Row1", "align_h"), QStringLiteral("2"));
    QCOMPARE(ini("Row1", "align_v"), QStringLiteral("2"));
    QCOMPARE(ini("Row1", "indent_l"), QStringLiteral("40"));

    // The vertical alignment keeps the indents.
    editRow(dlg.design(), 1, [&](RowStyle &row) { row.indentTop = 33; });
    f.alignV->setCurrentIndex(0);
    QCOMPARE(dlg.design().layout().rows[1].indentTop, 33);
    QCOMPARE(ini("Row1", "align_v"), QStringLiteral("0"));
    QVERIFY(prompt.shown.isEmpty());
}

void TestLayoutEditing::indentEdits_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("complains");
    QTest::newRow("number") << QStringLiteral("25") << 25 << false;
    QTest::newRow("trailing text") << QStringLiteral("12a") << 12 << false;
    // Typed key by key, the lone minus on the way to -7 is reported once.
    QTest::newRow("negative") << QStringLiteral("-7") << -7 << true;
    QTest::newRow("letter") << QStringLiteral("x") << 5 << true;
    QTest::newRow("lone minus") << QStringLiteral("-") << 5 << true;
}

void TestLayoutEditing::indentEdits() {
    QFETCH(QString, typed);
    QFETCH(int, expected);
    QFETCH(bool, complains);
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    auto &f = dlg.face();
    f.rowCombo->setCurrentIndex(2);
    f.indentLeft->setText(QStringLiteral("5"));
    QCOMPARE(dlg.design().layout().rows[2].indentLeft, 5);
    prompt.clear();
    f.indentLeft->selectAll();
    f.indentLeft->setFocus();
    QTest::keyClicks(f.indentLeft, typed);
    QCOMPARE(dlg.design().layout().rows[2].indentLeft, expected);
    QCOMPARE(prompt.texts().contains(QStringLiteral("请输入一个整数。")), complains);
    if (complains)
        QCOMPARE(prompt.shown.last().icon, Prompt::Icon::None);
    // Every accepted change writes the four indents of the selected row.
    QCOMPARE(ini("Row2", "indent_l"), QString::number(expected));
    QCOMPARE(ini("Row2", "indent_b"), QStringLiteral("0"));
    QVERIFY(ini("Row0", "indent_l").isNull());
}

void TestLayoutEditing::dragging_data() {
    QTest::addColumn<int>("alignH");
    QTest::addColumn<int>("expectedLeft");
    QTest::addColumn<int>("expectedRight");
    QTest::newRow("centred gains on the left") << 1 << 20 << 0;
    QTest::newRow("right-aligned loses on the right") << 2 << 0 << -20;
}

void TestLayoutEditing::dragging() {
    QFETCH(int, alignH);
    QFETCH(int, expectedLeft);
    QFETCH(int, expectedRight);
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    editRow(dlg.design(), 1, [&](RowStyle &row) { row.alignH = alignH; });
    giveTexts(dlg);
    const QImage before = dlg.preview().picture();
    drag(dlg, 1, 10, 0);
    QCOMPARE(dlg.design().layout().rows[1].indentLeft, expectedLeft);
    QCOMPARE(dlg.design().layout().rows[1].indentRight, expectedRight);
    // The dragged row became the selected row, and the edits show its indents.
    QCOMPARE(dlg.face().rowCombo->currentIndex(), 1);
    QCOMPARE(dlg.face().indentLeft->text(), QString::number(expectedLeft));
    QCOMPARE(dlg.face().indentRight->text(), QString::number(expectedRight));
    QVERIFY(dlg.preview().picture() != before);
    QVERIFY(!dlg.editor().isDragging());
    // Nothing is written while dragging.
    QVERIFY(!QFile::exists(QStringLiteral("Settings.ini")));
}

void TestLayoutEditing::dragAboveTopIsSavedOnClose() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    {
        MainWindow dlg;
        giveTexts(dlg);
        editRow(dlg.design(), 0, [&](RowStyle &row) { row.alignV = 0; });
        editRow(dlg.design(), 0, [&](RowStyle &row) { row.indentTop = 0; });
        drag(dlg, 0, 0, -30);
        QCOMPARE(dlg.design().layout().rows[0].indentTop, -60);
        QCOMPARE(dlg.face().indentTop->text(), QStringLiteral("-60"));
    }
    QCOMPARE(ini("Row0", "indent_t"), QStringLiteral("-60"));
}

void TestLayoutEditing::hitTestBounds_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("hit");
    // Window x 159 is canvas x 300, the box's left edge itself: outside.
    QTest::newRow("on the left edge") << 0 << 0 << false;
    QTest::newRow("just inside the left") << 0 << 1 << true;
    QTest::newRow("just inside the right") << 1 << 0 << true;
    QTest::newRow("on or past the right edge") << 1 << 1 << false;
}

void TestLayoutEditing::hitTestBounds() {
    QFETCH(int, side);
    QFETCH(int, offset);
    QFETCH(bool, hit);
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    const QRectF box = rowFromLeft300(dlg);
    QCOMPARE(box.left(), 300.0);
    // Window x maps to canvas x 2x - 18: the last window x strictly inside the right edge.
    const int lastInside = int(std::ceil((box.right() + 18) / 2)) - 1;
    const int x = side == 0 ? 159 + offset : lastInside + offset;
    mouse(dlg, QEvent::MouseMove, QPoint(x, 134)); // canvas y 250
    QCOMPARE(dlg.editor().isHovering(), hit);
    QCOMPARE(dlg.face().client->cursor().shape(), hit ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void TestLayoutEditing::smallPlateMapsToItsPreview() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    dlg.face().actionRes800->trigger();
    rowFromLeft300(dlg);
    // Preview at (66, 40): canvas x 300 lies at window x 215.
    mouse(dlg, QEvent::MouseMove, QPoint(216, 40 + 124));
    QVERIFY(dlg.editor().isHovering());
    mouse(dlg, QEvent::MouseMove, QPoint(160, 40 + 124));
    QVERIFY(!dlg.editor().isHovering());
}

void TestLayoutEditing::resolutionCommands() {
    TempWorkDir dir;
    dir.useFixedAddress();
    dir.installResource(QStringLiteral("red.jpg"));
    ScriptedPrompt prompt;
    MainWindow dlg;
    prompt.colors.enqueue(QColor(0, 0, 255));
    dlg.face().solidBackground->click();
    for (int pass = 0; pass < 2; ++pass) {
        dlg.face().actionRes800->trigger();
        QVERIFY(dlg.face().actionRes800->isChecked());
        QVERIFY(!dlg.face().actionRes1024->isChecked());
        QCOMPARE(dlg.face().preview->geometry(), QRect(66, 40, 400, 240));
        QCOMPARE(dlg.preview().picture().size(), QSize(800, 480));
        QCOMPARE(ini("Resolution", "H"), QStringLiteral("800"));
        QCOMPARE(dlg.preview().picture().pixelColor(799, 479), QColor(0, 0, 255));
        dlg.face().actionRes1024->trigger();
        QVERIFY(dlg.face().actionRes1024->isChecked());
        QVERIFY(!dlg.face().actionRes800->isChecked());
        QCOMPARE(dlg.face().preview->geometry(), QRect(10, 10, 512, 300));
        QCOMPARE(dlg.preview().picture().size(), QSize(1024, 600));
        QCOMPARE(ini("Resolution", "V"), QStringLiteral("600"));
        QCOMPARE(dlg.preview().picture().pixelColor(0, 0), QColor(0, 0, 255));
    }
}

void TestLayoutEditing::pictureBackground_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("canvas size, unscaled") << QSize(1024, 600);
    QTest::newRow("640x480, scaled") << QSize(640, 480);
}

void TestLayoutEditing::pictureBackground() {
    QFETCH(QSize, size);
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    // Left half green, right half blue, with a one-pixel white column at x = 1.
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(0, 160, 0));
    for (int y = 0; y < size.height(); ++y) {
        for (int x = size.width() / 2; x < size.width(); ++x)
            picture.setPixelColor(x, y, QColor(0, 0, 160));
        picture.setPixelColor(1, y, Qt::white);
    }
    QVERIFY(picture.save(dir.file(QStringLiteral("bg.png")), "PNG"));
    MainWindow dlg;
    prompt.fileNames.enqueue(dir.file(QStringLiteral("bg.png")));
    dlg.face().pictureBackground->click();
    QCOMPARE(prompt.lastFilter, QStringLiteral("图像文件t(*.jpg;*.jpeg)|*.jpg;*.jpeg||"));
    const QImage &preview = dlg.preview().picture();
    QCOMPARE(preview.size(), QSize(1024, 600));
    QVERIFY(near(preview.pixelColor(100, 300), QColor(0, 160, 0), 8));
    QVERIFY(near(preview.pixelColor(900, 300), QColor(0, 0, 160), 8));
    // Unscaled, the thin white column stays exactly one pixel wide and white.
    QCOMPARE(preview.pixelColor(1, 300) == QColor(Qt::white), size == QSize(1024, 600));
    // Not remembered: the files hold nothing of it.
    QVERIFY(ini("BackColor", "backColor_r").isNull());
}

void TestLayoutEditing::unreadablePictureThenRecover() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    dir.write(QStringLiteral("broken.jpg"), "definitely not a jpeg");
    MainWindow dlg;
    prompt.fileNames.enqueue(dir.file(QStringLiteral("broken.jpg")));
    dlg.face().pictureBackground->click();
    QVERIFY(dlg.preview().picture().isNull());
    dlg.face().actionRes800->trigger(); // cannot scale nothing
    QVERIFY(dlg.preview().picture().isNull());
    dlg.face().actionRes1024->trigger(); // a new background from the template
    QCOMPARE(dlg.preview().picture().size(), QSize(1024, 600));
    dlg.face().actionRes800->trigger();
    QCOMPARE(dlg.preview().picture().size(), QSize(800, 480));
    QVERIFY(prompt.shown.isEmpty());
}

void TestLayoutEditing::solidBackgroundOverPicture() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    QImage picture(1024, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QVERIFY(picture.save(dir.file(QStringLiteral("bg.jpg")), "JPEG"));
    MainWindow dlg;
    prompt.fileNames.enqueue(dir.file(QStringLiteral("bg.jpg")));
    dlg.face().pictureBackground->click();
    prompt.colors.enqueue(QColor(10, 200, 30));
    dlg.face().solidBackground->click();
    const QImage &preview = dlg.preview().picture();
    QCOMPARE(countNear(preview, preview.rect(), QColor(10, 200, 30), 0), 1024 * 600);
    QCOMPARE(ini("BackColor", "backColor_g"), QStringLiteral("200"));
}

void TestLayoutEditing::fontChoice_data() {
    QTest::addColumn<bool>("fontFileExists");
    QTest::newRow("font file present") << true;
    QTest::newRow("no font file") << false;
}

void TestLayoutEditing::fontChoice() {
    QFETCH(bool, fontFileExists);
    TempWorkDir dir;
    dir.useFixedAddress();
    if (fontFileExists)
        dir.installResource(QStringLiteral("fontSetting.dat"));
    const QByteArray fontsBefore = dir.read(QStringLiteral("fontSetting.dat"));
    ScriptedPrompt prompt;
    {
        MainWindow dlg;
        giveTexts(dlg);
        dlg.face().rowCombo->setCurrentIndex(1);
        QFont chosen(QStringLiteral("黑体"));
        chosen.setPixelSize(90);
        chosen.setUnderline(true);
        prompt.fonts.enqueue(FontPick{chosen, QColor(0, 0, 255)});
        dlg.face().fontButton->click();
        // The dialog was offered the row's font and colour.
        QCOMPARE(prompt.lastFontOffered.color, QColor(255, 255, 0));
        const RowStyle &row = dlg.design().layout().rows[1];
        QCOMPARE(row.font.pixelSize(), 90);
        QVERIFY(row.font.underline());
        QCOMPARE(row.font.family(), QStringLiteral("黑体"));
        QCOMPARE(row.color, QColor(0, 0, 255));
        // The preview shows the name in blue.
        QVERIFY(countNear(dlg.preview().picture(), dlg.preview().rowBoxes().at(1).toRect(),
                          QColor(0, 0, 255), 20) > 100);
        QCOMPARE(ini("Row1", "color_b"), QStringLiteral("255"));
    }
    if (fontFileExists) {
        const QByteArray fonts = dir.read(QStringLiteral("fontSetting.dat"));
        QCOMPARE(fonts.size(), 276);
        QCOMPARE(fonts.left(92), fontsBefore.left(92));
        LogFont lf;
        QVERIFY(readRowFont(1, lf));
        QCOMPARE(lf.height, -90);
    } else {
        QVERIFY(!QFile::exists(QStringLiteral("fontSetting.dat")));
        // The next start has the default font again.
        MainWindow again;
        QCOMPARE(again.design().layout().rows[1].font, logFontToQFont(defaultLogFont()));
    }
}

void TestLayoutEditing::cancelledDialogsChangeNothing() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt; // every dialog cancelled
    MainWindow dlg;
    giveTexts(dlg);
    const QImage before = dlg.preview().picture();
    const QFont font = dlg.design().layout().rows[0].font;
    dlg.face().fontButton->click();
    dlg.face().solidBackground->click();
    dlg.face().pictureBackground->click();
    QCOMPARE(dlg.preview().picture(), before);
    QCOMPARE(dlg.design().layout().rows[0].font, font);
    QVERIFY(!QFile::exists(QStringLiteral("Settings.ini")));
}

QTEST_MAIN(TestLayoutEditing)
#include "test_layoutediting.moc"
