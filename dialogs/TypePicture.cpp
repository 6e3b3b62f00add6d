#include "dialogs/TypePicture.h"

#include "app/FramebufferImage.h"
#include "app/frame/TypePictureRender.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPainter>

TypePicture::TypePicture(QWidget* parent) : QWidget(parent) {}

TypePicture::~TypePicture() = default;

void TypePicture::showChamberOf(const SceneState& state) {
    scene = state;
    stale = true;
    update();
}

QImage TypePicture::grabFramebuffer() {
    if (stale) render();
    return picture;
}

void TypePicture::paintEvent(QPaintEvent*) {
    if (stale) render();
    QPainter painter(this);
    painter.drawImage(rect(), picture);
}

void TypePicture::render() {
    stale = false;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (!context) {
        QSurfaceFormat format;
        format.setDepthBufferSize(24);
        surface = std::make_unique<QOffscreenSurface>();
        surface->setFormat(format);
        surface->create();
        context = std::make_unique<QOpenGLContext>();
        context->setFormat(format);
        context->create();
    }
    if (!context->makeCurrent(surface.get())) return;
    picture = renderToImage(pixels, 0,
                            [&] { RenderTypePicture(scene, pixels.width(), pixels.height()); });
    picture.setDevicePixelRatio(ratio);
    context->doneCurrent();
}
