// How a dialog's static layout table is read: which row is the toolbar,
// which rows are its items, which rows become ordinary control records, and
// which tooltip text each toolbar item gets.
#pragma once

#include <cstddef>
#include <vector>

#include "text/DynString.h"
#include "ui/Ucontrol.h"

namespace tavrel {

struct BindingPlan {
    const ControlLayoutEntry* toolbar = nullptr;  // the first tbar row, if any
    std::vector<const ControlLayoutEntry*> toolbarItems;
    std::vector<const ControlLayoutEntry*> controls;  // everything else, in order
};
// The table ends at its first row of kind 0; a null table is empty.
BindingPlan PlanBinding(const ControlLayoutEntry* table);

// The toolbar's record: its row's id and flags plus the toolbar flag, and
// one part per item (kind and command id; separators get command id 0).
Ucontrol ToolbarRecord(const BindingPlan& plan);
bool IsToolbarSeparator(FourCharCode kind);

// The n-th ":"-separated field of fields becomes the tooltip of item part n.
void AssignTooltips(Ucontrol& toolbar, const DynString& fields);

// The dialog's toolbar record (the first with the toolbar flag), or null.
Ucontrol* FindToolbar(std::vector<Ucontrol>& controls);
// The toolbar's item part with that command id, or null.
UcontrolPart* ToolbarButton(Ucontrol& toolbar, std::uint32_t commandId);

}  // namespace tavrel
