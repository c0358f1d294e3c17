// Parsing and running the actions of a dialog session script.
#include "sim/cli/DialogScript.h"

#include <nlohmann/json.hpp>

#include <strings.h>
#include <cstdio>
#include <sstream>

#include "plugin/EntryPoints.h"
#include "plugin/Library.h"
#include "plugin/model/Model.h"
#include "sim/host/Simulator.h"
#include "ui/DialogTemplate.h"
#include "ui/headless/Automation.h"

namespace tavrel::sim {
namespace {

namespace hl = tavrel::headless;

// Button styles (the low four bits) that make a check box, and the two of
// them that have a third state.
bool IsCheckBoxStyle(std::uint32_t style) {
    const std::uint32_t kind = style & 0xF;
    return kind == 2 || kind == 3 || kind == 5 || kind == 6;
}
bool IsThreeStateStyle(std::uint32_t style) {
    const std::uint32_t kind = style & 0xF;
    return kind == 5 || kind == 6;
}

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Splits off the first word of text; text keeps the rest, trimmed.
std::string NextWord(std::string& text) {
    const std::size_t end = text.find_first_of(" \t");
    std::string word = text.substr(0, end);
    text = end == std::string::npos ? std::string() : Trim(text.substr(end));
    return word;
}

std::string Quoted(const std::string& utf8) {
    return nlohmann::json(utf8).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

// The arguments of one action as the line gives them.
struct Action {
    std::string name;
    std::string rest;  // after the name, trimmed
    Uwindow* top = nullptr;
    const DialogTemplate* dialog = nullptr;
};

const char* KindName(FourCharCode kind) {
    static char name[5];
    for (int i = 0; i < 4; ++i) {
        name[i] = static_cast<char>((kind >> (24 - 8 * i)) & 0xFF);
    }
    name[4] = '\0';
    return name;
}

// The control of the template that the id names, or an error.
const DialogItemTemplate* FindItem(const DialogTemplate& dialog, std::int32_t id) {
    for (std::size_t i = 0; i < dialog.itemCount; ++i) {
        if (dialog.items[i].id == id) {
            return &dialog.items[i];
        }
    }
    return nullptr;
}

bool ClassIs(const DialogItemTemplate& item, const char* className) {
    return strcasecmp(item.className, className) == 0;
}

// Reads "ID" off the action and finds a control of the wanted sort; the
// sort's name is used in messages ("edit field", "check box", ...).
std::string TakeControl(Action& action, const char* sortName,
                        bool (*fits)(const DialogItemTemplate&), std::uint32_t& id) {
    const std::string word = NextWord(action.rest);
    char* end = nullptr;
    const long value = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || value < 1 || value > 0xFFFF) {
        return action.name + ": expected a control id, got \"" + word + "\"";
    }
    const DialogItemTemplate* item = FindItem(*action.dialog, static_cast<std::int32_t>(value));
    if (item == nullptr || !fits(*item)) {
        return "dialog " + std::to_string(action.dialog->id) + " has no " + sortName + " " + word;
    }
    id = static_cast<std::uint32_t>(value);
    return std::string();
}

bool IsEdit(const DialogItemTemplate& item) {
    return ClassIs(item, "Edit");
}
bool IsButton(const DialogItemTemplate& item) {
    return ClassIs(item, "Button") && (item.style & 0xF) != 7;  // not a group box
}
bool IsCheckBox(const DialogItemTemplate& item) {
    return ClassIs(item, "Button") && IsCheckBoxStyle(item.style);
}
bool IsTree(const DialogItemTemplate& item) {
    return ClassIs(item, "SysTreeView32");
}

// The JSON string that ends an action.
std::string TakeText(Action& action, UniversalString& text) {
    nlohmann::json value;
    try {
        value = nlohmann::json::parse(action.rest);
    } catch (const nlohmann::json::exception&) {
        value = nullptr;
    }
    if (!value.is_string()) {
        return action.name + ": expected a JSON string such as \"Allegro\", got " +
               (action.rest.empty() ? std::string("nothing") : action.rest);
    }
    text = UniversalString(value.get<std::string>());
    return std::string();
}

std::string NoMore(const Action& action) {
    return action.rest.empty() ? std::string()
                               : action.name + ": unexpected \"" + action.rest + "\"";
}

// A control a user cannot reach (disabled or hidden) ignores the action.
bool Reachable(const Uwindow& dialog, std::uint32_t id) {
    for (const hl::ControlState& control : hl::Describe(dialog).controls) {
        if (control.id == id) {
            return control.enabled && control.visible;
        }
    }
    return true;  // not bound: the template's own state decides
}

std::string DoType(Action& a) {
    std::uint32_t id = 0;
    UniversalString text;
    std::string error = TakeControl(a, "edit field", IsEdit, id);
    if (error.empty()) {
        error = TakeText(a, text);
    }
    if (error.empty() && Reachable(*a.top, id)) {
        hl::TypeText(*a.top, id, text);
    }
    return error;
}

std::string DoSet(Action& a) {
    std::uint32_t id = 0;
    std::string error = TakeControl(a, "check box", IsCheckBox, id);
    if (!error.empty()) {
        return error;
    }
    const int most =
        IsThreeStateStyle(FindItem(*a.dialog, static_cast<std::int32_t>(id))->style) ? 2 : 1;
    const std::string word = NextWord(a.rest);
    if (word.size() != 1 || word[0] < '0' || word[0] > '0' + most) {
        return "set: box " + std::to_string(id) + " takes 0 to " + std::to_string(most) +
               ", got \"" + word + "\"";
    }
    error = NoMore(a);
    if (error.empty() && Reachable(*a.top, id)) {
        hl::SetBox(*a.top, id, word[0] - '0');
    }
    return error;
}

std::string DoClick(Action& a) {
    std::uint32_t id = 0;
    std::string error = TakeControl(a, "button", IsButton, id);
    if (error.empty()) {
        error = NoMore(a);
    }
    if (error.empty() && Reachable(*a.top, id)) {
        hl::Click(*a.top, id);
    }
    return error;
}

std::string DoRow(Action& a, bool twice) {
    std::uint32_t id = 0;
    UniversalString text;
    std::string error = TakeControl(a, "tree", IsTree, id);
    if (error.empty()) {
        error = TakeText(a, text);
    }
    if (!error.empty() || !Reachable(*a.top, id)) {
        return error;
    }
    const bool found =
        twice ? hl::DoubleClickRow(*a.top, id, text) : hl::SelectRow(*a.top, id, text);
    return found ? std::string()
                 : "tree " + std::to_string(id) + " has no row " + Quoted(text.toUtf8());
}

std::string DoKey(Action& a) {
    static const struct {
        const char* name;
        hl::Key key;
    } kKeys[] = {{"tab", hl::Key::Tab},
                 {"enter", hl::Key::Enter},
                 {"escape", hl::Key::Escape},
                 {"delete", hl::Key::Delete}};
    const std::string word = NextWord(a.rest);
    for (const auto& k : kKeys) {
        if (word == k.name) {
            const std::string error = NoMore(a);
            if (error.empty()) {
                hl::PressKey(*a.top, k.key);
            }
            return error;
        }
    }
    return "key: expected tab, enter, escape or delete, got \"" + word + "\"";
}

std::string DoTick(Action& a) {
    const std::string error = NoMore(a);
    if (error.empty()) {
        for (Uwindow* dialog : hl::OpenDialogs()) {
            if (dialog->timerId != 0) {
                hl::FireTimer(*dialog);
            }
        }
    }
    return error;
}

std::string DoActivate(Action& a, bool active) {
    const std::string error = NoMore(a);
    if (error.empty()) {
        hl::SetActive(*a.top, active);
    }
    return error;
}

std::string DoClose(Action& a) {
    const std::string error = NoMore(a);
    if (error.empty()) {
        hl::CloseBox(*a.top);
    }
    return error;
}

std::string DoInvoke(Action& a) {
    const std::string error = NoMore(a);
    if (error.empty()) {
        NotavoExtensionInvoke(HostWindow(), 0, 0, 0);
    }
    return error;
}

std::string DoPrint(Action& a) {
    return NoMore(a);  // the runner prints
}

struct ActionRule {
    const char* name;
    bool needsDialog;
    std::string (*run)(Action&);
};

const ActionRule kActions[] = {
    {"type", true, DoType},
    {"set", true, DoSet},
    {"click", true, DoClick},
    {"select", true, [](Action& a) { return DoRow(a, false); }},
    {"dblclick", true, [](Action& a) { return DoRow(a, true); }},
    {"key", true, DoKey},
    {"tick", true, DoTick},
    {"activate", true, [](Action& a) { return DoActivate(a, true); }},
    {"deactivate", true, [](Action& a) { return DoActivate(a, false); }},
    {"invoke", false, DoInvoke},
    {"close", true, DoClose},
    {"print", false, DoPrint},
};

std::string DescribeControl(const hl::ControlState& c) {
    std::string line = "  " + std::to_string(c.id) + " " + KindName(c.kind);
    if (c.kind == kKindEtxt || c.kind == kKindStxt || c.kind == kKindPush) {
        line += " " + Quoted(c.text.toUtf8());
    } else if (c.kind == kKindCbox) {
        line += " value=" + Number(c.value);
    } else if (c.kind == kKindDatb) {
        line += " rows=" + std::to_string(c.rows.size()) +
                " selected=" + Quoted(c.selectedRow.toUtf8());
    }
    line += c.enabled ? " enabled" : " disabled";
    if (!c.visible) {
        line += " hidden";
    }
    return line + "\n";
}

}  // namespace

std::string DescribeOpenDialogs() {
    std::string text;
    for (const Uwindow* dialog : hl::OpenDialogs()) {
        const hl::DialogState state = hl::Describe(*dialog);
        text += "dialog " + std::to_string(state.templateId) + " " + Quoted(state.title.toUtf8()) +
                " " + std::to_string(state.width) + "x" + std::to_string(state.height) +
                " opacity=" + Number(state.opacity) + (state.visible ? "" : " hidden") + "\n";
        for (const hl::ControlState& control : state.controls) {
            text += DescribeControl(control);
        }
    }
    return text;
}

void StartPluginAsHost() {
    OnLibraryLoad(nullptr);
    NotavoExtensionVersion(0);
    std::uint32_t unused = 0;
    NotavoExtensionInit(0, &unused);
    unsigned char item[0xCE];
    for (std::int16_t index = 0; NotavoExtensionEnumerate(nullptr, index, item) != 0; ++index) {
    }
    NotavoExtensionInvoke(HostWindow(), 0, 0, 0);
}

void StopPluginAsHost() {
    NotavoExtensionTerminate(0);
    OnLibraryUnload();
}

DialogScript::DialogScript(std::string name, std::vector<std::string> lines, std::ostream& out)
    : name_(std::move(name)), lines_(std::move(lines)), out_(out) {
    alertsPrinted_ = Simulator::Instance().GetJournal().Alerts().size();
    hl::SetModalDriver([this](Uwindow& modal) { RunLines(&modal); });
}

DialogScript::~DialogScript() {
    hl::SetModalDriver(nullptr);
}

bool DialogScript::Run() {
    RunLines(nullptr);
    return error_.empty();
}

void DialogScript::RunLines(const Uwindow* modal) {
    while (error_.empty() && next_ < lines_.size() && (modal == nullptr || modal->isOpen())) {
        const std::string line = lines_[next_++];
        if (Execute(line)) {
            PrintNewAlerts();
        }
    }
}

bool DialogScript::Execute(const std::string& line) {
    Action action;
    action.rest = Trim(line);
    if (action.rest.empty() || action.rest[0] == '#') {
        return true;  // blank lines and comments
    }
    action.name = NextWord(action.rest);
    for (const ActionRule& rule : kActions) {
        if (action.name != rule.name) {
            continue;
        }
        // A hidden dialog (the main one after its close box) is not there
        // for the user.
        action.top = hl::TopDialog();
        if (action.top != nullptr && hl::Describe(*action.top).visible) {
            action.dialog = FindDialogTemplate(hl::TemplateIdOf(*action.top));
        }
        if (rule.needsDialog && action.dialog == nullptr) {
            return Fail(action.name + ": no dialog is open");
        }
        const std::string error = rule.run(action);
        if (!error.empty()) {
            return Fail(error);
        }
        if (action.name == "print") {
            out_ << DescribeOpenDialogs();
        }
        return true;
    }
    return Fail("unknown action \"" + action.name +
                "\" (see notavo-sim dialog --help for the actions)");
}

void DialogScript::PrintNewAlerts() {
    const std::vector<std::string> alerts = Simulator::Instance().GetJournal().Alerts();
    for (; alertsPrinted_ < alerts.size(); ++alertsPrinted_) {
        out_ << alerts[alertsPrinted_] << "\n";
    }
}

bool DialogScript::Fail(const std::string& what) {
    if (error_.empty()) {
        error_ = name_ + ":" + std::to_string(next_) + ": " + what;
    }
    return false;
}

}  // namespace tavrel::sim
