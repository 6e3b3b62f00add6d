// Rendering into an image instead of a window: a framebuffer object of the given size (with a
// depth buffer, and multisampled when `samples` is above 0) is bound in the current GL context
// while `draw` runs, and its pixels come back as an image. The context's own framebuffer is bound
// again afterwards.
#pragma once

#include <QImage>
#include <QSize>

#include <functional>

// Needs a current context; an empty image where framebuffer objects are not available or the
// size cannot be allocated.
QImage renderToImage(QSize pixels, int samples, const std::function<void()>& draw);
