// The area of the main window that the 3D view fills. The view is a GL window of its own, made a
// direct child of the main window's window and kept over this area; the controls over the view
// (callouts, button row) are windows of their own stacked above it, so that the view presents
// its frames without any composition.
//
// The view is not embedded through a container widget: a container makes itself and its
// ancestors native child windows, and on Wayland a child window is only mapped once it has a
// buffer of its own, which those never get. The view inside them stayed invisible there and, its
// frame callbacks never coming, counted as hidden for good.
#pragma once

#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <vector>

class ViewArea : public QWidget {
  public:
    // Takes over the view.
    explicit ViewArea(QWindow* view, QWidget* parent = nullptr);
    ~ViewArea() override;

    // A control that stands over the view, placed in this area's coordinates, which are the
    // view's; taken over.
    void addControl(QWidget* control);
    // The view fills the area from its top-left corner up to this size.
    void setLimit(QSize size);
    // The view has presented a frame.
    void viewPresented();
    // Shows or hides every control over the view.
    void setControlsShown(bool shown);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void embed();
    void place();
    void moveControlsIntoView();
    void raiseControls();
    static bool onWayland();

    QPointer<QWindow> view;
    std::vector<QPointer<QWidget>> controls;
    QSize limit{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    bool embedded = false;
    bool controlsInView = false;
    bool controlsShown = true;
};
