#include "overlay/gl/PartLabelLayout.h"

#include "app/frame/FrameRender.h"
#include "overlay/gl/GlyphPatterns.h"

#include <algorithm>
#include <cmath>

namespace {

// The space between labels, from the model and from the view's edge, at scale 1.
constexpr float labelGap = 3;
constexpr float modelGap = 12;
constexpr float viewMargin = 6;

// The read-outs' panels at the right of the view (Readouts.cpp): transmitter 125 .. 195, upper
// switch 90 .. 125, lower switch 55 .. 90, each 50 left and 35 right of their anchor.
std::optional<PlaneBox> readoutsBox(const SceneState& s, int clientWidth, int clientHeight) {
    if (!s.transmitterVisible && !s.switch1Visible && !s.switch2Visible) return std::nullopt;
    const float anchorX = readoutAnchorX(clientWidth, clientHeight);
    const float bottom = s.switch2Visible ? 55 : s.switch1Visible ? 90 : 125;
    const float top = s.transmitterVisible ? 195 : s.switch1Visible ? 125 : 90;
    return PlaneBox{anchorX - 50, anchorX + 35, bottom, top};
}

float textWidth(std::size_t characters) {
    return characters == 0 ? 0 : (float(characters - 1) * labelAdvance + 1) * labelCell;
}

float naturalWidth(const PlacedLabel& label) {
    return textWidth(label.text.size()) + 2 * (labelTextMargin + labelFrame);
}
constexpr float naturalHeight = labelCell + 2 * (labelTextMargin + labelFrame);

struct Stretch {
    float bottom, top;
};

// The longest stretch of the view's height that the obstacles standing across left .. right
// leave free, each kept `gap` away.
Stretch freeStretch(const PlaneBox& view, const std::vector<PlaneBox>& obstacles, float left,
                    float right, float gap) {
    std::vector<Stretch> blocked;
    for (const PlaneBox& o : obstacles)
        if (left < o.right && right > o.left) blocked.push_back({o.bottom - gap, o.top + gap});
    std::sort(blocked.begin(), blocked.end(),
              [](const Stretch& a, const Stretch& b) { return a.bottom < b.bottom; });
    const float top = view.top - viewMargin;
    Stretch longest{0, 0};
    float from = view.bottom + viewMargin;
    const auto offer = [&](float to) {
        if (to - from > longest.top - longest.bottom) longest = {from, to};
    };
    for (const Stretch& b : blocked) {
        offer(std::min(b.bottom, top));
        from = std::max(from, b.top);
    }
    offer(top);
    return longest;
}

// The scale at which the widest label fits across the view and all labels stacked in one column
// fit between the obstacles across the whole view.
float fitScale(const std::vector<PlacedLabel>& labels, const PlaneBox& view,
               const std::vector<PlaneBox>& obstacles) {
    float widest = 0;
    for (const PlacedLabel& label : labels) widest = std::max(widest, naturalWidth(label));
    const float count = float(labels.size());
    const float stack = count * naturalHeight + (count - 1) * labelGap;
    const float across = view.right - view.left - 2 * viewMargin;
    const Stretch down = freeStretch(view, obstacles, view.left, view.right, labelGap);
    return std::max(0.0f, std::min({1.0f, across / widest, (down.top - down.bottom) / stack}));
}

float meanX(const PlacedLabel& label) {
    float sum = 0;
    for (const PlanePoint& a : label.anchors) sum += a.x;
    return sum / float(label.anchors.size());
}

float meanY(const PlacedLabel& label) {
    float sum = 0;
    for (const PlanePoint& a : label.anchors) sum += a.y;
    return sum / float(label.anchors.size());
}

float widestOf(const std::vector<PlacedLabel*>& column) {
    float widest = 0;
    for (const PlacedLabel* label : column) widest = std::max(widest, label->width);
    return widest;
}

// What the columns are placed in: the view, the model's extent in it, what they keep clear of
// (the read-outs and the controls over the view), and the scale of the labels.
struct Surroundings {
    PlaneBox view, extent;
    std::vector<PlaneBox> obstacles;
    float scale;
};

// The edge of a column that faces the model: the right edge of the left column, the left edge
// of the right one, kept so that its widest label stays inside the view.
float columnEdge(bool leftColumn, float widest, const Surroundings& around) {
    const PlaneBox& view = around.view;
    const float low = view.left + viewMargin, high = view.right - viewMargin;
    const float gap = modelGap * around.scale;
    if (leftColumn) return std::clamp(around.extent.left - gap, low + widest, high);
    return std::clamp(around.extent.right + gap, low, high - widest);
}

// Stacks a column's labels from the top, each as near its anchors' height as the labels above
// leave room for, then pushes them up from the bottom where they ran out of the range.
void stack(std::vector<PlacedLabel*>& column, float bottom, float top, float gap) {
    std::sort(column.begin(), column.end(),
              [](const PlacedLabel* a, const PlacedLabel* b) { return meanY(*a) > meanY(*b); });
    float ceiling = top;
    for (PlacedLabel* label : column) {
        label->bottom = std::min(meanY(*label) - label->height / 2, ceiling - label->height);
        ceiling = label->bottom - gap;
    }
    float floor = bottom;
    for (auto it = column.rbegin(); it != column.rend(); ++it) {
        (*it)->bottom = std::max((*it)->bottom, floor);
        floor = (*it)->bottom + (*it)->height + gap;
    }
}

// Places one column beside the model and stacks it in the longest stretch the obstacles it
// meets leave free.
void placeColumn(std::vector<PlacedLabel*>& column, bool leftColumn, const Surroundings& around) {
    if (column.empty()) return;
    const float widest = widestOf(column);
    const float edge = columnEdge(leftColumn, widest, around);
    const float left = leftColumn ? edge - widest : edge;
    const float gap = labelGap * around.scale;
    const Stretch free = freeStretch(around.view, around.obstacles, left, left + widest, gap);
    stack(column, free.bottom, free.top, gap);
    for (PlacedLabel* label : column) label->left = leftColumn ? edge - label->width : edge;
}

// Places the labels whose bit is set in `leftSide` in the left column, the others in the right;
// false where the two columns would meet.
bool placeSides(std::vector<PlacedLabel>& labels, unsigned leftSide, const Surroundings& around) {
    std::vector<PlacedLabel*> left, right;
    for (std::size_t i = 0; i < labels.size(); ++i)
        (leftSide >> i & 1u ? left : right).push_back(&labels[i]);
    if (!left.empty() && !right.empty() &&
        columnEdge(true, widestOf(left), around) >
            columnEdge(false, widestOf(right), around) - labelGap * around.scale)
        return false;
    placeColumn(left, true, around);
    placeColumn(right, false, around);
    return true;
}

float cross(PlanePoint o, PlanePoint a, PlanePoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The segments a-b and c-d cross each other (touching does not count).
bool crosses(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint d) {
    return cross(a, b, c) * cross(a, b, d) < 0 && cross(c, d, a) * cross(c, d, b) < 0;
}

bool covers(const PlacedLabel& label, PlanePoint p) {
    return p.x > label.left && p.x < label.left + label.width && p.y > label.bottom &&
           p.y < label.bottom + label.height;
}

bool runsThrough(PlanePoint a, PlanePoint b, const PlacedLabel& label) {
    const float x0 = label.left, x1 = label.left + label.width;
    const float y0 = label.bottom, y1 = label.bottom + label.height;
    const PlanePoint corners[] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    if (covers(label, a) || covers(label, b)) return true;
    for (int i = 0; i < 4; ++i)
        if (crosses(a, b, corners[i], corners[(i + 1) % 4])) return true;
    return false;
}

// How hard the labels are to follow: leader lines that cross each other or run through another
// label, and labels over their own anchors, count most, then the length of all lines.
float clutter(const std::vector<PlacedLabel>& labels) {
    constexpr float tanglePenalty = 10000;
    float score = 0;
    for (std::size_t i = 0; i < labels.size(); ++i)
        for (const PlanePoint& a : labels[i].anchors) {
            const PlanePoint start = lineStart(labels[i], a);
            score += std::hypot(a.x - start.x, a.y - start.y);
            if (covers(labels[i], a)) score += tanglePenalty;
            for (std::size_t j = 0; j < labels.size(); ++j) {
                if (j == i) continue;
                if (runsThrough(start, a, labels[j])) score += tanglePenalty;
                if (j < i) continue; // each pair of lines once
                for (const PlanePoint& b : labels[j].anchors)
                    if (crosses(start, a, lineStart(labels[j], b), b)) score += tanglePenalty;
            }
        }
    return score;
}

} // namespace

PlanePoint lineStart(const PlacedLabel& label, PlanePoint anchor) {
    const bool towardsLeft = anchor.x < label.left + label.width / 2;
    return {towardsLeft ? label.left : label.left + label.width, label.bottom + label.height / 2};
}

std::vector<PlacedLabel> layoutPartLabels(const SceneState& state, const PartLabelTexts& texts,
                                          int clientWidth, int clientHeight,
                                          const std::vector<ViewRegion>& keepClear) {
    const PlaneBox view = planeView(clientWidth, clientHeight);
    if (view.right <= 0) return {}; // a window without width shows nothing
    const std::vector<ShownPart> parts = shownParts(state);
    std::vector<PlacedLabel> labels;
    for (const ShownPart& part : parts) {
        PlacedLabel label;
        label.part = part.part;
        label.text = fontCodes(texts[std::size_t(part.part)]);
        const auto shown = [&](Point3 point) {
            const auto p = projectToPlane(state, part.placement, point);
            return p && view.holds(*p) ? p : std::nullopt;
        };
        for (const Point3& anchor : part.anchors)
            if (const auto p = shown(anchor)) label.anchors.push_back(*p);
        if (label.anchors.empty() && part.standIn)
            if (const auto p = nearestToMiddle(state, part.placement, *part.standIn, view))
                label.anchors.push_back(*p);
        if (!label.anchors.empty()) labels.push_back(std::move(label));
    }
    if (labels.empty()) return labels;

    std::vector<PlaneBox> obstacles;
    if (const auto readouts = readoutsBox(state, clientWidth, clientHeight))
        obstacles.push_back(*readouts);
    const float width = view.right - view.left, height = view.top - view.bottom;
    for (const ViewRegion& area : keepClear)
        obstacles.push_back({view.left + area.left * width, view.left + area.right * width,
                             view.top - area.bottom * height, view.top - area.top * height});
    const float scale = fitScale(labels, view, obstacles);
    for (PlacedLabel& label : labels) {
        label.scale = scale;
        label.width = naturalWidth(label) * scale;
        label.height = naturalHeight * scale;
    }

    // Of all ways to share the labels between the two sides, the one whose leader lines tangle
    // least and are shortest; first the one that puts each label on the side of its anchors,
    // which wins a tie.
    const Surroundings around{view, modelExtent(state, parts, view), obstacles, scale};
    const float middle = (around.extent.left + around.extent.right) / 2;
    unsigned natural = 0;
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (meanX(labels[i]) < middle) natural |= 1u << i;
    std::vector<unsigned> choices{natural};
    for (unsigned leftSide = 0; leftSide < 1u << labels.size(); ++leftSide)
        if (leftSide != natural) choices.push_back(leftSide);
    std::vector<PlacedLabel> best;
    float bestClutter = 0;
    for (const unsigned leftSide : choices) {
        std::vector<PlacedLabel> trial = labels;
        if (!placeSides(trial, leftSide, around)) continue;
        const float score = clutter(trial);
        if (best.empty() || score < bestClutter) {
            best = std::move(trial);
            bestClutter = score;
        }
    }
    return best;
}

PlacedLabel placeViewTitle(const std::string& codes, int clientWidth, int clientHeight) {
    constexpr float largestTitleScale = 2;
    const PlaneBox view = planeView(clientWidth, clientHeight);
    PlacedLabel title;
    title.text = codes;
    const float across = view.right - view.left - 2 * viewMargin;
    title.scale = std::max(0.0f, std::min(largestTitleScale, across / naturalWidth(title)));
    title.width = naturalWidth(title) * title.scale;
    title.height = naturalHeight * title.scale;
    title.left = (view.left + view.right - title.width) / 2;
    title.bottom = view.bottom + 2 * viewMargin;
    return title;
}
