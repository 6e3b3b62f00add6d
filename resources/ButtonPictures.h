// The pictures of the 25 x 25 image buttons, drawn in code: start, stop, the level demo's
// start and stop, zoom in and zoom out, each also in a highlighted version for hover.
#pragma once

#include "core/Controls.h"

#include <QPixmap>

// At `ratio` device pixels per pixel, so that it is sharp on a high-density screen.
QPixmap buttonPicture(ButtonPicture picture, bool highlighted, qreal ratio = 1);
