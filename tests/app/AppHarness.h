#pragma once

#include "Application.h"
#include "ControlNames.h"
#include "MainWindow.h"
#include "TempDir.h"
#include "TestText.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qingtan::test {

// A small library, UTF-8 here and GBK with CR LF on disk, whose words the window tests look for.
inline constexpr std::string_view kTestLibrary = "<不文明用语>|傻瓜|<\r\n"
                                                 "<疑似欺骗>|保证|<\r\n"
                                                 "<刺激消费>|秒杀|限时|<\r\n"
                                                 "<歧视用语>|穷人|<\r\n"
                                                 "<通用>|最|第一|<\r\n"
                                                 "<化妆品>|祛斑|<\r\n"
                                                 "<普通商品>|神器|<\r\n";

// The program as main wires it, in a temporary directory, with a recording updater and shell opener.
class AppHarness {
public:
    AppHarness() { writeLibrary(kTestLibrary); }
    ~AppHarness() { app.reset(); }

    void writeLibrary(std::string_view utf8Text) const { dir.write("douyin_ck.txt", gbk(utf8Text)); }
    void writeSettings(std::string_view utf8Text) const { WriteWholeFile(settingsPath(), gbk(utf8Text)); }
    // 配置.ini in UTF-8, line ends as LF whatever the platform writes.
    std::string settingsUtf8() const {
        std::string text = utf8(ReadWholeFile(settingsPath()));
        std::erase(text, '\r');
        return text;
    }
    std::filesystem::path settingsPath() const { return dir.path() / u8"配置.ini"; }

    // start(), then makes the main window the active one, as a creator's click would; false when it did not become
    // active.
    bool startActive() {
        MainWindow& window = start();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // Makes the application object and runs its start-up; the window is shown when it returns.
    MainWindow& start() {
        ApplicationSetup setup;
        setup.directory = dir.path();
        setup.updateLibrary = [this](const AnsiText& source, const ShowStatusFn& showStatus,
                                     const std::function<void()>& processEvents) {
            updaterSources.push_back(utf8(source));
            if (onUpdate) {
                onUpdate(showStatus, processEvents);
            }
            return updateResult;
        };
        setup.openFile = [this](const std::filesystem::path& file) {
            openedFiles.push_back(file);
            return openSucceeds;
        };
        app = std::make_unique<Application>(std::move(setup));
        return app->start();
    }

    MainWindow* window() const { return app ? app->mainWindow() : nullptr; }

    // The control of that name in the main window (or null), for QVERIFY.
    template <typename Widget>
    Widget* find(std::string_view name) const {
        return window() ? window()->findChild<Widget*>(names::Q(name)) : nullptr;
    }

    TempDir dir;
    std::unique_ptr<Application> app;
    std::vector<std::string> updaterSources; // the library source each update was given, UTF-8
    std::vector<std::filesystem::path> openedFiles;
    bool openSucceeds = true;                            // what the recording opener answers
    UpdateOutcome updateResult = UpdateOutcome::Updated; // what the recording updater reports
    std::function<void(const ShowStatusFn&, const std::function<void()>&)> onUpdate;
};

inline QString Q(std::string_view utf8Text) {
    return QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
}

} // namespace qingtan::test
