// What the program makes of the GL renderer it runs on.
#pragma once

#include <string_view>

// A software rasteriser (Mesa's llvmpipe or softpipe, and the like), told by its GL_RENDERER
// name. Such a renderer does every pixel on the processor, so multisampling costs it dearly.
bool isSoftwareRenderer(std::string_view renderer);

// How a frame's edges are smoothed: multisampling draws every pixel at four points and mixes
// them; the edge filter (app/frame/EdgeSmoothing.h) mixes the pixels of the finished frame
// along the edges it finds, which a software renderer can afford.
enum class SmoothingWay { Off, Multisampling, EdgeFilter };

// Multisampling on graphics hardware, the edge filter on a software renderer.
SmoothingWay smoothingWayFor(std::string_view renderer);

// Whether a frame of width x height smoothed the given way has smooth edges while the user has
// not chosen: on graphics hardware always; on a software renderer only by the edge filter and
// while the frame has at most `edgeFilterDefaultPixels`, up to which the filter keeps the frame
// rate at the display's 60 frames per second.
constexpr long edgeFilterDefaultPixels = 1280L * 1024;
bool smoothEdgesByDefault(std::string_view renderer, SmoothingWay way, int width, int height);
