#pragma once

#include "AppState.h"
#include "ConfirmationBox.h"
#include "LibraryState.h"
#include "SettingsFile.h"
#include "ShellOpener.h"
#include "TextTypes.h"
#include "Translations.h"
#include "UpdateOutcome.h"

#include <QPointer>

#include <filesystem>
#include <functional>

namespace qingtan {

class MainWindow;

// Refreshes the library files in the program's directory from the word-library server. Gets the library source
// restored from 配置.ini, the status line, and a function that lets pending window events through.
using LibraryUpdaterFn = std::function<UpdateOutcome(const AnsiText& librarySource, const ShowStatusFn& showStatus,
                                                     const std::function<void()>& processEvents)>;

// The seams between the program and its surroundings; main fills them with the real ones, tests with their own.
struct ApplicationSetup {
    std::filesystem::path directory; // the executable's directory: library, version and settings files
    LibraryUpdaterFn updateLibrary;
    ShellOpenerFn openFile = OpenWithDesktop;
};

// The one object made in main: owns the program's state and services and brings the main window up and down.
class Application {
public:
    explicit Application(ApplicationSetup setup);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the main window and, while it is still hidden: shows 程序已启动, restores the library source, runs
    // the updater with that source, loads the library. Then shows the window. Each step runs to completion.
    MainWindow& start();

    // start(), then the event loop until the main window has been closed; returns the loop's exit code.
    int run();

    // The main window, or null once it has been closed.
    MainWindow* mainWindow() const;
    const AppState& state() const { return m_state; }
    ConfirmationBox& confirmation() { return m_confirmation; }

private:
    LibraryState libraryState(const LibraryLoadResult& load, UpdateOutcome update) const;

    ChineseTranslations m_translations; // first, so every window is made with Chinese standard texts
    ApplicationSetup m_setup;
    AppState m_state;
    SettingsFile m_settings;
    ConfirmationBox m_confirmation;
    QPointer<MainWindow> m_window;
};

} // namespace qingtan
