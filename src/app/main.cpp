// The desktop program: wires the real updater, shell and directory into the application object and runs it.
#include "Application.h"
#include "FileHelpers.h"
#include "LibraryUpdater.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    const std::filesystem::path directory = qingtan::ExecutableDirectory();

    qingtan::ApplicationSetup setup;
    setup.directory = directory;
    setup.updateLibrary = [directory](const qingtan::AnsiText& librarySource, const qingtan::ShowStatusFn& showStatus,
                                      const std::function<void()>& processEvents) {
        qingtan::LibraryUpdater({directory, qingtan::DefaultServerConfig(), showStatus, processEvents}, librarySource);
    };
    qingtan::Application application(std::move(setup));
    return application.run();
}
