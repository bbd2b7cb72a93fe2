#include <QtTest>

#include "gui/prompt.h"

using namespace delvora;

class TestPrompt : public QObject {
    Q_OBJECT
private slots:
    void nameFilters_data();
    void nameFilters();
};

void TestPrompt::nameFilters_data() {
    QTest::addColumn<QString>("windows");
    QTest::addColumn<QStringList>("qt");
    QTest::newRow("pictures") << "图像文件t(*.jpg;*.jpeg)|*.jpg;*.jpeg||"
                              << QStringList{QStringLiteral("图像文件t(*.jpg *.jpeg)")};
    QTest::newRow("workbooks") << "Eexel 97-2003工作簿(*.xls)|*.xls||"
                               << QStringList{QStringLiteral("Eexel 97-2003工作簿(*.xls)")};
    QTest::newRow("text without patterns")
        << "All|*.*|Text|*.txt;*.log||"
        << QStringList{QStringLiteral("All (*.*)"), QStringLiteral("Text (*.txt *.log)")};
}

void TestPrompt::nameFilters() {
    QFETCH(QString, windows);
    QFETCH(QStringList, qt);
    QCOMPARE(qtNameFilters(windows), qt);
}

QTEST_GUILESS_MAIN(TestPrompt)
#include "test_prompt.moc"
