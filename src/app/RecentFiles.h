// The list of the coordinate files last read or written, newest first, kept in the user's
// settings ("recentFiles"): the "最近使ったファイル" menu of the file menu, and the files dropped
// onto the window. A file is opened as the reading command opens one, with the same question
// when there are unsaved changes; a file that no longer exists is taken off the list with a
// message.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

namespace kuvanto {

class MainWindow;

class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxFiles = 8;
    static inline const QString kSettingsKey = QStringLiteral("recentFiles");
    static inline const QString kMenuName = QStringLiteral("Recent_Files");

    // The list as stored; `add` puts a file first (once), `remove` takes it off.
    static QStringList files();
    static void add(const QString& path);
    static void remove(const QString& path);

    // Adds the submenu to the window's file menu and lets the window take dropped files.
    static RecentFiles* install(MainWindow& window);
    // Opens a file from the list or a drop: asks about unsaved changes, refuses a file that
    // is gone (and takes it off the list). True when it was read.
    bool open(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit RecentFiles(MainWindow& window);
    void fillMenu();

    MainWindow& window_;
    QMenu* menu_ = nullptr;
};

}  // namespace kuvanto
