#include "app/FramebufferImage.h"

#include <QOpenGLFramebufferObject>

#include <GL/gl.h>

QImage renderToImage(QSize pixels, int samples, const std::function<void()>& draw) {
    if (pixels.isEmpty() || !QOpenGLFramebufferObject::hasOpenGLFramebufferObjects()) return {};
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::Depth);
    format.setSamples(samples);
    // No alpha: the frame clears with alpha 0, which an image with alpha would read as clear.
    format.setInternalTextureFormat(GL_RGB8);
    QOpenGLFramebufferObject target(pixels, format);
    if (!target.isValid() || !target.bind()) return {};
    draw();
    QImage image = target.toImage(); // rows top first
    QOpenGLFramebufferObject::bindDefault();
    return image.convertToFormat(QImage::Format_RGB32);
}
