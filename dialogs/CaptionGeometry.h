// The geometry of the painted caption bar: its two colour ramps, where the button squares sit for
// a given width, window state and set of allowed buttons, which square a click hits, and which
// window edges lie under the pointer for resizing.
#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <array>
#include <optional>
#include <vector>

class QPainter;

enum class CaptionButton { System, Close, Maximize, Minimize, Restore };
enum class ShownState { Normal, Maximized, Minimized };

struct CaptionFlags {
    bool systemButton = true;
    bool minimiseAllowed = true;
    bool maximiseAllowed = true;
    bool restoreAllowed = true;
};

// A button square. Its border runs along x = left, x = left + side, y = top and y = top + side;
// only points strictly inside hit it.
struct CaptionSquare {
    CaptionButton button;
    int left;
    int top;
    int side;
    bool operator==(const CaptionSquare&) const = default;
};

using CaptionRamp = std::array<QRgb, 256>;

// Active: (j, j, 255), blue to white. Inactive: (0, 0, 255 - j), blue to black.
const CaptionRamp& activeCaptionRamp();
const CaptionRamp& inactiveCaptionRamp();

// Entries 0..254 stretched over the rectangle from left to right.
void paintCaptionRamp(QPainter& painter, const QRect& area, const CaptionRamp& ramp);

int captionBarHeight(int side);
int logoLeft(int side);
// The caption text runs from after the logo to just left of the third square from the right.
int captionTextLeft(int side);
int captionTextRight(int width, int side);

// The squares shown: the system button at the left, then from the right edge leftwards the
// close button and two squares whose pictures depend on the window state.
std::vector<CaptionSquare> captionSquares(int width, int height, int side, ShownState state,
                                          CaptionFlags flags);
std::optional<CaptionButton> captionHit(const std::vector<CaptionSquare>& squares, QPoint point);

// The window edges within `border` pixels of the point (none when it is further inside).
Qt::Edges frameEdgesAt(QPoint point, QSize size, int border);
