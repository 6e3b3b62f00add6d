#include "Baseline.h"

#include <QColor>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

QString baselinePath(const QString& name) {
    return QString(BASELINE_DIR) + "/" + name + ".png";
}

QString picturePath(const QString& name) {
    QDir().mkpath(PICTURE_DIR);
    return QString(PICTURE_DIR) + "/" + name + ".png";
}

bool updatingBaselines() {
    const char* update = std::getenv("NIVEAU_UPDATE_BASELINES");
    return update && std::string(update) == "1";
}

QImage comparable(const QImage& picture) {
    QImage image = picture.width() > baselineWidth
                       ? picture.scaledToWidth(baselineWidth, Qt::SmoothTransformation)
                       : picture;
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

int channelDifference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

struct Comparison {
    int differing = 0;
    int largest = 0;
    QPoint largestAt;
    QImage diff; // the picture faded, with the differing pixels in red
};

Comparison compare(const QImage& actual, const QImage& baseline, int channelTolerance) {
    Comparison result;
    result.diff = QImage(actual.size(), QImage::Format_RGB32);
    for (int y = 0; y < actual.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(baseline.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(result.diff.scanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            const int difference = channelDifference(a[x], b[x]);
            if (difference > result.largest) result.largest = difference, result.largestAt = {x, y};
            if (difference > channelTolerance) {
                ++result.differing;
                d[x] = qRgb(255, 0, 0);
            } else {
                const int grey = 192 + qGray(a[x]) / 4;
                d[x] = qRgb(grey, grey, grey);
            }
        }
    }
    return result;
}

} // namespace

testing::AssertionResult matchesBaseline(const QImage& picture, const QString& name,
                                         BaselineTolerance tolerance) {
    const QImage actual = comparable(picture);
    if (updatingBaselines()) {
        if (!actual.save(baselinePath(name)))
            return testing::AssertionFailure()
                   << "could not write " << baselinePath(name).toStdString();
        return testing::AssertionSuccess();
    }
    const QString actualPath = picturePath(name + ".actual");
    const QImage stored(baselinePath(name));
    if (stored.isNull()) {
        actual.save(actualPath);
        return testing::AssertionFailure()
               << "no baseline " << baselinePath(name).toStdString() << "; the picture is in "
               << actualPath.toStdString() << ", NIVEAU_UPDATE_BASELINES=1 stores it";
    }
    const QImage baseline = stored.convertToFormat(QImage::Format_RGB32);
    if (baseline.size() != actual.size()) {
        actual.save(actualPath);
        return testing::AssertionFailure()
               << name.toStdString() << ": " << actual.width() << "x" << actual.height()
               << " pixels against a baseline of " << baseline.width() << "x" << baseline.height()
               << "; the picture is in " << actualPath.toStdString();
    }
    const Comparison result = compare(actual, baseline, tolerance.channel);
    const int allowed = int(tolerance.differingShare * actual.width() * actual.height());
    const QString diffPath = picturePath(name + ".diff");
    if (result.differing <= allowed) {
        // What an earlier mismatch left is no longer true.
        QFile::remove(actualPath);
        QFile::remove(diffPath);
        return testing::AssertionSuccess();
    }
    actual.save(actualPath);
    result.diff.save(diffPath);
    return testing::AssertionFailure()
           << name.toStdString() << ": " << result.differing << " pixels differ by more than "
           << tolerance.channel << " in a channel from " << baselinePath(name).toStdString()
           << " (at most " << allowed << " may), the largest by " << result.largest << " at ("
           << result.largestAt.x() << ", " << result.largestAt.y() << "); the picture is in "
           << actualPath.toStdString() << ", the differing pixels in red in "
           << diffPath.toStdString();
}
