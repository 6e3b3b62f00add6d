// Where a point of the chamber frame lands on the view, computed with the same camera and
// projection as the frame render, so rendering tests can probe the pixels of a given part.
#pragma once

#include "scene/SceneState.h"

#include <QMatrix4x4>
#include <QPoint>
#include <QSize>
#include <QVector3D>

inline QPoint projectChamberPoint(const SceneState& s, QVector3D point, QSize view) {
    QMatrix4x4 projection;
    projection.perspective(15, float(view.width()) / float(view.height()), 1000, 10000);
    QMatrix4x4 camera;
    camera.translate(s.cameraPanX, s.cameraPanY, -2000);
    camera.scale(s.zoom * 0.02f);
    camera.rotate(s.cameraRotX, 1, 0, 0);
    camera.rotate(s.cameraRotY, 0, 1, 0);
    camera.rotate(s.cameraRotZ, 0, 0, 1);
    camera.translate(0, -200, 0); // the assembly's placement
    const QVector3D ndc = (projection * camera).map(point);
    return {int((ndc.x() + 1) / 2 * view.width()), int((1 - ndc.y()) / 2 * view.height())};
}

// Where a point given in eye coordinates (as the read-outs are placed) lands on the view.
inline QPoint projectEyePoint(QVector3D point, QSize view) {
    QMatrix4x4 projection;
    projection.perspective(15, float(view.width()) / float(view.height()), 1000, 10000);
    const QVector3D ndc = projection.map(point);
    return {int((ndc.x() + 1) / 2 * view.width()), int((1 - ndc.y()) / 2 * view.height())};
}
