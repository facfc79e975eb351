#include "AppHarness.h"
#include "ConfirmationBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace qingtan;
using test::Q;

namespace {

const std::string kOnlineFile = "[词库配置]\n词库配置=在线词库\n";
const std::string kLocalFile = "[词库配置]\n词库配置=本地词库\n";
const std::string kForeignFile = "[词库配置]\n词库配置=abc\n";

const QString kToLocal = Q("请确认是否要切换到本地词库，如果使用本地词库，将不再自动更新词库");
const QString kToOnline = Q("请确认是否要切换到在线词库，如果使用在线词库，将会覆盖本地词库");

// "online", "local" or "none": which radio button is selected.
QString selection(const test::AppHarness& harness) {
    const bool online = harness.find<QRadioButton>("单选框在线词库")->isChecked();
    const bool local = harness.find<QRadioButton>("单选框本地词库")->isChecked();
    QString result = online ? QStringLiteral("online") : QStringLiteral("none");
    return local ? (online ? QStringLiteral("both") : QStringLiteral("local")) : result;
}

QRadioButton* button(const test::AppHarness& harness, const QString& which) {
    return harness.find<QRadioButton>(which == QStringLiteral("online") ? "单选框在线词库" : "单选框本地词库");
}

void closeAndWait(test::AppHarness& harness) {
    QPointer<MainWindow> window = harness.window();
    window->close();
    QTRY_VERIFY(window.isNull());
}

} // namespace

class LibrarySourceTest : public QObject {
    Q_OBJECT

private slots:
    // Start-up: what 配置.ini holds decides the selection and the source the updater gets.
    void restore_data() {
        QTest::addColumn<QString>("fileBefore"); // "-" for no file
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("fileAfter");
        QTest::addColumn<QString>("updaterSource");
        QTest::newRow("first start creates online") << "-"
                                                    << "online" << Q(kOnlineFile) << Q("在线词库");
        QTest::newRow("local") << Q(kLocalFile) << "local" << Q(kLocalFile) << Q("本地词库");
        QTest::newRow("online") << Q(kOnlineFile) << "online" << Q(kOnlineFile) << Q("在线词库");
        QTest::newRow("foreign value stays") << Q(kForeignFile) << "none" << Q(kForeignFile) << "abc";
        QTest::newRow("value compared byte for byte") << Q("[词库配置]\n词库配置=在线词库 x\n") << "none"
                                                      << Q("[词库配置]\n词库配置=在线词库 x\n") << Q("在线词库 x");
        QTest::newRow("empty file") << ""
                                    << "none"
                                    << ""
                                    << "";
    }
    void restore() {
        QFETCH(QString, fileBefore);
        QFETCH(QString, selected);
        QFETCH(QString, fileAfter);
        QFETCH(QString, updaterSource);
        test::AppHarness harness;
        if (fileBefore != QStringLiteral("-")) {
            harness.writeSettings(fileBefore.toStdString());
        }
        harness.start();
        QCOMPARE(selection(harness), selected);
        QCOMPARE(Q(harness.settingsUtf8()), fileAfter);
        QCOMPARE(harness.updaterSources, std::vector<std::string>{updaterSource.toStdString()});
        QVERIFY(harness.app->confirmation().askedTexts().isEmpty());
    }

    // A click on a radio button, with the confirmation answered by the test hook.
    void switchSource_data() {
        QTest::addColumn<QString>("fileBefore");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<bool>("answerOk");
        QTest::addColumn<QString>("question"); // empty when no box may be shown
        QTest::addColumn<QString>("selectedAfter");
        QTest::addColumn<QString>("fileAfter");
        QTest::newRow("online to local, OK")
            << Q(kOnlineFile) << "local" << true << kToLocal << "local" << Q(kLocalFile);
        QTest::newRow("online to local, Cancel")
            << Q(kOnlineFile) << "local" << false << kToLocal << "online" << Q(kOnlineFile);
        QTest::newRow("local to online, OK")
            << Q(kLocalFile) << "online" << true << kToOnline << "online" << Q(kOnlineFile);
        QTest::newRow("local to online, Cancel")
            << Q(kLocalFile) << "online" << false << kToOnline << "local" << Q(kLocalFile);
        QTest::newRow("online clicked again") << Q(kOnlineFile) << "online" << true << ""
                                              << "online" << Q(kOnlineFile);
        QTest::newRow("local clicked again") << Q(kLocalFile) << "local" << true << ""
                                             << "local" << Q(kLocalFile);
        QTest::newRow("foreign value, local clicked") << Q(kForeignFile) << "local" << true << ""
                                                      << "local" << Q(kForeignFile);
        QTest::newRow("foreign value, online clicked") << Q(kForeignFile) << "online" << true << ""
                                                       << "online" << Q(kForeignFile);
    }
    void switchSource() {
        QFETCH(QString, fileBefore);
        QFETCH(QString, clicked);
        QFETCH(bool, answerOk);
        QFETCH(QString, question);
        QFETCH(QString, selectedAfter);
        QFETCH(QString, fileAfter);
        test::AppHarness harness;
        harness.writeSettings(fileBefore.toStdString());
        harness.start();
        ConfirmationBox& confirmation = harness.app->confirmation();
        confirmation.setNextAnswer(answerOk);

        QTest::mouseClick(button(harness, clicked), Qt::LeftButton);
        QCOMPARE(confirmation.askedTexts(), question.isEmpty() ? QStringList() : QStringList{question});
        QCOMPARE(selection(harness), selectedAfter);
        QCOMPARE(Q(harness.settingsUtf8()), fileAfter);

        // Closing brings the file in line with the buttons.
        closeAndWait(harness);
        QCOMPARE(Q(harness.settingsUtf8()), selectedAfter == QStringLiteral("online") ? Q(kOnlineFile) : Q(kLocalFile));
    }

    // A real box: Esc and its close button both count as Cancel.
    void realMessageBox_closedWithoutButton_countsAsCancel_data() {
        QTest::addColumn<bool>("useEscape");
        QTest::newRow("Esc") << true;
        QTest::newRow("close button") << false;
    }
    void realMessageBox_closedWithoutButton_countsAsCancel() {
        QFETCH(bool, useEscape);
        test::AppHarness harness;
        harness.writeSettings(kOnlineFile);
        MainWindow& window = harness.start();

        QString seenText;
        QString seenCaption;
        bool seenQuestionIcon = false;
        bool seenOkAndCancel = false;
        QStringList seenButtonTexts;
        QWidget* seenOwner = nullptr;
        // The box runs its own event loop; answer it from there.
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seenText = box->text();
            seenCaption = box->windowTitle();
            seenQuestionIcon = box->icon() == QMessageBox::Question;
            seenOkAndCancel = box->standardButtons() == (QMessageBox::Ok | QMessageBox::Cancel);
            seenOwner = box->parentWidget();
            seenButtonTexts = {box->button(QMessageBox::Ok)->text(), box->button(QMessageBox::Cancel)->text()};
            if (useEscape) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                box->close(); // what the title bar's close button does
            }
        });
        QTest::mouseClick(harness.find<QRadioButton>("单选框本地词库"), Qt::LeftButton);

        QCOMPARE(seenText, kToLocal);
        QCOMPARE(seenCaption, Q("是否需要切换词库"));
        QVERIFY(seenQuestionIcon);
        QVERIFY(seenOkAndCancel);
        // Qt's own translations, whatever the system's locale: no English word in the Chinese window.
        QCOMPARE(seenButtonTexts, (QStringList{Q("确定"), Q("取消")}));
        QCOMPARE(seenOwner, &window);
        QCOMPARE(selection(harness), QStringLiteral("online"));
        QCOMPARE(harness.settingsUtf8(), kOnlineFile);
    }

    void realMessageBox_okStoresNewSource() {
        test::AppHarness harness;
        harness.writeSettings(kLocalFile);
        harness.start();
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        QTest::mouseClick(harness.find<QRadioButton>("单选框在线词库"), Qt::LeftButton);
        QCOMPARE(selection(harness), QStringLiteral("online"));
        QCOMPARE(harness.settingsUtf8(), kOnlineFile);
    }

    void settingsDeletedWhileRunning_noDialog_closingWritesItAgain() {
        test::AppHarness harness;
        harness.writeSettings(kOnlineFile);
        harness.start();
        std::filesystem::remove(harness.settingsPath());
        QTest::mouseClick(harness.find<QRadioButton>("单选框本地词库"), Qt::LeftButton);
        QVERIFY(harness.app->confirmation().askedTexts().isEmpty());
        QCOMPARE(selection(harness), QStringLiteral("local"));
        QVERIFY(!std::filesystem::exists(harness.settingsPath()));
        closeAndWait(harness);
        QCOMPARE(harness.settingsUtf8(), kLocalFile);
    }

    void closing_withNeitherSelected_writesNothing() {
        test::AppHarness harness;
        harness.writeSettings(kForeignFile);
        harness.start();
        closeAndWait(harness);
        QCOMPARE(harness.settingsUtf8(), kForeignFile);
    }
};

QTEST_MAIN(LibrarySourceTest)
#include "LibrarySourceTest.moc"
