// The dialogs' objects, the About dialog, and the strings they show.
#include "search/dialogs/Dialogs.h"

#include "resources/resource.h"
#include "search/dialogs/DialogTemplates.h"
#include "search/dialogs/DialogText.h"

namespace tavrel {
namespace {

// Plain pointer, made on first use and freed at unload, so that the
// windows are gone before the model and the system's own teardown.
LexoraDialogs* g_dialogs = nullptr;

}  // namespace

LexoraDialogs& Dialogs() {
    if (g_dialogs == nullptr) {
        RegisterLexoraTemplates();
        g_dialogs = new LexoraDialogs();
    }
    return *g_dialogs;
}

void DestroyDialogs() noexcept {
    if (g_dialogs == nullptr) {
        return;
    }
    // The handlers still find the state while the windows go.
    try {
        g_dialogs->style.close(true);
        g_dialogs->about.close(true);
        g_dialogs->main.close(true);
    } catch (...) {
        // The library is going away; what could not be closed goes with it.
    }
    LexoraDialogs* dialogs = g_dialogs;
    g_dialogs = nullptr;
    delete dialogs;
}

void OpenAboutDialog(WindowHandle owner) {
    Uwindow& about = Dialogs().about;
    if (!about.isOpen()) {
        about.openModal(IDD_ABOUT, AboutDialogHandler, DialogModule(), owner);
        enableWindow(owner, true);
    }
}

std::uint32_t AboutDialogHandler(Uevent* event) {
    if (event == nullptr || event->window == nullptr) {
        return 0;
    }
    Uwindow& about = *event->window;
    if (event->eventClass == kEventWind && event->kind == kKindInitialised) {
        about.setWindow(event->message.window);
        about.show();
        return 1;
    }
    if (event->eventClass == kEventWind && event->kind == kKindDestroyed) {
        about.reset();
        return 1;
    }
    if (event->eventClass == kEventCntl && event->kind == kKindControlUsed) {
        about.close(false);
        return 1;
    }
    return 0;
}

}  // namespace tavrel
