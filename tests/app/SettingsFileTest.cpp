#include "SettingsFile.h"

#include "TempDir.h"
#include "TestText.h"

#include <QTest>

using namespace qingtan;
using test::gbk;

class SettingsFileTest : public QObject {
    Q_OBJECT

private slots:
    void write_createsProfileFileInCodePage936() {
        test::TempDir dir;
        const SettingsFile settings(dir.path());
        QVERIFY(!settings.exists());
        QVERIFY(settings.write(gbk("在线词库")));
        QCOMPARE(settings.path(), dir.path() / u8"配置.ini");
#ifdef _WIN32
        const std::string newline = "\r\n";
#else
        const std::string newline = "\n";
#endif
        QCOMPARE(ReadWholeFile(settings.path()), gbk("[词库配置]") + newline + gbk("词库配置=在线词库") + newline);
        QCOMPARE(settings.read(), gbk("在线词库"));
    }

    void read_missingFileSectionOrKey_isEmpty_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("other section") << QByteArray(gbk("[别的]\r\n词库配置=在线词库\r\n").c_str());
        QTest::newRow("other key") << QByteArray(gbk("[词库配置]\r\n别的=在线词库\r\n").c_str());
    }
    void read_missingFileSectionOrKey_isEmpty() {
        QFETCH(QByteArray, content);
        test::TempDir dir;
        const SettingsFile settings(dir.path());
        if (!content.isEmpty()) {
            WriteWholeFile(settings.path(), content.toStdString());
        }
        QCOMPARE(settings.read(), AnsiText());
    }

    void read_returnsForeignValueByteForByte() {
        test::TempDir dir;
        const SettingsFile settings(dir.path());
        WriteWholeFile(settings.path(), gbk("[词库配置]\r\n词库配置=在线词库X\r\n"));
        QCOMPARE(settings.read(), gbk("在线词库X"));
    }

    void write_keepsOtherSectionsAndKeys_leavesNoTemporaryFile() {
        test::TempDir dir;
        const SettingsFile settings(dir.path());
        WriteWholeFile(settings.path(), gbk("[窗口]\r\n宽=550\r\n[词库配置]\r\n其他=1\r\n词库配置=abc\r\n"));
        QVERIFY(settings.write(gbk("本地词库")));
        QCOMPARE(settings.read(), gbk("本地词库"));
        const std::string bytes = ReadWholeFile(settings.path());
        QVERIFY(bytes.find(gbk("宽=550")) != std::string::npos);
        QVERIFY(bytes.find(gbk("其他=1")) != std::string::npos);
        QVERIFY(bytes.find("abc") == std::string::npos);
        int files = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            ++files;
        }
        QCOMPARE(files, 1);
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
