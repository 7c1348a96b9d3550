#pragma once
// The toolbar pictures, drawn once in a 32-unit design space and rendered at the large (32 px)
// and small (16 px) icon sizes; the disabled forms are the enabled ones greyed.
#include "table/resource_names.h"

#include <QImage>

namespace tablamor::art {

// `scale` times the icon size, for screens of a higher device pixel ratio.
QImage ToolbarIcon(ToolbarButton button, bool large, bool disabled, int scale = 1);

} // namespace tablamor::art
