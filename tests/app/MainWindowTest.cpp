#include "AppHarness.h"
#include "ConfirmationBox.h"
#include "SettingsFile.h"
#include "TitleCheck.h"
#include "TitleHighlights.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using namespace qingtan;
using test::Q;

namespace {

const QString kPlaceholder = Q("请在此输入你要检测的标题！");

std::vector<QCheckBox*> categoryBoxes(const test::AppHarness& harness) {
    std::vector<QCheckBox*> boxes;
    for (const std::string_view name :
         {"选不文明用语", "选疑似欺骗", "选刺激消费", "选歧视用语", "选通用", "选化妆品", "选普通商品"}) {
        boxes.push_back(harness.find<QCheckBox>(name));
    }
    return boxes;
}

// Types text as key presses; QTest::keyClicks takes Latin-1 only.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(widget, &press);
        QCoreApplication::sendEvent(widget, &release);
    }
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // What the window shows before any start-up step has run.
    void construction_startState() {
        test::TempDir dir;
        AppState state;
        SettingsFile settings(dir.path());
        ConfirmationBox confirmation;
        MainWindow window({dir.path(), state, settings, confirmation, {}});
        auto find = [&window](const char* name) { return window.findChild<QWidget*>(Q(name)); };

        QCOMPARE(window.windowTitle(), Q("青檀工具箱"));
        QCOMPARE(window.size(), QSize(550, 368));
        QCOMPARE(qobject_cast<QPlainTextEdit*>(find("编辑框EX检测标题"))->toPlainText(), kPlaceholder);
        for (const char* name : {"选全部检测", "选不文明用语", "选疑似欺骗", "选刺激消费", "选歧视用语", "选通用",
                                 "选化妆品", "选普通商品"}) {
            QVERIFY2(qobject_cast<QCheckBox*>(find(name))->isChecked(), name);
        }
        QVERIFY(!qobject_cast<QRadioButton*>(find("单选框在线词库"))->isChecked());
        QVERIFY(!qobject_cast<QRadioButton*>(find("单选框本地词库"))->isChecked());
        QVERIFY(qobject_cast<QLabel*>(find("标签运行状态"))->text().isEmpty());
        auto* tabs = qobject_cast<QTabWidget*>(find("选择夹EX"));
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), Q("标题检测"));
        QCOMPARE(tabs->tabText(1), Q("热榜查询"));
        QCOMPARE(qobject_cast<QGroupBox*>(find("分组框EX3"))->title(), Q("运行状态"));
    }

    // Kind, caption, and place of every control; tab-page controls are placed relative to the tab control.
    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("relativeTo");
        QTest::addColumn<QRect>("geometry");
        auto row = [](const char* name, const char* kind, const char* caption, const char* relativeTo, QRect rect) {
            QTest::newRow(name) << Q(name) << QString::fromLatin1(kind) << Q(caption) << Q(relativeTo) << rect;
        };
        row("主窗口EX", "QLabel", "", "", QRect(4, 4, 24, 24));
        row("选择夹EX", "QTabWidget", "", "", QRect(1, 30, 548, 282));
        row("分组框EX3", "QGroupBox", "运行状态", "", QRect(1, 312, 548, 56));
        row("标签运行状态", "QLabel", "", "分组框EX3", QRect(3, 27, 540, 24));
        row("编辑框EX检测标题", "QPlainTextEdit", "", "选择夹EX", QRect(1, 40, 546, 105));
        row("选全部检测", "QCheckBox", "全部检测", "选择夹EX", QRect(18, 149, 80, 24));
        row("标签EX2", "QLabel", "（默认全部检测）", "选择夹EX", QRect(101, 154, 120, 13));
        row("选不文明用语", "QCheckBox", "不文明用语", "选择夹EX", QRect(18, 179, 90, 24));
        row("选疑似欺骗", "QCheckBox", "疑似欺骗", "选择夹EX", QRect(124, 179, 90, 24));
        row("选刺激消费", "QCheckBox", "刺激消费", "选择夹EX", QRect(230, 179, 90, 24));
        row("选歧视用语", "QCheckBox", "歧视用语", "选择夹EX", QRect(336, 179, 90, 24));
        row("选通用", "QCheckBox", "通用", "选择夹EX", QRect(442, 179, 90, 24));
        row("选化妆品", "QCheckBox", "化妆品", "选择夹EX", QRect(18, 209, 90, 24));
        row("选普通商品", "QCheckBox", "普通商品", "选择夹EX", QRect(124, 209, 90, 24));
        row("单选框在线词库", "QRadioButton", "在线词库", "选择夹EX", QRect(381, 209, 80, 24));
        row("单选框本地词库", "QRadioButton", "本地词库", "选择夹EX", QRect(461, 208, 80, 24));
        row("按钮检测", "QPushButton", "检测", "选择夹EX", QRect(224, 239, 100, 24));
        row("按钮词库编辑", "QPushButton", "词库编辑", "选择夹EX", QRect(413, 240, 100, 24));
        row("分组框EX1", "QGroupBox", "官方榜单", "选择夹EX", QRect(4, 44, 540, 86));
        row("按钮EX2", "QPushButton", "热点榜", "分组框EX1", QRect(25, 30, 100, 40));
        row("按钮EX3", "QPushButton", "今日热门视频", "分组框EX1", QRect(154, 30, 100, 40));
        row("按钮EX4", "QPushButton", "娱乐明星榜", "分组框EX1", QRect(283, 30, 100, 40));
        row("按钮EX5", "QPushButton", "体育热力榜", "分组框EX1", QRect(414, 30, 100, 40));
        row("标签EX3", "QLabel", "等待添加……", "分组框EX1", QRect(300, 0, 232, 18));
        row("分组框EX2", "QGroupBox", "第三方榜单", "选择夹EX", QRect(4, 130, 540, 86));
        row("按钮EX9", "QPushButton", "热点榜", "分组框EX2", QRect(25, 30, 100, 40));
        row("按钮EX8", "QPushButton", "今日热门视频", "分组框EX2", QRect(154, 30, 100, 40));
        row("按钮EX7", "QPushButton", "娱乐明星榜", "分组框EX2", QRect(283, 30, 100, 40));
        row("按钮EX6", "QPushButton", "体育热力榜", "分组框EX2", QRect(414, 30, 100, 40));
        row("标签EX1", "QLabel", "等待添加……", "分组框EX2", QRect(300, 0, 232, 18));
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QString, relativeTo);
        QFETCH(QRect, geometry);
        test::AppHarness harness;
        MainWindow& window = harness.start();
        auto* tabs = harness.find<QTabWidget>("选择夹EX");
        tabs->setCurrentIndex(1); // lay out the second page too
        tabs->setCurrentIndex(0);

        auto* control = window.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
        QString text = control->property("text").toString();
        if (auto* group = qobject_cast<QGroupBox*>(control)) {
            text = group->title();
        }
        if (!caption.isEmpty()) {
            QCOMPARE(text, caption);
        }
        QWidget* parent = relativeTo.isEmpty() ? &window : window.findChild<QWidget*>(relativeTo);
        QVERIFY(parent);
        QVERIFY(parent->isAncestorOf(control));
        QCOMPARE(QRect(control->mapTo(parent, QPoint(0, 0)), control->size()), geometry);
    }

    void clickingCategoryBox_unticksCheckAllOnly() {
        test::AppHarness harness;
        harness.start();
        auto* checkAll = harness.find<QCheckBox>("选全部检测");
        const auto boxes = categoryBoxes(harness);
        QTest::mouseClick(boxes[4], Qt::LeftButton); // 选通用
        QVERIFY(!boxes[4]->isChecked());
        QVERIFY(!checkAll->isChecked());
        QTest::mouseClick(boxes[4], Qt::LeftButton); // ticking it again also leaves 全部检测 unticked
        QVERIFY(boxes[4]->isChecked());
        QVERIFY(!checkAll->isChecked());
        for (QCheckBox* box : boxes) {
            QVERIFY(box->isChecked());
        }
    }

    void clickingCheckAll_ticksAllCategories_keepsItsOwnNewState() {
        test::AppHarness harness;
        harness.start();
        auto* checkAll = harness.find<QCheckBox>("选全部检测");
        const auto boxes = categoryBoxes(harness);

        // Ticked: the click unticks it, the categories stay ticked.
        QTest::mouseClick(checkAll, Qt::LeftButton);
        QVERIFY(!checkAll->isChecked());
        for (QCheckBox* box : boxes) {
            QVERIFY(box->isChecked());
        }
        // Unticked with only 通用 ticked: the click ticks it and all seven.
        for (QCheckBox* box : boxes) {
            box->setChecked(box == boxes[4]);
        }
        QTest::mouseClick(checkAll, Qt::LeftButton);
        QVERIFY(checkAll->isChecked());
        for (QCheckBox* box : boxes) {
            QVERIFY(box->isChecked());
        }
    }

    void settingBoxesFromCode_raisesNoHandler() {
        test::AppHarness harness;
        harness.start();
        auto* checkAll = harness.find<QCheckBox>("选全部检测");
        categoryBoxes(harness)[0]->setChecked(false);
        QVERIFY(checkAll->isChecked());
        QVERIFY(harness.app->confirmation().askedTexts().isEmpty());
        harness.find<QRadioButton>("单选框本地词库")->setChecked(true);
        QVERIFY(harness.app->confirmation().askedTexts().isEmpty());
    }

    void titleBox_focusClearsPlaceholder_leavingEmptyBoxRestoresIt() {
        test::AppHarness harness;
        QVERIFY(harness.startActive());
        auto* title = harness.find<QPlainTextEdit>("编辑框EX检测标题");
        auto* checkButton = harness.find<QPushButton>("按钮检测");
        QCOMPARE(title->toPlainText(), kPlaceholder);

        QTest::mouseClick(title->viewport(), Qt::LeftButton);
        QTRY_VERIFY(title->hasFocus());
        QCOMPARE(title->toPlainText(), QString());
        QTest::keyClicks(title, QStringLiteral("abc"));
        checkButton->setFocus();
        QTRY_VERIFY(!title->hasFocus());
        QCOMPARE(title->toPlainText(), QStringLiteral("abc")); // typed text is never cleared or replaced

        title->setFocus();
        QTRY_VERIFY(title->hasFocus());
        title->clear();
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(title, &leave); // the pointer leaves while the box keeps the focus
        QCOMPARE(title->toPlainText(), QString());
        checkButton->setFocus();
        QTRY_COMPARE(title->toPlainText(), kPlaceholder);
    }

    void titleBox_pointerEntersAndLeavesUnfocusedBox() {
        test::AppHarness harness;
        QVERIFY(harness.startActive());
        MainWindow& window = *harness.window();
        auto* title = harness.find<QPlainTextEdit>("编辑框EX检测标题");
        harness.find<QPushButton>("按钮检测")->setFocus();
        QTRY_VERIFY(!title->hasFocus());
        QTest::mouseMove(&window, QPoint(5, 5));
        QTest::mouseMove(title->viewport(), QPoint(20, 20));
        QTRY_COMPARE(title->toPlainText(), QString());
        QTest::mouseMove(&window, QPoint(5, 5));
        QTRY_COMPARE(title->toPlainText(), kPlaceholder);
    }

    void typedPlaceholder_isClearedOnEnteringAgain() {
        test::AppHarness harness;
        QVERIFY(harness.startActive());
        auto* title = harness.find<QPlainTextEdit>("编辑框EX检测标题");
        title->setFocus();
        QTRY_VERIFY(title->hasFocus());
        typeText(title, kPlaceholder);
        harness.find<QPushButton>("按钮检测")->setFocus();
        QTRY_VERIFY(!title->hasFocus());
        QCOMPARE(title->toPlainText(), kPlaceholder);
        QTest::mouseClick(title->viewport(), Qt::LeftButton);
        QTRY_COMPARE(title->toPlainText(), QString());
    }

    void checkButton_withPlaceholderOrEmptyTitle_refusesInRed() {
        test::AppHarness harness;
        harness.start();
        auto* label = harness.find<QLabel>("标签运行状态");
        auto* title = harness.find<QPlainTextEdit>("编辑框EX检测标题");
        for (const QString& text : {kPlaceholder, QString()}) {
            title->setPlainText(text);
            QTest::mouseClick(harness.find<QPushButton>("按钮检测"), Qt::LeftButton);
            QCOMPARE(label->text(), Q("错误提示：尚未输入内容！"));
            QCOMPARE(label->palette().color(QPalette::WindowText).rgba(), 0xFFFF0000u);
            QVERIFY(!harness.window()->reportWindow());
            QVERIFY(harness.app->state().check.currentTitle.empty());
        }
    }

    void editLibraryButton_opensLibraryFileThroughShell_evenWhenMissing() {
        test::AppHarness harness;
        harness.start();
        std::filesystem::remove(harness.dir / "douyin_ck.txt");
        const QString statusBefore = harness.find<QLabel>("标签运行状态")->text();
        QTest::mouseClick(harness.find<QPushButton>("按钮词库编辑"), Qt::LeftButton);
        QCOMPARE(harness.openedFiles.size(), std::size_t{1});
        QVERIFY(harness.openedFiles[0] == harness.dir / "douyin_ck.txt");
        QCOMPARE(harness.find<QLabel>("标签运行状态")->text(), statusBefore);
    }

    void hotListButtons_doNothing() {
        test::AppHarness harness;
        MainWindow& window = harness.start();
        harness.find<QTabWidget>("选择夹EX")->setCurrentIndex(1);
        const QString statusBefore = harness.find<QLabel>("标签运行状态")->text();
        const std::string settingsBefore = harness.settingsUtf8();
        for (const char* name :
             {"按钮EX2", "按钮EX3", "按钮EX4", "按钮EX5", "按钮EX6", "按钮EX7", "按钮EX8", "按钮EX9"}) {
            auto* button = harness.find<QPushButton>(name);
            QVERIFY2(button && button->isVisible(), name);
            QSignalSpy clicks(button, &QPushButton::clicked);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(clicks.count(), 1); // the press arrived, and nothing answered it
        }
        QCOMPARE(harness.find<QLabel>("标签运行状态")->text(), statusBefore);
        QCOMPARE(harness.settingsUtf8(), settingsBefore);
        QVERIFY(harness.openedFiles.empty());
        QVERIFY(!window.reportWindow());
        QVERIFY(window.isVisible());
    }

    // A creator types right after start: the first key replaces the placeholder.
    void startUp_focusInTitleBox_placeholderShownUntilTheFirstKey() {
        test::AppHarness harness;
        QVERIFY(harness.startActive());
        auto* title = harness.find<QPlainTextEdit>("编辑框EX检测标题");
        QTRY_VERIFY(title->hasFocus());
        QCOMPARE(title->toPlainText(), kPlaceholder);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("TOP1"));
        QCOMPARE(title->toPlainText(), QStringLiteral("TOP1"));
    }

    void tabMovesTheFocusOutOfTheTitleBoxWithoutATabCharacter() {
        test::AppHarness harness;
        QVERIFY(harness.startActive());
        auto* title = harness.find<QPlainTextEdit>("编辑框EX检测标题");
        QTRY_VERIFY(title->hasFocus());
        QTest::keyClicks(title, QStringLiteral("ab"));
        QTest::keyClick(title, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), harness.find<QCheckBox>("选全部检测"));
        QCOMPARE(title->toPlainText(), QStringLiteral("ab"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), title);
        QTest::keyClick(title, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(QApplication::focusWidget() != title);
        QCOMPARE(title->toPlainText(), QStringLiteral("ab"));
    }

    void keysThatRunTheCheck_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+Return in the title box") << "title" << int(Qt::Key_Return) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Enter in the title box")
            << "title" << int(Qt::Key_Enter) << int(Qt::KeypadModifier | Qt::ControlModifier);
        QTest::newRow("Return on 检测") << "button" << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("Enter on 检测") << "button" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space on 检测") << "button" << int(Qt::Key_Space) << int(Qt::NoModifier);
    }
    void keysThatRunTheCheck() {
        QFETCH(QString, where);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        test::AppHarness harness;
        QVERIFY(harness.startActive());
        MainWindow& window = *harness.window();
        auto* title = harness.find<QPlainTextEdit>("编辑框EX检测标题");
        title->setPlainText(Q("最好的秒杀"));
        QWidget* target =
            where == QStringLiteral("title") ? static_cast<QWidget*>(title) : harness.find<QPushButton>("按钮检测");
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QTest::keyClick(target, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(window.reportWindow());
        QCOMPARE(harness.app->state().check.findingSet(Category::General), test::gbk("最"));
        QCOMPARE(title->toPlainText(), Q("最好的秒杀")); // no line break was typed
    }

    // Where each word stands: a background per category, the text untouched, following the edits after a check.
    void check_highlightsEveryOccurrence_andFollowsEdits() {
        test::AppHarness harness;
        harness.writeLibrary(std::string(test::kTestLibrary)
                                 .replace(std::string(test::kTestLibrary).find("<普通商品>|神器|<"),
                                          std::string("<普通商品>|神器|<").size(), "<普通商品>|最好|<"));
        harness.start();
        auto* title = harness.find<QPlainTextEdit>("编辑框EX检测标题");
        title->setPlainText(Q("最好的秒杀，最好"));
        QVERIFY2(title->extraSelections().isEmpty(), "nothing before a check");
        QTest::mouseClick(harness.find<QPushButton>("按钮检测"), Qt::LeftButton);

        const auto spans = [title] {
            QList<std::tuple<int, int, QColor>> found;
            for (const auto& selection : title->extraSelections()) {
                found.append({selection.cursor.selectionStart(), selection.cursor.selectionEnd(),
                              selection.format.background().color()});
            }
            std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
                return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
            });
            return found;
        };
        const QColor general = CategoryColour(Category::General);
        const QColor consumption = CategoryColour(Category::Consumption);
        const QColor goods = CategoryColour(Category::Goods);
        // 最 (通用) inside 最好 (普通商品) overlap; both are there.
        QCOMPARE(spans(), (QList<std::tuple<int, int, QColor>>{
                              {0, 1, general}, {0, 2, goods}, {3, 5, consumption}, {6, 7, general}, {6, 8, goods}}));
        QCOMPARE(title->toPlainText(), Q("最好的秒杀，最好"));

        title->setPlainText(Q("一个最"));
        QCOMPARE(spans(), (QList<std::tuple<int, int, QColor>>{{2, 3, general}}));
        title->setPlainText(QString());
        QVERIFY(title->extraSelections().isEmpty());
        title->setPlainText(kPlaceholder);
        QVERIFY(title->extraSelections().isEmpty());
    }

    void highlightToolTip_namesTheWordsAndTheirCategories() {
        const std::vector<HighlightSpan> spans{{0, 1, Category::General, Q("最")},
                                               {0, 2, Category::Goods, Q("最好")},
                                               {0, 2, Category::Cosmetics, Q("最好")}};
        QCOMPARE(HighlightToolTip(spans, 0), Q("最：通用\n最好：化妆品、普通商品"));
        QCOMPARE(HighlightToolTip(spans, 1), Q("最好：化妆品、普通商品"));
        QCOMPARE(HighlightToolTip(spans, 2), QString());
    }

    // Outside code page 936 and surrogate pairs: positions still land on the right characters.
    void highlightSpans_mapBytesBackToTheBoxText() {
        WordLibrary library;
        library[Category::General] = {test::gbk("第一")};
        const WordMatcher matcher(library);
        CheckState state;
        const std::u16string title = u"😀a€第一";
        QVERIFY(RunCheck(state, matcher, title, {}, [](const AnsiText&, ColorRef) {}));
        const auto spans = HighlightSpans(title, state, library);
        QCOMPARE(spans.size(), std::size_t{1});
        QCOMPARE(spans[0].start, 4);
        QCOMPARE(spans[0].end, 6);
        QCOMPARE(spans[0].word, Q("第一"));
    }

    // The hot-list captions show whole: no label under a button, none cut short.
    void hotListTab_captionsWholeAndClearOfTheButtons() {
        test::AppHarness harness;
        MainWindow& window = harness.start();
        harness.find<QTabWidget>("选择夹EX")->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char* groupName : {"分组框EX1", "分组框EX2"}) {
            auto* group = harness.find<QGroupBox>(groupName);
            const auto labels = group->findChildren<QLabel*>();
            QVERIFY(!labels.isEmpty());
            for (const QLabel* label : labels) {
                QVERIFY2(label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height(),
                         qPrintable(label->objectName()));
                for (const QPushButton* button : group->findChildren<QPushButton*>()) {
                    QVERIFY2(!label->geometry().intersects(button->geometry()),
                             qPrintable(label->objectName() + QStringLiteral(" / ") + button->objectName()));
                }
            }
        }
    }

    // Qt's own texts in Chinese: the title box's context menu has no English entry.
    void titleBoxContextMenu_isChinese() {
        test::AppHarness harness;
        harness.start();
        std::unique_ptr<QMenu> menu(harness.find<QPlainTextEdit>("编辑框EX检测标题")->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                texts.append(action->text().section(QLatin1Char('\t'), 0, 0)); // without the shortcut
            }
        }
        QVERIFY(!texts.isEmpty());
        QVERIFY2(texts.contains(Q("全选(&A)")) || texts.join(QString()).contains(Q("全选")),
                 qPrintable(texts.join(QLatin1Char('|'))));
        for (const QString& text : texts) {
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3,}"))), qPrintable(text));
        }
    }

    // A variant has a style of its own: a dashed underline in the category's colour, and "疑似变体：" in the tooltip.
    void variantOfALibraryWord_dashedUnderlineAndItsTooltip() {
        test::AppHarness harness;
        harness.start();
        auto* title = harness.find<QPlainTextEdit>("编辑框EX检测标题");
        title->setPlainText(Q("第 一"));
        QTest::mouseClick(harness.find<QPushButton>("按钮检测"), Qt::LeftButton);
        const auto selections = title->extraSelections();
        QCOMPARE(selections.size(), 1);
        QCOMPARE(selections[0].cursor.selectionStart(), 0);
        QCOMPARE(selections[0].cursor.selectionEnd(), 3);
        QCOMPARE(selections[0].format.underlineStyle(), QTextCharFormat::DashUnderline);
        QCOMPARE(selections[0].format.underlineColor().rgb(), CategoryColour(Category::General).rgb());
        QVERIFY(selections[0].format.background().style() == Qt::NoBrush);
        QCOMPARE(harness.app->state().check.findingSet(Category::General), AnsiText()); // the report is unchanged
        const std::vector<HighlightSpan> spans{{0, 3, Category::General, Q("第一"), true}};
        QCOMPARE(HighlightToolTip(spans, 1), Q("疑似变体：第一"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
