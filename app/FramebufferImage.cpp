#include "app/FramebufferImage.h"

#include <QOpenGLFramebufferObject>

QImage renderToImage(QSize pixels, const std::function<void()>& draw) {
    if (pixels.isEmpty() || !QOpenGLFramebufferObject::hasOpenGLFramebufferObjects()) return {};
    QOpenGLFramebufferObject target(pixels, QOpenGLFramebufferObject::Depth);
    if (!target.isValid() || !target.bind()) return {};
    draw();
    QImage image = target.toImage(false);
    QOpenGLFramebufferObject::bindDefault();
    return image.convertToFormat(QImage::Format_RGB32);
}
