// Anchors the second base's virtual table in one object file.
#include "plugin/model/StaticModel.h"

namespace tavrel {

StaticModel::~StaticModel() = default;

}  // namespace tavrel
