// The form base of the program's windows: a frameless top-level window that paints its own
// caption bar (a blue colour ramp, the logo, the caption and the button squares) and offers its
// own system menu. The window's widgets live in the client area below the caption bar.
#pragma once

#include "dialogs/CaptionGeometry.h"

#include <QWidget>

#include <string>

class CaptionBar;
class QMenu;
class QVBoxLayout;

// Sizeable and single borders allow minimise, maximise and restore; a dialog border allows
// neither. Only a sizeable border can be resized.
enum class FormBorder { Sizeable, Single, Dialog };

// Command numbers of the system menu's items.
enum SystemCommand {
    RestoreCommand = 1001,
    MoveCommand = 1002,
    SizeCommand = 1003,
    MinimizeCommand = 1004,
    MaximizeCommand = 1005,
    CloseCommand = 1006,
};

class TGradientForm : public QWidget {
    Q_OBJECT
  public:
    // The system menu's captions follow `languageCode` ("d" German, otherwise English); the
    // text is read each time the menu opens.
    TGradientForm(const std::string& languageCode, FormBorder border, QWidget* parent = nullptr);

    // The area below the caption bar that holds the window's widgets.
    QWidget* clientArea() const { return client; }
    // Puts a widget of any kind (a main window with menus and toolbars, say) in place of the
    // client area; the form takes it over and deletes the previous client area.
    void setClientWidget(QWidget* widget);

    CaptionBar* captionBar() const { return bar; }
    QMenu* systemMenu() const { return SystemMenu; }
    CaptionFlags captionFlags() const { return flags; }
    void setCaptionFlags(CaptionFlags newFlags);
    ShownState shownState() const;

    // A caption square was pressed (global mouse position for the system menu).
    void captionButtonClicked(CaptionButton button, QPoint globalPos);
    void showSystemMenu(QPoint globalPos);
    void systemCommand(int command);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void createSystemMenu();
    void updateSystemMenu();
    int frameWidth() const;
    Qt::Edges resizeEdgesAt(QPoint point) const;

    const std::string& languageCode;
    FormBorder border;
    CaptionFlags flags;
    QVBoxLayout* layout;
    CaptionBar* bar;
    QWidget* client;
    QMenu* SystemMenu;
};
