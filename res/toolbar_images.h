#pragma once
#include <QImage>

namespace res {

// The picture of a toolbar command (one of the nineteen button ids), drawn
// at width x height device pixels on a transparent ground. A null image for
// any other id.
QImage ToolbarImage(int commandId, int width, int height);

}  // namespace res
