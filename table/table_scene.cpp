#include "table/table_scene.h"

namespace tablamor::table {

layout::TableGeometry TableScene::Geometry(bool untidy) const {
    layout::TableGeometry geometry(positions, *table, *params, steps, card);
    if (untidy) geometry.SetUntidy(&untidyShifts);
    return geometry;
}

} // namespace tablamor::table
