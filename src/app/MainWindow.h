#pragma once

#include "AppState.h"
#include "LibrarySource.h"
#include "LibraryState.h"
#include "ShellOpener.h"
#include "TextTypes.h"
#include "TitleHighlights.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <vector>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace qingtan {

class ConfirmationBox;
class ReportWindow;
class SettingsFile;

// What the main window works with; all of it outlives the window.
struct MainWindowContext {
    std::filesystem::path directory; // where douyin_ck.txt lives
    AppState& state;
    const SettingsFile& settings;
    ConfirmationBox& confirmation;
    ShellOpenerFn openFile;
};

// The start window: the title-check tab, the hot-list tab and the status line. It deletes itself when closed;
// on the way it stores the library source and takes an open report window with it.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowContext context);
    ~MainWindow() override;

    // Writes to the status line; valid while the window lives.
    ShowStatusFn statusSink();

    // Start-up step: reads or creates 配置.ini and selects a radio button. Returns the source to update from.
    AnsiText restoreLibrarySource();

    // Shows the library's words, version and state beside the status line, where it stays whatever the status
    // line shows later.
    void showLibraryState(const LibraryState& state);

    // The open report window, or null.
    ReportWindow* reportWindow() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTitleCheckTab(QWidget* page);
    void buildHotListTab(QWidget* page);
    void placeOnTab(QWidget* child, int x, int y, int width, int height);
    void alignTabChildren();

    LibrarySourceControls sourceControls();
    CategoryTicks categoryTicks() const;

    // Handlers, each bound to one control in the constructor.
    void TickAllCategories();
    void UntickCheckAll();
    void ClearTitlePlaceholder();
    void RestoreTitlePlaceholder();
    void OpenLibraryFile();
    void CheckTitle();
    void OpenReportWindow();

    // Shows where the words of `check` stand in the title box; after the first accepted check the title is matched
    // again on every edit, so the highlights follow the text.
    void showHighlights(const CheckState& check);
    void rematchTitle();

    MainWindowContext m_context;
    QTabWidget* m_tabs = nullptr;
    QPlainTextEdit* m_titleBox = nullptr;
    QCheckBox* m_checkAll = nullptr;
    std::array<QCheckBox*, kCategoryCount> m_categoryBoxes{};
    QRadioButton* m_onlineButton = nullptr;
    QRadioButton* m_localButton = nullptr;
    QPushButton* m_checkButton = nullptr;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_libraryStateLabel = nullptr;
    QPointer<ReportWindow> m_report;
    bool m_highlightsFollowEdits = false;
    CheckState m_editCheck; // the matches of the title as edited; the report's check state stays as it was
    std::vector<HighlightSpan> m_highlights;
};

} // namespace qingtan
