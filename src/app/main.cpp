// The desktop program: wires the real updater, shell and directory into the application object and runs it.
#include "AppTexts.h"
#include "Application.h"
#include "FileHelpers.h"
#include "GbkCodec.h"
#include "LibraryUpdater.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    if (!qingtan::GbkCodec::available()) {
        // Every text of the program passes through the converter: without it nothing it showed could be trusted.
        QMessageBox::critical(nullptr, qingtan::MainWindowTitle(), qingtan::CodecMissingText());
        return 1;
    }
    const std::filesystem::path directory = qingtan::ExecutableDirectory();

    qingtan::ApplicationSetup setup;
    setup.directory = directory;
    setup.updateLibrary = [directory](const qingtan::AnsiText& librarySource, const qingtan::ShowStatusFn& showStatus,
                                      const std::function<void()>& processEvents) {
        return qingtan::LibraryUpdater({directory, qingtan::DefaultServerConfig(), showStatus, processEvents},
                                       librarySource);
    };
    qingtan::Application application(std::move(setup));
    return application.run();
}
