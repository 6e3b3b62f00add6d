// The caption-bar pictures, drawn in code and looked up by name: the logo "KeLo45x16" and the
// button images "MINIMIZE", "MAXIMIZE", "RESTORE", "CLOSE" and "SYSTEM". The buttons take their
// face colours from the palette, so a colour change asks for them again.
#pragma once

#include <QPalette>
#include <QPixmap>
#include <QString>

// The named picture at the given height (buttons are square, the logo 45 x 16 in proportion),
// drawn at `ratio` device pixels per pixel; a null pixmap for an unknown name.
QPixmap captionPicture(const QString& name, int height, const QPalette& palette, qreal ratio = 1);
