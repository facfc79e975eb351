#include "LibrarySource.h"

#include "AppTexts.h"
#include "ConfirmationBox.h"
#include "LibraryFiles.h"
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
        controls.settings.write(OnlineSourceValue());
        setSelected(controls.online, true);
        return OnlineSourceValue();
    }
    const AnsiText value = controls.settings.read();
    if (value == LocalSourceValue()) {
        setSelected(controls.local, true);
    }
    if (value == OnlineSourceValue()) {
        setSelected(controls.online, true);
    }
    return value;
}

void ConfirmSwitchToLocal(const LibrarySourceControls& controls) {
    if (controls.settings.read() != OnlineSourceValue()) {
        return;
    }
    if (controls.confirmation.ask(controls.owner, SwitchToLocalQuestion(), SwitchCaption())) {
        controls.settings.write(LocalSourceValue());
        return;
    }
    setSelected(controls.local, false);
    setSelected(controls.online, true);
}

void ConfirmSwitchToOnline(const LibrarySourceControls& controls) {
    if (controls.settings.read() != LocalSourceValue()) {
        return;
    }
    if (controls.confirmation.ask(controls.owner, SwitchToOnlineQuestion(), SwitchCaption())) {
        controls.settings.write(OnlineSourceValue());
        return;
    }
    setSelected(controls.local, true);
    setSelected(controls.online, false);
}

void SaveLibrarySource(const LibrarySourceControls& controls) {
    if (controls.online.isChecked()) {
        controls.settings.write(OnlineSourceValue());
    }
    if (controls.local.isChecked()) {
        controls.settings.write(LocalSourceValue());
    }
}

} // namespace qingtan
