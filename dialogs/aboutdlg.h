// The "About" window: borderless and shaped like an ellipse with four round holes, a clock that
// ticks every second, the about text on black and an OK button. Dragging it anywhere moves it.
#pragma once

#include <QPoint>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTextEdit;

// The window's shape for a window of the given size.
QRegion aboutRegion(QSize size);

class TAboutForm : public QWidget {
    Q_OBJECT
  public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QLabel* Label1; // the clock
    QTextEdit* Memo1;
    QPushButton* Button1; // OK
    QTimer Timer1;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Timer1Timer();
    std::optional<QPoint> pressPoint; // where the left button went down, in window coordinates
};
