#include "dialogs/CaptionGeometry.h"

#include <QPainter>

namespace {

constexpr int squareGap = 2;  // between the right-hand squares and before the right edge
constexpr int logoGap = 5;    // between the system button and the logo
constexpr int textGap = 5;    // between the logo and the caption text
constexpr int systemLeft = 1; // the system button's left edge
constexpr int logoDesignWidth = 45;
constexpr int logoDesignHeight = 16;

CaptionRamp makeRamp(bool active) {
    CaptionRamp ramp;
    for (int j = 0; j < 256; ++j) ramp[j] = active ? qRgb(j, j, 255) : qRgb(0, 0, 255 - j);
    return ramp;
}

// The logo scaled to the height of a caption square.
int logoWidth(int side) {
    return logoDesignWidth * side / logoDesignHeight;
}

// Left edge of the k-th square counted from the right edge (k = 0 is the close button).
int slotLeft(int width, int side, int k) {
    return width - squareGap - (k + 1) * side - k * squareGap;
}

bool allowed(CaptionButton button, CaptionFlags flags) {
    switch (button) {
    case CaptionButton::System:
        return flags.systemButton;
    case CaptionButton::Close:
        return true;
    case CaptionButton::Maximize:
        return flags.maximiseAllowed;
    case CaptionButton::Minimize:
        return flags.minimiseAllowed;
    case CaptionButton::Restore:
        return flags.restoreAllowed;
    }
    return false;
}

} // namespace

const CaptionRamp& activeCaptionRamp() {
    static const CaptionRamp ramp = makeRamp(true);
    return ramp;
}

const CaptionRamp& inactiveCaptionRamp() {
    static const CaptionRamp ramp = makeRamp(false);
    return ramp;
}

void paintCaptionRamp(QPainter& painter, const QRect& area, const CaptionRamp& ramp) {
    const int width = area.width();
    for (int j = 0; j < 255; ++j) {
        const int from = area.left() + j * width / 255;
        const int to = area.left() + (j + 1) * width / 255;
        if (to > from)
            painter.fillRect(from, area.top(), to - from, area.height(), QColor(ramp[j]));
    }
}

int captionBarHeight(int side) {
    return side + 6;
}

int logoLeft(int side) {
    return systemLeft + side + logoGap;
}

int captionTextLeft(int side) {
    return logoLeft(side) + logoWidth(side) + textGap;
}

int captionTextRight(int width, int side) {
    return slotLeft(width, side, 2) - squareGap;
}

std::vector<CaptionSquare> captionSquares(int width, int height, int side, ShownState state,
                                          CaptionFlags flags) {
    CaptionButton second = CaptionButton::Maximize;
    CaptionButton third = CaptionButton::Minimize;
    if (state == ShownState::Maximized) second = CaptionButton::Restore;
    if (state == ShownState::Minimized) third = CaptionButton::Restore;

    const int top = (height - side) / 2;
    std::vector<CaptionSquare> squares;
    if (flags.systemButton) squares.push_back({CaptionButton::System, systemLeft, top, side});
    const CaptionButton fromRight[] = {CaptionButton::Close, second, third};
    for (int k = 0; k < 3; ++k)
        if (allowed(fromRight[k], flags))
            squares.push_back({fromRight[k], slotLeft(width, side, k), top, side});
    return squares;
}

std::optional<CaptionButton> captionHit(const std::vector<CaptionSquare>& squares, QPoint point) {
    for (const CaptionSquare& s : squares)
        if (s.left < point.x() && point.x() < s.left + s.side && s.top < point.y() &&
            point.y() < s.top + s.side)
            return s.button;
    return std::nullopt;
}

Qt::Edges frameEdgesAt(QPoint point, QSize size, int border) {
    Qt::Edges edges;
    if (border <= 0) return edges;
    if (point.x() < border) edges |= Qt::LeftEdge;
    if (point.x() >= size.width() - border) edges |= Qt::RightEdge;
    if (point.y() < border) edges |= Qt::TopEdge;
    if (point.y() >= size.height() - border) edges |= Qt::BottomEdge;
    return edges;
}
