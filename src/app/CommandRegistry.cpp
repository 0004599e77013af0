// Builds the main window's actions, menus and toolbar from the command table, runs the commands'
// handlers with the question policy of their rows, and keeps their enabling.
#include "app/CommandRegistry.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>

#include "editing/TableChange.h"

namespace kuvanto {

namespace {

QString translated(const char* text) {
    return text[0] ? QCoreApplication::translate("Commands", text) : QString();
}

}  // namespace

CommandRegistry::CommandRegistry(QMainWindow& window, Workspace& work,
                                 std::function<void(CommandId)> beforeCommand,
                                 std::function<void()> afterSnapshot, QObject* eventFilter)
    : QObject(&window),
      work_(work),
      beforeCommand_(std::move(beforeCommand)),
      afterSnapshot_(std::move(afterSnapshot)) {
    buildActions();
    buildMenus(window);
    buildToolbar(window, eventFilter);
}

void CommandRegistry::buildActions() {
    const std::vector<Command>& table = commandTable();
    if (int(table.size()) != kCommandCount)
        qFatal("The command table has %d rows for %d commands", int(table.size()), kCommandCount);
    for (int i = 0; i < kCommandCount; ++i) {
        const Command& c = table[std::size_t(i)];
        if (c.id != CommandId(i)) qFatal("Command table row %d (%s) is out of order", i, c.name);
        auto* a = new QAction(toolIcon(c.icon), translated(c.caption), this);
        const QString name = QString::fromLatin1(c.name);
        a->setObjectName(name);
        if (c.tip[0]) a->setToolTip(translated(c.tip));
        if (c.shortcuts[0])
            a->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(c.shortcuts)));
        a->setCheckable(c.checkable);
        a->setIconVisibleInMenu(false);
        a->setEnabled(false);  // until it has a handler
        connect(a, &QAction::triggered, this, [this, id = c.id] { run(id, false); });
        actions_[std::size_t(i)] = a;
        byName_.insert(name, a);
        idByName_.insert(name, c.id);
        for (const char* alias : c.aliases) {
            byName_.insert(QString::fromLatin1(alias), a);
            idByName_.insert(QString::fromLatin1(alias), c.id);
        }
    }
}

void CommandRegistry::buildMenus(QMainWindow& window) {
    // The context menus are menus of their own, never part of the menu bar. Their items (also
    // those of their submenus) are actions of their own that run the command as from a context
    // menu and follow its enabled state.
    QSet<QString> contextMenus;
    for (const char* name : kContextMenus) {
        auto* menu = new QMenu(&window);
        menu->setObjectName(QString::fromLatin1(name));
        menus_.insert(menu->objectName(), menu);
        contextMenus.insert(menu->objectName());
    }
    for (const MenuItem& item : menuLayout()) {
        const QString name = QString::fromLatin1(item.name);
        const QString caption = translated(item.caption);
        const QString holder = QString::fromLatin1(item.holder);
        QMenu* parent = holder.isEmpty() ? nullptr : menus_.value(holder);
        const bool inContextMenu = contextMenus.contains(holder);
        switch (item.kind) {
            case MenuItemKind::submenu: {
                QMenu* menu =
                    parent ? parent->addMenu(caption) : window.menuBar()->addMenu(caption);
                menu->setObjectName(name);
                menu->menuAction()->setObjectName(name);
                menus_.insert(name, menu);
                if (inContextMenu) contextMenus.insert(name);
                break;
            }
            case MenuItemKind::separator:
                parent->addSeparator()->setObjectName(name);
                break;
            case MenuItemKind::command: {
                const auto found = idByName_.find(name);
                if (found == idByName_.end()) qFatal("Menu item %s names no command", item.name);
                const CommandId id = *found;
                QAction* shared = action(id);
                if (!inContextMenu && caption.isEmpty()) {
                    parent->addAction(shared);
                    break;
                }
                QAction* own = parent->addAction(caption.isEmpty() ? shared->text() : caption);
                own->setObjectName(name);
                own->setEnabled(shared->isEnabled());
                connect(own, &QAction::triggered, this,
                        [this, id, inContextMenu] { run(id, inContextMenu); });
                connect(shared, &QAction::changed, own,
                        [own, shared] { own->setEnabled(shared->isEnabled()); });
                break;
            }
        }
    }
}

void CommandRegistry::buildToolbar(QMainWindow& window, QObject* eventFilter) {
    // The numbered places: each command's button, the separators and the inert button that
    // holds its place and does nothing; then the unnumbered buttons right after theirs.
    toolbar_ = window.addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->installEventFilter(eventFilter);
    buttons_.assign(kToolbarButtons + 1, nullptr);
    std::vector<const Command*> unnumbered;
    std::array<const Command*, kToolbarButtons + 1> numbered{};
    std::array<const char*, kToolbarButtons + 1> spacers{};
    for (const Command& c : commandTable()) {
        if (c.toolbar.number <= 0) continue;
        if (c.toolbar.afterNumber)
            unnumbered.push_back(&c);
        else
            numbered[std::size_t(c.toolbar.number)] = &c;
    }
    for (const ToolbarSpacer& s : toolbarSpacers()) spacers[std::size_t(s.number)] = s.key;
    const auto place = [&](QAction* a, const QString& key) {
        if (QWidget* button = toolbar_->widgetForAction(a)) {
            button->setObjectName(key);
            button->setMouseTracking(true);
            button->installEventFilter(eventFilter);
        }
    };
    for (int n = 1; n <= kToolbarButtons; ++n) {
        QAction* a = nullptr;
        QString key;
        if (const Command* c = numbered[std::size_t(n)]) {
            a = action(c->id);
            key = a->objectName();
            if (a->toolTip().isEmpty()) a->setToolTip(a->text());
            toolbar_->addAction(a);
        } else if (const char* spacer = spacers[std::size_t(n)]; spacer && spacer[0]) {
            key = QString::fromLatin1(spacer);
            a = toolbar_->addSeparator();
            a->setObjectName(key);
        } else {
            a = toolbar_->addAction(QString());
            a->setEnabled(false);
        }
        place(a, key);
        buttons_[std::size_t(n)] = a;
    }
    for (const Command* c : unnumbered) {
        QAction* a = action(c->id);
        QAction* after = buttons_[std::size_t(c->toolbar.number)];
        const int next = toolbar_->actions().indexOf(after) + 1;
        toolbar_->insertAction(toolbar_->actions().value(next), a);
        place(a, a->objectName());
    }
}

void CommandRegistry::setHandler(CommandId id, std::function<void(bool ask)> handler,
                                 std::function<bool()> allowed) {
    State& s = states_[std::size_t(id)];
    s.handler = std::move(handler);
    s.rule = std::move(allowed);
    updateEnabling(id);
}

void CommandRegistry::setHandler(CommandId id, std::function<void()> handler,
                                 std::function<bool()> allowed) {
    setHandler(
        id, [handler = std::move(handler)](bool) { handler(); }, std::move(allowed));
}

void CommandRegistry::requireEveryHandler() const {
    for (const Command& c : commandTable())
        if (!states_[std::size_t(c.id)].handler) qFatal("Command %s has no handler", c.name);
}

QAction* CommandRegistry::menuItem(const QString& menuName, const QString& name) const {
    if (QMenu* m = menu(menuName)) {
        for (QAction* a : m->actions())
            if (a->objectName() == name || (a == byName_.value(name))) return a;
    }
    return nullptr;
}

QAction* CommandRegistry::toolbarButton(int number) const {
    return number >= 1 && number <= kToolbarButtons ? buttons_[std::size_t(number)] : nullptr;
}

void CommandRegistry::run(CommandId id, bool fromContextMenu) {
    const State& s = states_[std::size_t(id)];
    if (!s.handler) return;
    const Command& row = commandRow(id);
    const bool ask = row.asking == Asking::always ||
                     (row.asking == Asking::exceptFromContextMenu && !fromContextMenu);
    if (beforeCommand_) beforeCommand_(id);
    const auto handler = s.handler;  // the handler may replace itself
    if (!row.changesTables) {
        handler(ask);
        return;
    }
    // The model functions the handler calls take their snapshots as they end; this one records
    // what the handler changed without one, and takes none when nothing changed.
    TableChange change(work_);
    handler(ask);
    if (change.end() && afterSnapshot_) afterSnapshot_();
}

void CommandRegistry::updateEnabling(CommandId id) {
    const State& s = states_[std::size_t(id)];
    action(id)->setEnabled(s.allowed && s.handler && (!s.rule || s.rule()));
}

void CommandRegistry::updateEnabling() {
    for (int i = 0; i < kCommandCount; ++i) updateEnabling(CommandId(i));
}

void CommandRegistry::allowForTab(WindowTab tab, bool calcOk) {
    for (const Command& c : commandTable())
        states_[std::size_t(c.id)].allowed = tabAllows(c.allowedOn, tab, calcOk);
    updateEnabling();
    const bool editing = editMenusEnabled(tab);
    menus_.value(QStringLiteral("Edit_Menu"))->menuAction()->setEnabled(editing);
    menus_.value(QStringLiteral("Insert_Dgrm"))->menuAction()->setEnabled(editing);
}

}  // namespace kuvanto
