// The painted caption bar of a gradient form: colour ramp, logo, caption text and the button
// squares; a press on a square runs its command, a press elsewhere moves the window.
#pragma once

#include "dialogs/CaptionGeometry.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <map>
#include <optional>
#include <vector>

class TGradientForm;

class CaptionBar : public QWidget {
    Q_OBJECT
  public:
    explicit CaptionBar(TGradientForm& form);

    int buttonSide() const { return side; }
    // The squares shown now, in the bar's coordinates.
    std::vector<CaptionSquare> squares() const;
    // A caption drag the bar carries out itself because the window system took none.
    bool movingByHand() const { return dragOffset.has_value(); }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void loadPictures();
    void readCaptionFont();

    TGradientForm& form;
    int side;
    std::map<CaptionButton, QPixmap> pictures;
    QPixmap logo;
    QFont captionFont;
    // Where the window sits relative to the pointer while the bar moves it itself (when the
    // window system offers no interactive move).
    std::optional<QPoint> dragOffset;
};
