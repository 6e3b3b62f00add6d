// Rendered pictures checked against small stored baselines (tests/gui/baselines/<name>.png).
// A picture wider than `baselineWidth` is scaled down to it first, so that the stored files stay
// small. Two pictures match when at most a small share of their pixels differ by more than a
// small amount in some colour channel: antialiased edges and glyphs may come out a little
// differently on another machine, while Mesa's software renderer draws a fixed scene the same
// way every time.
//
// On a mismatch the picture as rendered (<name>.actual.png) and a map of the differing pixels
// (<name>.diff.png) go to the picture folder of the build. With NIVEAU_UPDATE_BASELINES=1 in
// the environment the pictures are stored as the new baselines instead of compared.
#pragma once

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

constexpr int baselineWidth = 320;

// The defaults let a patch of 4x4 pixels of the small picture through and fail one of 5x5, or
// a nut drawn in a wrong shade.
struct BaselineTolerance {
    int channel = 16;               // largest difference in one channel that still counts as equal
    double differingShare = 0.0003; // share of the pixels allowed to differ by more
};

testing::AssertionResult matchesBaseline(const QImage& picture, const QString& name,
                                         BaselineTolerance tolerance = {});
