#include "LibrarySource.h"

#include "AppTexts.h"
#include "ConfirmationBox.h"
#include "SettingsFile.h"

#include <QRadioButton>

namespace qingtan {
namespace {

// Qt refuses to uncheck the checked button of an exclusive group; undoing a click must be able to.
void setSelected(QRadioButton& button, bool selected) {
    if (selected || !button.isChecked()) {
        button.setChecked(selected);
        return;
    }
    const bool exclusive = button.autoExclusive();
    button.setAutoExclusive(false);
    button.setChecked(false);
    button.setAutoExclusive(exclusive);
}

} // namespace

AnsiText RestoreLibrarySource(const LibrarySourceControls& controls) {
    if (!controls.settings.exists()) {
        controls.settings.write(ui::OnlineValue());
        setSelected(controls.online, true);
        return ui::OnlineValue();
    }
    const AnsiText value = controls.settings.read();
    if (value == ui::LocalValue()) {
        setSelected(controls.local, true);
    }
    if (value == ui::OnlineValue()) {
        setSelected(controls.online, true);
    }
    return value;
}

void ConfirmSwitchToLocal(const LibrarySourceControls& controls) {
    if (controls.settings.read() != ui::OnlineValue()) {
        return;
    }
    if (controls.confirmation.ask(controls.owner, ui::SwitchToLocalQuestion(), ui::SwitchCaption())) {
        controls.settings.write(ui::LocalValue());
        return;
    }
    setSelected(controls.local, false);
    setSelected(controls.online, true);
}

void ConfirmSwitchToOnline(const LibrarySourceControls& controls) {
    if (controls.settings.read() != ui::LocalValue()) {
        return;
    }
    if (controls.confirmation.ask(controls.owner, ui::SwitchToOnlineQuestion(), ui::SwitchCaption())) {
        controls.settings.write(ui::OnlineValue());
        return;
    }
    setSelected(controls.local, true);
    setSelected(controls.online, false);
}

void SaveLibrarySource(const LibrarySourceControls& controls) {
    if (controls.online.isChecked()) {
        controls.settings.write(ui::OnlineValue());
    }
    if (controls.local.isChecked()) {
        controls.settings.write(ui::LocalValue());
    }
}

} // namespace qingtan
