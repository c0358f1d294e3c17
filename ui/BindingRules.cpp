// Layout-table reading and toolbar records.
#include "ui/BindingRules.h"

namespace tavrel {

BindingPlan PlanBinding(const ControlLayoutEntry* table) {
    BindingPlan plan;
    if (table == nullptr) {
        return plan;
    }
    for (const ControlLayoutEntry* row = table; row->kind != 0; ++row) {
        if (row->kind == kKindTbar && plan.toolbar == nullptr) {
            plan.toolbar = row;
        } else if (plan.toolbar != nullptr && (row->flags & kLayoutToolbarItem) != 0) {
            plan.toolbarItems.push_back(row);
        } else if (row->kind != kKindTbar) {
            plan.controls.push_back(row);
        }
    }
    return plan;
}

bool IsToolbarSeparator(FourCharCode kind) {
    return kind == kKindSepa || kind == kKindSpce || kind == kKindFlsp;
}

Ucontrol ToolbarRecord(const BindingPlan& plan) {
    Ucontrol record;
    if (plan.toolbar == nullptr) {
        return record;
    }
    record.id = plan.toolbar->id;
    record.kind = kKindTbar;
    record.flags = plan.toolbar->flags | kControlToolbar;
    for (const ControlLayoutEntry* item : plan.toolbarItems) {
        UcontrolPart part;
        part.kind = item->kind;
        part.id = IsToolbarSeparator(item->kind) ? 0 : item->id;
        record.parts.push_back(part);
    }
    return record;
}

void AssignTooltips(Ucontrol& toolbar, const DynString& fields) {
    const std::uint32_t count = fields.fieldCount(':');
    for (std::uint32_t n = 1; n <= count && n < toolbar.parts.size(); ++n) {
        toolbar.parts[n].tooltip = fields.field(n, ':');
    }
}

Ucontrol* FindToolbar(std::vector<Ucontrol>& controls) {
    for (Ucontrol& control : controls) {
        if ((control.flags & kControlToolbar) != 0) {
            return &control;
        }
    }
    return nullptr;
}

UcontrolPart* ToolbarButton(Ucontrol& toolbar, std::uint32_t commandId) {
    if (commandId == 0) {
        return nullptr;
    }
    for (std::size_t i = 1; i < toolbar.parts.size(); ++i) {
        if (toolbar.parts[i].id == commandId) {
            return &toolbar.parts[i];
        }
    }
    return nullptr;
}

}  // namespace tavrel
