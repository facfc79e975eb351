// Renders both windows with a sample title into PNG files for the README:
//   qingtan-screenshots LIBRARY_FILE OUTPUT_DIR
#include "Application.h"
#include "ControlNames.h"
#include "MainWindow.h"
#include "ReportWindow.h"
#include "TempDir.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <iostream>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: qingtan-screenshots LIBRARY_FILE OUTPUT_DIR\n";
        return 2;
    }
    const qingtan::test::TempDir dir;
    qingtan::WriteWholeFile(dir / qingtan::kLibraryFileName, qingtan::ReadWholeFile(argv[1]));

    qingtan::ApplicationSetup setup;
    setup.directory = dir.path();
    qingtan::Application application(std::move(setup));
    qingtan::MainWindow& window = application.start();

    auto find = [&window](std::string_view name) { return window.findChild<QWidget*>(qingtan::names::Q(name)); };
    qobject_cast<QPlainTextEdit*>(find(qingtan::names::kTitleBox))
        ->setPlainText(QString::fromUtf8("全网第一的祛斑神器，限时秒杀"));
    qobject_cast<QPushButton*>(find(qingtan::names::kCheckButton))->click();
    QApplication::processEvents();

    const QDir out(QString::fromLocal8Bit(argv[2]));
    bool saved = window.grab().save(out.filePath(QStringLiteral("main-window.png"))) &&
                 window.reportWindow()->grab().save(out.filePath(QStringLiteral("report-window.png")));
    qobject_cast<QTabWidget*>(find(qingtan::names::kTabs))->setCurrentIndex(1);
    QApplication::processEvents();
    saved = saved && window.grab().save(out.filePath(QStringLiteral("hot-list-tab.png")));
    return saved ? 0 : 1;
}
