// Driving the headless dialogs as a user would, for tests and for
// `notavo-sim dialog`: find the dialog on top, type, tick, click, select
// tree rows, press keys, fire the timer, and answer modal dialogs. Each
// action goes through the same toolkit events a real window would produce.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "text/UniversalString.h"
#include "ui/Uwindow.h"

namespace tavrel::headless {

// Open dialogs, the one on top first.
std::vector<Uwindow*> OpenDialogs();
// The visible dialog on top; a hidden one only when none is visible.
Uwindow* TopDialog();
// The open dialog made from that template, or null.
Uwindow* FindDialog(std::uint16_t templateId);
std::uint16_t TemplateIdOf(const Uwindow& dialog);

// Each returns false when the dialog has no such control (or it is of the
// wrong sort); nothing happens then.
bool TypeText(Uwindow& dialog, std::uint32_t id, const UniversalString& text);
bool SetBox(Uwindow& dialog, std::uint32_t id, int value);  // no command sent
// An automatic check box or radio button also changes its state, as the
// system's own does; a disabled or hidden control ignores the click.
bool Click(Uwindow& dialog, std::uint32_t id);
bool SelectRow(Uwindow& dialog, std::uint32_t treeId, const UniversalString& text);
bool DoubleClickRow(Uwindow& dialog, std::uint32_t treeId, const UniversalString& text);
enum class Key { Tab, Enter, Escape, Delete };
bool PressKey(Uwindow& dialog, Key key);
void FireTimer(Uwindow& dialog);
void SetActive(Uwindow& dialog, bool active);
// The caption's close box.
void CloseBox(Uwindow& dialog);

// What openModal does while its dialog is up: the driver acts on the modal
// dialog (it is on top) until it closes. A driver that returns with the
// dialog still open leaves it to be cancelled, so no session can hang.
using ModalDriver = std::function<void(Uwindow& modal)>;
void SetModalDriver(ModalDriver driver);

// What a user sees of one control, for printing and assertions.
struct ControlState {
    std::uint32_t id = 0;
    FourCharCode kind = 0;  // as the layout table gives it
    UniversalString text;
    double value = 0;
    bool enabled = true;
    bool visible = true;
    std::vector<UniversalString> rows;  // tree rows in order
    UniversalString selectedRow;
    std::vector<std::uint32_t> rowItems;  // the owner's item id of each row
    std::uint32_t selectedItem = 0;
};
struct DialogState {
    std::uint16_t templateId = 0;
    UniversalString title;
    std::int32_t width = 0, height = 0;  // pixels
    float opacity = 1.0f;
    bool visible = true;
    std::vector<ControlState> controls;  // bound controls in layout-table order
};
DialogState Describe(const Uwindow& dialog);

}  // namespace tavrel::headless
