// The model's second base: it carries no behaviour the plug-in uses, but it
// keeps the model's layout and destructor chain as the shell expects.
#pragma once

namespace tavrel {

class StaticModel {
  public:
    StaticModel() = default;
    StaticModel(const StaticModel&) = delete;
    StaticModel& operator=(const StaticModel&) = delete;
    virtual ~StaticModel();
};

}  // namespace tavrel
