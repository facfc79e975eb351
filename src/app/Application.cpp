#include "Application.h"

#include "AppTexts.h"
#include "EventPump.h"
#include "FileHelpers.h"
#include "MainWindow.h"
#include "WordLibrary.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QSplashScreen>

#include <memory>

namespace qingtan {
namespace {

constexpr std::chrono::milliseconds kEventInterval{16}; // about one frame

// The update may wait on the network before the main window can appear; this says the program is alive.
std::unique_ptr<QSplashScreen> showSplash() {
    QPixmap picture(360, 110);
    picture.fill(QColor(0xF4, 0xF8, 0xF2));
    {
        QPainter painter(&picture);
        painter.setPen(QColor(0x2E, 0x7D, 0x32));
        painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
        QFont font = painter.font();
        font.setPixelSize(24);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(0, 18, 360, 40), Qt::AlignCenter, MainWindowTitle());
    }
    auto splash = std::make_unique<QSplashScreen>(picture);
    splash->show();
    splash->showMessage(UpdatingText(), Qt::AlignHCenter | Qt::AlignBottom, QColor(0x33, 0x33, 0x33));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return splash;
}

} // namespace

LibraryState Application::libraryState(const LibraryLoadResult& load, UpdateOutcome update) const {
    LibraryState state;
    for (const Category category : kAllCategories) {
        state.wordCounts[IndexOf(category)] = m_state.library()[category].size();
    }
    state.version = AnsiFromBuffer(ReadWholeFile(m_setup.directory / kVersionFileName));
    state.whole = load.loaded && !load.fault;
    if (update != UpdateOutcome::LocalLibraryKept) {
        state.updated = update != UpdateOutcome::Failed;
    }
    return state;
}

Application::Application(ApplicationSetup setup) : m_setup(std::move(setup)), m_settings(m_setup.directory) {}

Application::~Application() {
    // The window stores the library source and empties the check state on its way out; both must still exist.
    delete m_window;
}

MainWindow& Application::start() {
    // The splash goes up before anything else is built, so the program shows it is alive at once; with the local
    // library there is no server to wait for, and a splash would only delay the window.
    std::unique_ptr<QSplashScreen> splash = m_settings.read() == LocalSourceValue() ? nullptr : showSplash();

    auto* window = new MainWindow({m_setup.directory, m_state, m_settings, m_confirmation, m_setup.openFile});
    m_window = window;
    const ShowStatusFn showStatus = window->statusSink();

    showStatus(StartedStatus(), kGreen);
    const AnsiText librarySource = window->restoreLibrarySource();
    UpdateOutcome update = UpdateOutcome::LocalLibraryKept; // no updater: nothing was asked
    if (m_setup.updateLibrary) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        ThrottledEventPump pump(kEventInterval,
                                [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
        update = m_setup.updateLibrary(librarySource, showStatus, [&pump] { pump(); });
        QGuiApplication::restoreOverrideCursor();
    }

    const LibraryLoadResult load = m_state.loadLibrary(m_setup.directory, showStatus);
    window->showLibraryState(libraryState(load, update));

    window->show();
    // Not QSplashScreen::finish: it processes events while waiting, and a close arriving then would end the window
    // before the event loop runs, leaving a program without windows that never quits.
    if (splash) {
        splash->close();
    }
    return *window;
}

MainWindow* Application::mainWindow() const {
    return m_window;
}

int Application::run() {
    start();
    return QApplication::exec();
}

} // namespace qingtan
