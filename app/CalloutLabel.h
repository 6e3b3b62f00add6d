// A callout: white text on a red panel with a hand cursor. It reports clicks and the pointer
// moving over it; its owner sets the panel and text colours.
#pragma once

#include <QLabel>

class CalloutLabel : public QLabel {
    Q_OBJECT
  public:
    explicit CalloutLabel(const QString& caption, QWidget* parent = nullptr);
    // Dark red while its accessory is shown, bright red otherwise.
    void setActive(bool active);
    void setPanelColour(const QColor& colour);
    void setTextColour(const QColor& colour);
    QColor panelColour() const;
    QColor textColour() const;

  signals:
    void clicked();
    void hovered();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
