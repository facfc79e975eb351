#include "AppHarness.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace qingtan;
using test::Q;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    // The updater sees the earlier steps done and the later ones not yet: status, settings, update, load, show.
    void steps_runInOrder_windowShownLast() {
        test::AppHarness harness;
        harness.writeLibrary("只有一行\r\n"); // the load must read what the update wrote, not this
        QString statusDuringUpdate;
        QRgb colourDuringUpdate = 0;
        bool onlineSelectedDuringUpdate = false;
        bool settingsExistedDuringUpdate = false;
        bool windowHiddenDuringUpdate = false;
        harness.onUpdate = [&](const ShowStatusFn& showStatus, const std::function<void()>& processEvents) {
            MainWindow* window = harness.window();
            auto* label = window->findChild<QLabel*>(Q("标签运行状态"));
            statusDuringUpdate = label->text();
            colourDuringUpdate = label->palette().color(QPalette::WindowText).rgba();
            onlineSelectedDuringUpdate = window->findChild<QRadioButton*>(Q("单选框在线词库"))->isChecked();
            settingsExistedDuringUpdate = std::filesystem::exists(harness.settingsPath());
            windowHiddenDuringUpdate = !window->isVisible();
            processEvents();
            harness.writeLibrary(test::kTestLibrary);
            showStatus(test::gbk("已经更新在线词库"), kGreen);
        };
        MainWindow& window = harness.start();

        QCOMPARE(statusDuringUpdate, Q("程序已启动"));
        QCOMPARE(colourDuringUpdate, 0xFF008000u);
        QVERIFY(onlineSelectedDuringUpdate);
        QVERIFY(settingsExistedDuringUpdate);
        QVERIFY(windowHiddenDuringUpdate);
        QVERIFY(window.isVisible());
        QCOMPARE(harness.find<QLabel>("标签运行状态")->text(), Q("已经更新在线词库"));
        // The library the update wrote is the one loaded.
        harness.find<QPlainTextEdit>("编辑框EX检测标题")->setPlainText(Q("神器"));
        QTest::mouseClick(harness.find<QPushButton>("按钮检测"), Qt::LeftButton);
        QCOMPARE(harness.app->state().check.findingSet(Category::Goods), test::gbk("神器"));
    }

    void badLibrary_showsRedLoadError_windowStillShown_checkFindsNothing() {
        test::AppHarness harness;
        harness.writeLibrary("<通用>|第一|<\r\n<化妆品>|祛斑|<\r\n");
        harness.onUpdate = [](const ShowStatusFn& showStatus, const std::function<void()>&) {
            showStatus(test::gbk("已加载过在线字库且版本符合，无需更新"), kGreen);
        };
        MainWindow& window = harness.start();
        QVERIFY(window.isVisible());
        auto* label = harness.find<QLabel>("标签运行状态");
        QVERIFY2(label->text().startsWith(Q("加载词库可能出错，请联系作者，Q群：")), qPrintable(label->text()));
        QCOMPARE(label->palette().color(QPalette::WindowText).rgba(), 0xFFFF0000u);

        harness.find<QPlainTextEdit>("编辑框EX检测标题")->setPlainText(Q("第一"));
        QTest::mouseClick(harness.find<QPushButton>("按钮检测"), Qt::LeftButton);
        QVERIFY(harness.window()->reportWindow());
        QCOMPARE(harness.app->state().check.findingSet(Category::General), AnsiText());
    }

    // Fault mended in the core: more than seven lines is no library either.
    void libraryOfEightLines_showsLoadError() {
        test::AppHarness harness;
        harness.writeLibrary(std::string(test::kTestLibrary) + "<通用>|多余|<\r\n");
        harness.start();
        QVERIFY(harness.find<QLabel>("标签运行状态")->text().startsWith(Q("加载词库可能出错")));
    }

    // A directory read as a file once ended the program with std::bad_alloc before its window appeared.
    void libraryThatIsADirectory_showsLoadError_windowStillShown() {
        test::AppHarness harness;
        std::filesystem::remove(harness.dir / "douyin_ck.txt");
        std::filesystem::create_directory(harness.dir / "douyin_ck.txt");
        MainWindow& window = harness.start();
        QVERIFY(window.isVisible());
        QVERIFY(harness.find<QLabel>("标签运行状态")->text().startsWith(Q("加载词库可能出错")));
    }

    // A failed update leaves the local library: the application loads it and keeps the failure in view.
    void failedUpdate_localLibraryLoaded_failureStaysOnTheStatusLine() {
        test::AppHarness harness;
        harness.onUpdate = [](const ShowStatusFn& showStatus, const std::function<void()>&) {
            showStatus(test::gbk("词库更新失败，继续使用本地词库"), kRed);
        };
        MainWindow& window = harness.start();
        QVERIFY(window.isVisible());
        auto* label = harness.find<QLabel>("标签运行状态");
        QCOMPARE(label->text(), Q("词库更新失败，继续使用本地词库"));
        QCOMPARE(label->palette().color(QPalette::WindowText).rgba(), 0xFFFF0000u);
        QCOMPARE(harness.app->state().library()[Category::Goods], TextArray{test::gbk("神器")});
    }

    // The library's state stays in view after the status line has moved on.
    void libraryState_wordsVersionAndFailuresStayInView() {
        test::AppHarness harness;
        harness.dir.write("douyin_ver.txt", "2024-06");
        harness.updateResult = UpdateOutcome::Failed;
        harness.start();
        auto* state = harness.find<QLabel>("标签词库状态");
        QCOMPARE(state->text(), Q("词库 9 词 · 版本 2024-06 · 更新失败"));
        QVERIFY(state->toolTip().contains(Q("刺激消费：2 个词")));
        QVERIFY(state->toolTip().contains(Q("在线更新：失败，使用本地词库")));
        QCOMPARE(state->palette().color(QPalette::WindowText), QColor(0xC6, 0x28, 0x28));

        harness.find<QPlainTextEdit>("编辑框EX检测标题")->setPlainText(Q("秒杀"));
        QTest::mouseClick(harness.find<QPushButton>("按钮检测"), Qt::LeftButton);
        QCOMPARE(harness.find<QLabel>("标签运行状态")->text(), Q("检测完成，请查收检测报告！"));
        QCOMPARE(state->text(), Q("词库 9 词 · 版本 2024-06 · 更新失败"));
    }

    void libraryState_damagedLibraryShownAsSuchAfterTheFirstCheck() {
        test::AppHarness harness;
        harness.writeLibrary("<通用>|第一|<\r\n<化妆品>|祛斑|<\r\n");
        harness.start();
        harness.find<QPlainTextEdit>("编辑框EX检测标题")->setPlainText(Q("第一"));
        QTest::mouseClick(harness.find<QPushButton>("按钮检测"), Qt::LeftButton);
        auto* state = harness.find<QLabel>("标签词库状态");
        QCOMPARE(state->text(), Q("词库有误 0 词 · 版本 无"));
        QVERIFY(state->toolTip().contains(Q("检测结果不可靠")));
    }

    void libraryState_wholeLibraryUpToDateIsPlain() {
        test::AppHarness harness;
        harness.start();
        auto* state = harness.find<QLabel>("标签词库状态");
        QCOMPARE(state->text(), Q("词库 9 词 · 版本 无"));
        QCOMPARE(state->palette().color(QPalette::WindowText), QColor(0x55, 0x55, 0x55));
    }

    void editLibrary_withNoProgramForTextFiles_saysSoInRedWithThePath() {
        test::AppHarness harness;
        harness.openSucceeds = false;
        harness.start();
        QTest::mouseClick(harness.find<QPushButton>("按钮词库编辑"), Qt::LeftButton);
        auto* label = harness.find<QLabel>("标签运行状态");
        QVERIFY2(label->text().startsWith(Q("无法打开词库文件")), qPrintable(label->text()));
        QVERIFY(label->text().endsWith(QString::fromStdU16String((harness.dir / "douyin_ck.txt").u16string())));
        QCOMPARE(label->palette().color(QPalette::WindowText).rgba(), 0xFFFF0000u);
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
