// Where the part labels stand: one panel per part the view shows, in columns beside the model,
// clear of each other, of the read-outs and of the controls over the view, and the leader lines
// from the panels to the parts.
#pragma once

#include "overlay/gl/PartLabelProjection.h"

#include <array>
#include <string>
#include <vector>

// The labels' texts in the interface language, UTF-8, in the order of LabelledPart.
using PartLabelTexts = std::array<std::string, labelledPartCount>;

// A label's measures in the plane before it is scaled to fit: the character cell; the step from
// one character to the next, six of the cell's eight columns, as the glyphs' ink stands in
// columns 1 .. 5 and one empty column parts neighbours; the black text window's margin round
// the text and the grey frame round that.
constexpr float labelCell = 8;
constexpr float labelAdvance = 0.75f;
constexpr float labelTextMargin = 1;
constexpr float labelFrame = 1.2f;

// One label as the frame draws it, in the plane of the read-outs.
struct PlacedLabel {
    LabelledPart part = LabelledPart::Chamber;
    std::string text; // in the font's character codes
    float left = 0, bottom = 0, width = 0, height = 0;
    float scale = 1;                 // of the measures above
    std::vector<PlanePoint> anchors; // the projections of the part's anchors in the view
};

// Where the leader line to the anchor leaves the panel: the middle of its side towards the anchor.
PlanePoint lineStart(const PlacedLabel& label, PlanePoint anchor);

// A part of the view the labels keep clear of (the controls a window shows over it), in
// fractions of the view's width and height from its top left corner.
struct ViewRegion {
    float left, top, right, bottom;
};

// The labels of the parts the view shows an anchor or a stand-in of, in two columns left and
// right of the model's projected extent (one column where two do not fit side by side), stacked
// so that they never overlap, inside the view and clear of the read-outs and of the areas given;
// of the ways to share them between the columns, the one whose leader lines tangle least.
std::vector<PlacedLabel> layoutPartLabels(const SceneState& state, const PartLabelTexts& texts,
                                          int clientWidth, int clientHeight,
                                          const std::vector<ViewRegion>& keepClear = {});

// A title of the font's character codes in the middle of the view's bottom edge: a label without
// leader lines, twice a label's size where the view is wide enough, smaller where it is not.
PlacedLabel placeViewTitle(const std::string& codes, int clientWidth, int clientHeight);
