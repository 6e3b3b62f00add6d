// The GL 1.1 and GLU calls of the frame, the read-outs and the type picture, carried out on
// OpenGL ES 3.0 (and so on WebGL 2). A program links this library where it would link libGL and
// libGLU; the drawing code stays as it is. The caller makes the ES context; the layer draws into
// whatever framebuffer is bound in it.
#pragma once

#include "gles/EsFunctions.h"
#include "gles/Reports.h"

namespace gles {

// Starts the layer on the ES 3.0 context current on this thread: loads the ES functions through
// `load`, builds the shader pair and the buffers, and puts GL 1.1's initial state in place. From
// then on the GL 1.1 functions draw into that context. False, with the reason reported, where a
// function is missing or the shaders do not build. Reports, of this and of every call the layer
// does not carry out, go to `sink`, by default to standard error.
bool StartLayer(EsProcLoader load, ReportSink sink = {});

// Draws what is pending and frees the layer's ES objects; the same context must be current.
// The GL 1.1 functions do nothing afterwards.
void StopLayer();

} // namespace gles
