#include "ReportWindow.h"

#include "AppHarness.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QWindow>

using namespace qingtan;
using test::Q;

namespace {

// The box shows the report with LF line ends.
QString section(const char* title, const char* findings = nullptr) {
    if (findings) {
        return Q(title) + Q("检测结果：（发现违规词）\n") + Q(findings) + QStringLiteral("\n\n\n");
    }
    return Q(title) + Q("检测结果：\n未发现违规词\n\n\n");
}

QString checkTitle(test::AppHarness& harness, const char* title) {
    harness.find<QPlainTextEdit>("编辑框EX检测标题")->setPlainText(Q(title));
    QTest::mouseClick(harness.find<QPushButton>("按钮检测"), Qt::LeftButton);
    ReportWindow* report = harness.window()->reportWindow();
    return report ? report->findChild<QPlainTextEdit*>(Q("编辑框报告"))->toPlainText() : QStringLiteral("<none>");
}

bool stateIsEmpty(const test::AppHarness& harness) {
    const CheckState& check = harness.app->state().check;
    for (const AnsiText& findings : check.findingSets) {
        if (!findings.empty()) {
            return false;
        }
    }
    return check.currentTitle.empty() && check.checkReport.empty();
}

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void acceptedCheck_opensReportWindowWithReport() {
        test::AppHarness harness;
        MainWindow& window = harness.start();
        const QString shown = checkTitle(harness, "全网第一的限时秒杀神器");

        const QString expected = section("不文明用语") + section("疑似欺骗用语") +
                                 section("刺激消费用语", "秒杀 | 限时") + section("歧视用语") +
                                 section("通用用语", "第一") + section("化妆品用语") + section("普通商品用语", "神器");
        QCOMPARE(shown, expected);
        auto* label = harness.find<QLabel>("标签运行状态");
        QCOMPARE(label->text(), Q("检测完成，请查收检测报告！"));
        QCOMPARE(label->palette().color(QPalette::WindowText).rgba(), 0xFF000000u);

        ReportWindow* report = window.reportWindow();
        QVERIFY(report->isVisible());
        QVERIFY(report->isWindow());
        QCOMPARE(report->parentWidget(), &window);
        QVERIFY(!report->isModal());
        QCOMPARE(report->windowTitle(), Q("青檀词镜报告[按Esc键可以快速关闭]"));
        QCOMPARE(report->size(), QSize(500, 600));
        auto* box = report->findChild<QPlainTextEdit*>(Q("编辑框报告"));
        QCOMPARE(box->geometry(), QRect(2, 31, 496, 566));
        QCOMPARE(report->findChild<QWidget*>(Q("窗口EX1"))->geometry(), QRect(4, 4, 24, 24));
        QCOMPARE(box->font().families().value(0), Q("微软雅黑"));
        // Owned: a dialog of the main window, which the window manager keeps in front of it and minimises with it.
        QCOMPARE(report->windowType(), Qt::Dialog);
        QCOMPARE(report->windowHandle()->transientParent(), window.windowHandle());
        // One title: no system frame beside the drawn title band.
        QVERIFY(report->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    // The sections that found words stand out; the rest stay plain, and the text is the report unchanged.
    void sectionsWithFindings_boldInRed_textUnchanged() {
        test::AppHarness harness;
        harness.start();
        const QString shown = checkTitle(harness, "限时秒杀");
        QCOMPARE(shown, section("不文明用语") + section("疑似欺骗用语") + section("刺激消费用语", "秒杀 | 限时") +
                            section("歧视用语") + section("通用用语") + section("化妆品用语") +
                            section("普通商品用语"));
        auto* box = harness.window()->reportWindow()->findChild<QPlainTextEdit*>(Q("编辑框报告"));
        const auto formatOfLine = [box](const QString& line) {
            const QTextBlock block = box->document()->find(line).block();
            return block.begin().fragment().charFormat();
        };
        for (const QString& line : {Q("刺激消费用语检测结果：（发现违规词）"), Q("秒杀 | 限时")}) {
            QCOMPARE(formatOfLine(line).fontWeight(), int(QFont::Bold));
            QCOMPARE(formatOfLine(line).foreground().color(), QColor(0xC6, 0x28, 0x28));
        }
        for (const QString& line : {Q("通用用语检测结果："), Q("未发现违规词")}) {
            QVERIFY(formatOfLine(line).fontWeight() != int(QFont::Bold));
        }
    }

    void onlyTickedCategoriesReported_noneTickedGivesEmptyReport() {
        test::AppHarness harness;
        harness.start();
        const char* others[] = {"选不文明用语", "选疑似欺骗", "选刺激消费", "选歧视用语", "选化妆品", "选普通商品"};
        for (const char* name : others) {
            QTest::mouseClick(harness.find<QCheckBox>(name), Qt::LeftButton);
        }
        QCOMPARE(checkTitle(harness, "最好的第一秒杀"), section("通用用语", "最 | 第一"));
        harness.window()->reportWindow()->close();
        QTRY_VERIFY(!harness.window()->reportWindow());

        QTest::mouseClick(harness.find<QCheckBox>("选通用"), Qt::LeftButton);
        QCOMPARE(checkTitle(harness, "最好的第一秒杀"), QString());
        QCOMPARE(harness.find<QLabel>("标签运行状态")->text(), Q("检测完成，请查收检测报告！"));
    }

    void escape_closesReportAndEmptiesState_nextCheckStartsAfresh() {
        test::AppHarness harness;
        harness.start();
        checkTitle(harness, "第一");
        QPointer<ReportWindow> report = harness.window()->reportWindow();
        QVERIFY(!stateIsEmpty(harness));
        // Esc while the edit box holds the focus.
        QTest::keyClick(report->findChild<QPlainTextEdit*>(Q("编辑框报告")), Qt::Key_Escape);
        QTRY_VERIFY(report.isNull());
        QVERIFY(stateIsEmpty(harness));

        const QString second = checkTitle(harness, "神器");
        QVERIFY(second.contains(section("普通商品用语", "神器")));
        QVERIFY(second.contains(section("通用用语")));
    }

    // Fault mended: the open window used to keep the earlier title's report.
    void secondCheckWhileOpen_refreshesReport_restoresMinimisedWindow() {
        test::AppHarness harness;
        harness.start();
        checkTitle(harness, "第一");
        QPointer<ReportWindow> report = harness.window()->reportWindow();
        report->showMinimized();
        QTRY_VERIFY(report->isMinimized());

        const QString shown = checkTitle(harness, "神器");
        QCOMPARE(harness.window()->reportWindow(), report.data()); // no second window
        QVERIFY(!report->isMinimized());
        QVERIFY(report->isVisible());
        QVERIFY(shown.contains(section("普通商品用语", "神器")));
        QVERIFY(shown.contains(section("通用用语"))); // nothing left of the first title
        QCOMPARE(harness.app->state().check.currentTitle, test::gbk("神器"));
    }

    void escapeInMainWindow_doesNotCloseIt() {
        test::AppHarness harness;
        MainWindow& window = harness.start();
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::keyClick(harness.find<QPushButton>("按钮检测"), Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QVERIFY(harness.window());
    }

    void closingMainWindow_closesReportAndEmptiesState() {
        test::AppHarness harness;
        harness.start();
        checkTitle(harness, "第一");
        QPointer<MainWindow> window = harness.window();
        QPointer<ReportWindow> report = window->reportWindow();
        window->close();
        QTRY_VERIFY(window.isNull());
        QVERIFY(report.isNull());
        QVERIFY(stateIsEmpty(harness));
        QCOMPARE(harness.settingsUtf8(), std::string("[词库配置]\n词库配置=在线词库\n"));
    }
};

QTEST_MAIN(ReportWindowTest)
#include "ReportWindowTest.moc"
