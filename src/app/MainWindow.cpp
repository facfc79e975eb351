#include "MainWindow.h"

#include "AppTexts.h"
#include "CheckReport.h"
#include "CheckTexts.h"
#include "ControlNames.h"
#include "ReportWindow.h"
#include "StatusLine.h"
#include "TextUtilities.h"
#include "TitleCheck.h"
#include "WindowHeader.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolTip>

namespace qingtan {
namespace {

// Where a tab-page control belongs, relative to the tab control itself (tab bar included).
const char* const kTabPosition = "qingtanTabPosition";

bool isEnterKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

QString placeholder() {
    return QString::fromStdU16String(AnsiToWide(TitlePlaceholderText()));
}

template <typename Widget>
Widget* makeControl(QWidget* parent, std::string_view name, const QString& text = {}) {
    auto* widget = new Widget(parent);
    widget->setObjectName(names::Q(name));
    if constexpr (requires { widget->setText(text); }) {
        widget->setText(text);
    }
    return widget;
}

} // namespace

MainWindow::MainWindow(MainWindowContext context) : QWidget(nullptr), m_context(std::move(context)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(550, 368);
    move(50, 50);
    AddWindowHeader(*this, names::kMainFrame, MainWindowTitle(), true);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(names::Q(names::kTabs));
    m_tabs->setGeometry(1, 30, 548, 282);
    auto* titleCheckPage = new QWidget;
    auto* hotListPage = new QWidget;
    m_tabs->addTab(titleCheckPage, TitleCheckTab());
    m_tabs->addTab(hotListPage, HotListTab());
    buildTitleCheckTab(titleCheckPage);
    buildHotListTab(hotListPage);
    // The tab bar's height depends on style and font; the pages learn their place only when laid out.
    for (QWidget* watched :
         {static_cast<QWidget*>(titleCheckPage), static_cast<QWidget*>(hotListPage), titleCheckPage->parentWidget()}) {
        watched->installEventFilter(this);
    }

    auto* statusGroup = new QGroupBox(StatusGroup(), this);
    statusGroup->setObjectName(names::Q(names::kStatusGroup));
    statusGroup->setGeometry(1, 312, 548, 56);
    m_statusLabel = makeControl<QLabel>(statusGroup, names::kStatusLabel);
    m_statusLabel->setGeometry(3, 27, 540, 24);
    m_statusLabel->setTextFormat(Qt::PlainText);
    m_libraryStateLabel = makeControl<QLabel>(statusGroup, names::kLibraryStateLabel);
    m_libraryStateLabel->setGeometry(140, 2, 403, 18);
    m_libraryStateLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_libraryStateLabel->setTextFormat(Qt::PlainText);

    // A creator can type at once; the placeholder stays in view until the first key or click (see eventFilter).
    m_titleBox->setFocus();
}

MainWindow::~MainWindow() {
    SaveLibrarySource(sourceControls());
    // The report window goes first, while the check state it empties is certainly alive.
    delete m_report;
}

void MainWindow::buildTitleCheckTab(QWidget* page) {
    m_titleBox = makeControl<QPlainTextEdit>(page, names::kTitleBox);
    m_titleBox->setPlainText(placeholder());
    m_titleBox->setTabChangesFocus(true); // a tab character would become part of the checked title
    m_titleBox->installEventFilter(this);
    m_titleBox->viewport()->installEventFilter(this); // clicks land on the viewport
    placeOnTab(m_titleBox, 1, 40, 546, 105);
    connect(m_titleBox, &QPlainTextEdit::textChanged, this, &MainWindow::rematchTitle);

    m_checkAll = makeControl<QCheckBox>(page, names::kCheckAll, CheckAllBox());
    m_checkAll->setChecked(true);
    placeOnTab(m_checkAll, 18, 149, 80, 24);
    connect(m_checkAll, &QCheckBox::clicked, this, &MainWindow::TickAllCategories);

    auto* hint = makeControl<QLabel>(page, names::kCheckAllHint, CheckAllHint());
    placeOnTab(hint, 101, 154, 120, 13);

    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        const Category category = kAllCategories[index];
        auto* box = makeControl<QCheckBox>(page, names::kCategoryBoxes[index]);
        box->setText(QString::fromUtf8(CategoryNameUtf8(category).data(),
                                       static_cast<qsizetype>(CategoryNameUtf8(category).size())));
        box->setChecked(true);
        // Five in the first row, two in the second.
        const int column = static_cast<int>(index % 5);
        const int row = static_cast<int>(index / 5);
        placeOnTab(box, 18 + 106 * column, 179 + 30 * row, 90, 24);
        connect(box, &QCheckBox::clicked, this, &MainWindow::UntickCheckAll);
        connect(box, &QCheckBox::toggled, this, &MainWindow::rematchTitle);
        m_categoryBoxes[index] = box;
    }

    m_onlineButton = makeControl<QRadioButton>(page, names::kOnlineButton, OnlineButton());
    placeOnTab(m_onlineButton, 381, 209, 80, 24);
    m_localButton = makeControl<QRadioButton>(page, names::kLocalButton, LocalButton());
    placeOnTab(m_localButton, 461, 208, 80, 24);
    connect(m_onlineButton, &QRadioButton::clicked, this, [this] { ConfirmSwitchToOnline(sourceControls()); });
    connect(m_localButton, &QRadioButton::clicked, this, [this] { ConfirmSwitchToLocal(sourceControls()); });

    m_checkButton = makeControl<QPushButton>(page, names::kCheckButton, CheckButton());
    placeOnTab(m_checkButton, 224, 239, 100, 24);
    connect(m_checkButton, &QPushButton::clicked, this, &MainWindow::CheckTitle);
    m_checkButton->installEventFilter(this); // Enter and Return press it, as Space does

    auto* editLibrary = makeControl<QPushButton>(page, names::kEditLibraryButton, EditLibraryButton());
    placeOnTab(editLibrary, 413, 240, 100, 24);
    connect(editLibrary, &QPushButton::clicked, this, &MainWindow::OpenLibraryFile);
}

void MainWindow::buildHotListTab(QWidget* page) {
    struct Group {
        std::string_view name;
        QString caption;
        int y;
        std::string_view pendingLabel;
        const std::string_view* buttons;
    };
    const Group groups[] = {
        {names::kOfficialGroup, OfficialListsGroup(), 44, names::kOfficialPending, names::kOfficialButtons},
        {names::kThirdPartyGroup, ThirdPartyListsGroup(), 130, names::kThirdPartyPending, names::kThirdPartyButtons},
    };
    for (const Group& group : groups) {
        auto* box = new QGroupBox(group.caption, page);
        box->setObjectName(names::Q(group.name));
        placeOnTab(box, 4, group.y, 540, 86);
        // The page is not built yet and its buttons carry no action; the label says so in the group's title row,
        // clear of the buttons.
        auto* pending = makeControl<QLabel>(box, group.pendingLabel, PendingText());
        pending->setGeometry(300, 0, 232, 18);
        pending->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int buttonX[] = {25, 154, 283, 414};
        for (int index = 0; index < 4; ++index) {
            auto* button = makeControl<QPushButton>(box, group.buttons[index], HotListButton(index));
            button->setGeometry(buttonX[index], 30, 100, 40);
        }
    }
}

void MainWindow::placeOnTab(QWidget* child, int x, int y, int width, int height) {
    child->setProperty(kTabPosition, QPoint(x, y));
    child->setGeometry(x, y, width, height);
}

void MainWindow::alignTabChildren() {
    for (int index = 0; index < m_tabs->count(); ++index) {
        QWidget* page = m_tabs->widget(index);
        const QPoint pageOrigin = page->mapTo(m_tabs, QPoint(0, 0));
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QVariant position = child->property(kTabPosition);
            if (position.isValid()) {
                child->move(position.toPoint() - pageOrigin);
            }
        }
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_checkButton && event->type() == QEvent::KeyPress) {
        if (isEnterKey(*static_cast<QKeyEvent*>(event))) {
            m_checkButton->animateClick();
            return true;
        }
    } else if (watched == m_titleBox->viewport() && event->type() == QEvent::MouseButtonPress) {
        ClearTitlePlaceholder(); // a click into the box that already has the focus
    } else if (watched == m_titleBox->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = HighlightToolTip(m_highlights, m_titleBox->cursorForPosition(help->pos()).position());
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tip, m_titleBox->viewport());
        }
        return true;
    } else if (watched == m_titleBox) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (isEnterKey(key) && key.modifiers().testFlag(Qt::ControlModifier)) {
                CheckTitle();
                return true;
            }
            // The focus may have come without a click (at start, or back from another window): the first key
            // replaces the placeholder instead of editing it.
            if (!key.text().isEmpty() || key.matches(QKeySequence::Paste)) {
                ClearTitlePlaceholder();
            }
            break;
        }
        case QEvent::FocusIn: {
            // A click or Tab into the box clears the placeholder; focus given back with the window does not, so
            // the placeholder is still there when the window appears.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::OtherFocusReason) {
                ClearTitlePlaceholder();
            }
            break;
        }
        case QEvent::Enter:
            ClearTitlePlaceholder();
            break;
        case QEvent::FocusOut:
        case QEvent::Leave:
            RestoreTitlePlaceholder();
            break;
        default:
            break;
        }
    } else if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        alignTabChildren();
    }
    return QWidget::eventFilter(watched, event);
}

ReportWindow* MainWindow::reportWindow() const {
    return m_report;
}

ShowStatusFn MainWindow::statusSink() {
    return [label = QPointer<QLabel>(m_statusLabel)](const AnsiText& text, ColorRef colour) {
        if (label) {
            ShowStatus(*label, text, colour);
        }
    };
}

void MainWindow::showLibraryState(const LibraryState& state) {
    m_libraryStateLabel->setText(LibraryStateLine(state));
    m_libraryStateLabel->setToolTip(LibraryStateDetails(state));
    m_statusLabel->setToolTip(LibraryStateDetails(state));
    QPalette colours = m_libraryStateLabel->palette();
    colours.setColor(QPalette::WindowText,
                     LibraryStateNeedsAttention(state) ? QColor(0xC6, 0x28, 0x28) : QColor(0x55, 0x55, 0x55));
    m_libraryStateLabel->setPalette(colours);
}

AnsiText MainWindow::restoreLibrarySource() {
    return RestoreLibrarySource(sourceControls());
}

LibrarySourceControls MainWindow::sourceControls() {
    return {m_context.settings, *m_onlineButton, *m_localButton, m_context.confirmation, this};
}

CategoryTicks MainWindow::categoryTicks() const {
    CategoryTicks ticks{};
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        ticks[index] = m_categoryBoxes[index]->isChecked();
    }
    return ticks;
}

void MainWindow::TickAllCategories() {
    for (QCheckBox* box : m_categoryBoxes) {
        box->setChecked(true);
    }
}

void MainWindow::UntickCheckAll() {
    m_checkAll->setChecked(false);
}

void MainWindow::ClearTitlePlaceholder() {
    if (m_titleBox->toPlainText() == placeholder()) {
        m_titleBox->setPlainText(QString());
    }
}

void MainWindow::RestoreTitlePlaceholder() {
    if (!m_titleBox->hasFocus() && m_titleBox->toPlainText().isEmpty()) {
        m_titleBox->setPlainText(placeholder());
    }
}

void MainWindow::OpenLibraryFile() {
    const std::filesystem::path file = m_context.directory / kLibraryFileName;
    if (!m_context.openFile || !m_context.openFile(file)) {
        // No program took the file: say so, with the path, so the creator can open it by hand.
        const QString text = CannotOpenLibraryText(QString::fromStdU16String(file.u16string()));
        statusSink()(WideToOemText(text.toStdU16String()), kRed);
    }
}

void MainWindow::CheckTitle() {
    const CategorySelection selection{m_checkAll->isChecked(), categoryTicks()};
    const ShowStatusFn showStatus = statusSink();
    if (!RunCheck(m_context.state.check, m_context.state.matcher(), m_titleBox->toPlainText().toStdU16String(),
                  selection, showStatus)) {
        return;
    }
    ComposeReport(m_context.state.check, categoryTicks(), showStatus);
    showHighlights(m_context.state.check);
    m_highlightsFollowEdits = true;
    OpenReportWindow();
}

void MainWindow::showHighlights(const CheckState& check) {
    m_highlights = HighlightSpans(m_titleBox->toPlainText().toStdU16String(), check, m_context.state.library());
    ApplyHighlights(*m_titleBox, m_highlights);
}

void MainWindow::rematchTitle() {
    if (!m_highlightsFollowEdits) {
        return;
    }
    const CategorySelection selection{m_checkAll->isChecked(), categoryTicks()};
    // The same check on the same text; a refused title (empty, the placeholder) leaves no occurrences.
    ResetCheckState(m_editCheck);
    RunCheck(m_editCheck, m_context.state.matcher(), m_titleBox->toPlainText().toStdU16String(), selection,
             [](const AnsiText&, ColorRef) {});
    showHighlights(m_editCheck);
}

void MainWindow::OpenReportWindow() {
    if (m_report) {
        // An open window shows the report of the check just made, never one of an earlier title.
        m_report->setReport(m_context.state.check.checkReport);
        m_report->bringForward();
        return;
    }
    CheckState& check = m_context.state.check;
    m_report = new ReportWindow(this, check.checkReport, [&check] { ResetCheckState(check); });
    m_report->show();
}

} // namespace qingtan
