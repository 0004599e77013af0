// The menu is filled again each time it opens, so it always shows the stored list; the window
// adds a file to the list whenever one is read or written.
#include "app/RecentFiles.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include "app/MainWindow.h"
#include "editing/Messenger.h"
#include "io/UiText.h"

namespace kuvanto {

namespace {

constexpr UiText kMenuCaption{"RecentFiles",
                              QT_TRANSLATE_NOOP("RecentFiles", "最近使ったファイル(&J)")};
constexpr UiText kEmptyCaption{"RecentFiles", QT_TRANSLATE_NOOP("RecentFiles", "(なし)")};
constexpr UiText kMissingFile{
    "RecentFiles",
    QT_TRANSLATE_NOOP(
        "RecentFiles",
        "ファイルが見つかりません。\n%1\n最近使ったファイルの一覧から削除しました。")};

// The local file a drop carries, when it carries exactly one coordinate file.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return QString();
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return QString();
    const QString path = url.toLocalFile();
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? path : QString();
}

}  // namespace

QStringList RecentFiles::files() {
    // A settings file may hold a longer list (written by hand or by anything else); only the
    // newest kMaxFiles are ever shown or kept, so the menu never fills with thousands of items.
    QStringList list = QSettings().value(kSettingsKey).toStringList();
    if (list.size() > kMaxFiles) list.resize(kMaxFiles);
    return list;
}

void RecentFiles::add(const QString& path) {
    if (path.isEmpty()) return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kMaxFiles) list.removeLast();
    QSettings().setValue(kSettingsKey, list);
}

void RecentFiles::remove(const QString& path) {
    QStringList list = files();
    if (list.removeAll(path) > 0) QSettings().setValue(kSettingsKey, list);
}

RecentFiles::RecentFiles(MainWindow& window) : QObject(&window), window_(window) {}

RecentFiles* RecentFiles::install(MainWindow& window) {
    auto* recent = new RecentFiles(window);
    recent->setObjectName(QStringLiteral("RecentFiles"));
    if (QMenu* file = window.menu(QStringLiteral("File"))) {
        recent->menu_ = new QMenu(kMenuCaption, file);
        recent->menu_->setObjectName(kMenuName);
        recent->menu_->menuAction()->setObjectName(kMenuName);
        // After the two file commands, before the separator that follows them.
        QAction* before = nullptr;
        const QList<QAction*> actions = file->actions();
        for (int i = 0; i + 1 < actions.size(); ++i) {
            if (actions[i] == window.command(CommandId::writeCsv)) before = actions[i + 1];
        }
        file->insertMenu(before, recent->menu_);
        connect(recent->menu_, &QMenu::aboutToShow, recent, &RecentFiles::fillMenu);
        recent->fillMenu();
    }
    window.setAcceptDrops(true);
    window.installEventFilter(recent);
    return recent;
}

void RecentFiles::fillMenu() {
    menu_->clear();
    const QStringList list = files();
    if (list.isEmpty()) {
        menu_->addAction(kEmptyCaption)->setEnabled(false);
        return;
    }
    int number = 1;
    for (const QString& path : list) {
        // "&1 name" gives each entry its number key; the whole path shows as the tooltip.
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = menu_->addAction(QStringLiteral("&%1 %2").arg(number++).arg(name));
        entry->setToolTip(path);
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] { open(path); });
    }
    menu_->setToolTipsVisible(true);
}

bool RecentFiles::open(const QString& path) {
    window_.finishCellEditing();
    if (!QFileInfo(path).isFile()) {
        remove(path);
        window_.msg().notice(kMissingFile.arg(path));
        return false;
    }
    if (!window_.askBeforeLosingChanges(QString())) return false;
    return window_.openCsvFile(path);
}

bool RecentFiles::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!droppedFile(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = droppedFile(drop->mimeData());
            if (!path.isEmpty()) {
                drop->acceptProposedAction();
                open(path);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kuvanto
