// The main window's menu bar, step toolbar and keys, built once from the core's models and then
// kept showing them: captions, check marks and enabled entries come from the core every time it
// says they changed. Choosing an entry hands its item name to the core.
#include "app/MainWindow.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {
// The models of every entry by name, the submenus' own entries included.
void collect(const std::vector<MenuItem>& models, std::map<QString, const MenuItem*>& byName) {
    for (const MenuItem& model : models) {
        if (!model.name.empty()) byName[QString::fromStdString(model.name)] = &model;
        collect(model.items, byName);
    }
}
// The item names of a menu's entries, its submenus' included, in their order.
void namesOf(const MenuItem& model, QStringList& names) {
    for (const MenuItem& entry : model.items) {
        if (!entry.name.empty()) names << QString::fromStdString(entry.name);
        namesOf(entry, names);
    }
}
void namesOf(const QMenu* menu, QStringList& names) {
    for (const QAction* action : menu->actions()) {
        if (!action->objectName().isEmpty()) names << action->objectName();
        if (action->menu()) namesOf(action->menu(), names);
    }
}
} // namespace

// The menu bar lives on the first toolbar, hidden until the left strip is double-clicked.
void TfrmCube::createMenus() {
    auto* bar = new QMenuBar;
    bar->setNativeMenuBar(false);
    for (const MenuItem& model : viewer.menuBar()) {
        QMenu* menu = bar->addMenu(QString::fromStdString(model.caption));
        menu->menuAction()->setObjectName(QString::fromStdString(model.name));
        items[QString::fromStdString(model.name)] = menu->menuAction();
        addMenu(menu, model);
    }
    TBToolbar1 = new QToolBar("TBToolbar1", this);
    TBToolbar1->setObjectName("TBToolbar1");
    TBToolbar1->addWidget(bar);
    dock->addToolBar(Qt::TopToolBarArea, TBToolbar1);
    TBToolbar1->setVisible(false);
    TBToolbar1->installEventFilter(this); // the wheel
}

// The entries of one menu; every action is also the window's, so that its shortcut works while
// the menu bar is hidden.
QMenu* TfrmCube::addMenu(QMenu* menu, const MenuItem& model) {
    for (const MenuItem& entry : model.items) {
        if (entry.separator) {
            menu->addSeparator()->setVisible(entry.visible);
            continue;
        }
        const QString name = QString::fromStdString(entry.name);
        if (entry.submenu) {
            QMenu* submenu = menu->addMenu(QString::fromStdString(entry.caption));
            submenu->menuAction()->setObjectName(name);
            items[name] = submenu->menuAction();
            addMenu(submenu, entry);
            continue;
        }
        QAction* action = menu->addAction(QString::fromStdString(entry.caption));
        action->setObjectName(name);
        action->setShortcut(QKeySequence(QString::fromStdString(entry.shortcut)));
        action->setCheckable(entry.checkable);
        connect(action, &QAction::triggered, this, [this, name] { chooseItem(name); });
        addAction(action);
        items[name] = action;
    }
    return menu;
}

// The pictures need the view's renderer and a file dialog; every other entry is the core's.
void TfrmCube::chooseItem(const QString& name) {
    if (name == "SavePicture1")
        SavePictureClick();
    else if (name == "CopyPicture1")
        CopyPictureClick();
    else
        viewer.trigger(name.toStdString());
}

void TfrmCube::createStepToolbar() {
    TBToolbar2 = new QToolBar("TBToolbar2", this);
    TBToolbar2->setObjectName("TBToolbar2");
    for (const ToolbarItem& model : viewer.stepToolbar()) {
        if (model.separatorBefore) TBToolbar2->addSeparator();
        const QString name = QString::fromStdString(model.name);
        QAction* action = TBToolbar2->addAction(QString::fromStdString(model.caption));
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, name] { chooseItem(name); });
    }
    dock->addToolBarBreak(Qt::TopToolBarArea);
    dock->addToolBar(Qt::TopToolBarArea, TBToolbar2);
    TBToolbar2->setVisible(false);
    TBToolbar2->installEventFilter(this); // the wheel
}

// Keys that work anywhere in the window without a menu entry of their own.
void TfrmCube::createKeys() {
    for (const KeyCommand& key : viewer.keys()) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(QString::fromStdString(key.keys)));
        const QString command = QString::fromStdString(key.command);
        if (key.popup)
            connect(action, &QAction::triggered, this, [this, command] {
                if (QAction* menu = menuItem(command)) menu->menu()->popup(QCursor::pos());
            });
        else
            connect(action, &QAction::triggered, this, [this, command] { chooseItem(command); });
        addAction(action);
    }
}

void TfrmCube::showMenus() {
    const std::vector<MenuItem> models = viewer.menuBar();
    std::map<QString, const MenuItem*> byName;
    collect(models, byName);
    for (const auto& [name, model] : byName) {
        QAction* action = menuItem(name);
        if (!action) continue;
        action->setText(QString::fromStdString(model->caption));
        action->setChecked(model->checked);
        action->setEnabled(model->enabled);
        action->setVisible(model->visible);
    }
}

// A menu whose entries came or went is filled again. Its old actions go later, since one of them
// may be the entry whose command is running.
void TfrmCube::showMenuEntries() {
    for (const MenuItem& model : viewer.menuBar()) {
        QAction* menuAction = menuItem(QString::fromStdString(model.name));
        if (!menuAction || !menuAction->menu()) continue;
        QMenu* menu = menuAction->menu();
        QStringList wanted, shown;
        namesOf(model, wanted);
        namesOf(menu, shown);
        if (wanted == shown) continue;
        for (const QString& name : shown) {
            if (QAction* action = menuItem(name)) removeAction(action);
            items.erase(name);
        }
        for (QAction* action : menu->actions()) {
            menu->removeAction(action);
            if (action->menu())
                action->menu()->deleteLater();
            else
                action->deleteLater();
        }
        addMenu(menu, model);
    }
}

void TfrmCube::showBars() {
    TBToolbar1->setVisible(viewer.barsShown());
    TBToolbar2->setVisible(viewer.barsShown());
}

QAction* TfrmCube::menuItem(const QString& name) const {
    const auto it = items.find(name);
    return it == items.end() ? nullptr : it->second;
}
