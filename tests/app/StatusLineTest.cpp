#include "StatusLine.h"

#include "TestText.h"

#include <QLabel>
#include <QTest>

using namespace qingtan;

class StatusLineTest : public QObject {
    Q_OBJECT

    static QRgb textColour(const QLabel& label) { return label.palette().color(QPalette::WindowText).rgba(); }

private slots:
    void colorRefToArgb_data() {
        QTest::addColumn<quint32>("colorRef");
        QTest::addColumn<quint32>("argb");
        QTest::newRow("green") << 0x00008000u << 0xFF008000u;
        QTest::newRow("red") << 0x000000FFu << 0xFFFF0000u;
        QTest::newRow("black") << 0x00000000u << 0xFF000000u;
        QTest::newRow("red and blue swap") << 0x00123456u << 0xFF563412u;
        QTest::newRow("top byte replaced by opacity") << 0x01000000u << 0xFF000000u;
    }
    void colorRefToArgb() {
        QFETCH(quint32, colorRef);
        QFETCH(quint32, argb);
        QCOMPARE(ColorRefToArgb(colorRef), argb);
    }

    void colorRefToArgb_opacityGiven_goesToTopByte() { QCOMPARE(ColorRefToArgb(0x00123456u, 0x80), 0x80563412u); }

    void showStatus_setsTextAndArgbColour() {
        QLabel label;
        ShowStatus(label, test::gbk("程序已启动"), kGreen);
        QCOMPARE(label.text(), QString::fromUtf8("程序已启动"));
        QCOMPARE(textColour(label), 0xFF008000u);
    }

    void showStatus_replacesEverything_colourOmittedIsBlack() {
        QLabel label;
        ShowStatus(label, test::gbk("错误提示：尚未输入内容！"), kRed);
        QCOMPARE(textColour(label), 0xFFFF0000u);
        ShowStatus(label, test::gbk("检测完成，请查收检测报告！"));
        QCOMPARE(label.text(), QString::fromUtf8("检测完成，请查收检测报告！"));
        QCOMPARE(textColour(label), 0xFF000000u);
    }

    void showStatus_emptyText_emptiesLabelAndStillSetsColour() {
        QLabel label;
        ShowStatus(label, test::gbk("旧的"), kBlack);
        ShowStatus(label, AnsiText(), kRed);
        QVERIFY(label.text().isEmpty());
        QCOMPARE(textColour(label), 0xFFFF0000u);
    }
};

QTEST_MAIN(StatusLineTest)
#include "StatusLineTest.moc"
