#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "layout/profile.h"
#include "support/fakedrives.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

namespace {

const QString kLongName = QStringLiteral("中国科学院计算技术研究所北京分所");

QList<NameRecord> entries() {
    return {{1, QStringLiteral("1"), QStringLiteral("单位"), QStringLiteral("张伟"),
             QStringLiteral("主任")},
            {2, QStringLiteral("2"), QStringLiteral("单位"), kLongName, QStringLiteral("主任")},
            {3, QStringLiteral("3"), QStringLiteral("单位"), QStringLiteral("李娜"),
             QStringLiteral("主任")}};
}

QList<int> marked(const NameList &names) {
    QList<int> rows;
    for (int i = 0; i < names.count(); ++i)
        if (names.overflowRows(i) != 0)
            rows << i;
    return rows;
}

FontPick font(int pixels) {
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(pixels);
    return {f, QColor(255, 255, 0)};
}

} // namespace

class TestOverflowMarks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::prepareApplication(); }
    void init();
    void cleanup();
    void marksFollowListAndFont();
    void autoFitSetting();
    void questionBeforeSending();

private:
    std::unique_ptr<TempWorkDir> m_dir;
    std::unique_ptr<FakeDrives> m_drives;
    std::unique_ptr<ScriptedPrompt> m_prompt;
    std::unique_ptr<MainWindow> m_dlg;
};

void TestOverflowMarks::init() {
    m_dir = std::make_unique<TempWorkDir>();
    m_dir->useFixedAddress();
    m_dir->installResource(QStringLiteral("red.jpg"));
    m_dir->installResource(QStringLiteral("fontSetting.dat"));
    QDir(m_dir->path()).mkpath(QStringLiteral("drive"));
    m_drives = std::make_unique<FakeDrives>(
        QList<DriveInfo>{FakeDrives::stick(m_dir->file(QStringLiteral("drive")))});
    m_prompt = std::make_unique<ScriptedPrompt>();
    m_dlg = std::make_unique<MainWindow>();
    // Rows 0 and 2 above and below the name, at sizes where short texts fit.
    m_dlg->face().rowCombo->setCurrentIndex(1);
    m_prompt->fonts.enqueue(font(100));
    m_dlg->face().fontButton->click();
}

void TestOverflowMarks::cleanup() {
    m_dlg.reset();
    m_prompt.reset();
    m_drives.reset();
    m_dir.reset();
}

void TestOverflowMarks::marksFollowListAndFont() {
    NameList &names = m_dlg->names();
    names.append(entries());
    // The long name does not fit at 100 pixels: marked, with the row in its text.
    QTRY_COMPARE(marked(names), QList<int>{1});
    const QModelIndex seq = names.index(1, NameList::ColSeq);
    QCOMPARE(seq.data(Qt::ToolTipRole).toString(), QStringLiteral("第2行文字超出显示区域"));
    QCOMPARE(seq.data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("2 第2行文字超出显示区域"));
    QCOMPARE(seq.data(Qt::DisplayRole).toString(), QStringLiteral("2"));
    QVERIFY(!names.index(0, NameList::ColSeq).data(Qt::ToolTipRole).isValid());

    // A smaller font makes it fit; a larger one makes every name overflow.
    m_prompt->fonts.enqueue(font(50));
    m_dlg->face().fontButton->click();
    QTRY_COMPARE(marked(names), QList<int>{});
    m_prompt->fonts.enqueue(font(600));
    m_dlg->face().fontButton->click();
    QTRY_COMPARE(marked(names), (QList<int>{0, 1, 2}));

    // The list changes: a new import is checked again.
    names.clear();
    QCOMPARE(marked(names), QList<int>{});
    m_prompt->fonts.enqueue(font(100));
    m_dlg->face().fontButton->click();
    names.append(entries());
    QTRY_COMPARE(marked(names), QList<int>{1});
    QVERIFY(m_prompt->shown.isEmpty());
}

void TestOverflowMarks::autoFitSetting() {
    const QString ini = QStringLiteral("./Settings.ini");
    const QByteArray before = m_dir->read(QStringLiteral("Settings.ini"));
    QVERIFY(!before.contains("autofit"));
    QCheckBox *box = m_dlg->face().autoFit;
    QCOMPARE(box->accessibleName(), QStringLiteral("自动缩小"));
    QVERIFY(!box->isChecked());
    m_dlg->names().append(entries());
    QTRY_COMPARE(marked(m_dlg->names()), QList<int>{1});

    box->click();
    QCOMPARE(Profile::readString(ini, QStringLiteral("Row1"), QStringLiteral("autofit")),
             QStringLiteral("1"));
    QVERIFY(m_dlg->design().layout().rows[1].autoFit);
    // Shrunk onto one line, the long name is no longer marked.
    QTRY_COMPARE(marked(m_dlg->names()), QList<int>{});
    // Another row shows its own setting; choosing rows writes nothing.
    const QByteArray withKey = m_dir->read(QStringLiteral("Settings.ini"));
    m_dlg->face().rowCombo->setCurrentIndex(0);
    QVERIFY(!box->isChecked());
    m_dlg->face().rowCombo->setCurrentIndex(1);
    QVERIFY(box->isChecked());
    QCOMPARE(m_dir->read(QStringLiteral("Settings.ini")), withKey);

    // The next window reads it back.
    m_dlg.reset();
    m_dlg = std::make_unique<MainWindow>();
    QVERIFY(m_dlg->design().layout().rows[1].autoFit);
    QVERIFY(!m_dlg->design().layout().rows[0].autoFit);
}

void TestOverflowMarks::questionBeforeSending() {
    m_dlg->names().append(entries());
    const QString question = QStringLiteral("有1个名单的文字超出显示区域，是否继续？");
    // 否: nothing is made or sent.
    m_prompt->answers.enqueue(false);
    m_dlg->face().usbUpdate->click();
    QCOMPARE(m_prompt->texts(), QStringList{question});
    QVERIFY(m_prompt->shown.first().question);
    QVERIFY(m_dlg->face().usbUpdate->isEnabled());
    QVERIFY(!QFileInfo::exists(m_dir->file(QStringLiteral("drive/PICTURE"))));
    m_prompt->clear();
    m_prompt->answers.enqueue(false);
    m_dlg->face().networkUpdate->click();
    QCOMPARE(m_prompt->texts(), QStringList{question});
    QVERIFY(m_dlg->face().networkUpdate->isEnabled());

    // 是: the export goes on as without marks.
    m_prompt->clear();
    m_prompt->answers.enqueue(true);
    m_dlg->face().usbUpdate->click();
    QTRY_VERIFY_WITH_TIMEOUT(m_dlg->face().usbUpdate->isEnabled(), 30000);
    QCOMPARE(m_prompt->texts(), (QStringList{question, QStringLiteral("生成U盘文件成功")}));
    QCOMPARE(QDir(m_dir->file(QStringLiteral("drive/PICTURE"))).entryList(QDir::Files).size(), 3);
}

QTEST_MAIN(TestOverflowMarks)
#include "test_overflowmarks.moc"
