#pragma once

#include "TextTypes.h"

class QRadioButton;
class QWidget;

namespace qingtan {

class ConfirmationBox;
class SettingsFile;

// What the library-source operations work on: the settings file, the two radio buttons of the main window, and
// the confirmation box owned by that window.
struct LibrarySourceControls {
    const SettingsFile& settings;
    QRadioButton& online;
    QRadioButton& local;
    ConfirmationBox& confirmation;
    QWidget* owner;
};

// Start-up: creates 配置.ini holding 在线词库 when it is missing, and selects the radio button of the stored value
// (none for any other value, which stays in the file). Returns the value the program starts with.
AnsiText RestoreLibrarySource(const LibrarySourceControls& controls);

// Click handlers of the radio buttons, run after the click has moved the selection. A switch away from the stored
// value asks for confirmation: OK stores the new value, Cancel puts the selection back. Any other stored value
// (empty, foreign, or already the clicked one) leaves everything as the click made it.
void ConfirmSwitchToLocal(const LibrarySourceControls& controls);
void ConfirmSwitchToOnline(const LibrarySourceControls& controls);

// Main window closing: stores the selected button's value; writes nothing when neither is selected.
void SaveLibrarySource(const LibrarySourceControls& controls);

} // namespace qingtan
