// Help window: one label with the operation summary; any click or the loss of the focus closes
// the window.
#include "app/HelpWindow.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/JapaneseFonts.h"

namespace kuvanto {

QStringList HelpWindow::helpLines() {
    return {
        tr("[図形又は座標のの選択]"),
        tr("　左クリック(各頂点で)　　 　　　：頂点選択"),
        tr("　Shift + 左クリック　　　 　　　：連続図形選択"),
        QString(),
        tr("[座標編集]"),
        tr("　左ダブルクリック(各頂点で) 　　：座標編集"),
        QString(),
        tr("[画面表示移動]"),
        tr("　Ctrl + 左ドラッグ 　　　 　　　：画面表示 移動"),
        tr("　Ctrl + 右ドラッグ(上下)　　　　：画面表示 拡大/縮小"),
        QString(),
        tr("[フリーハンドモード]"),
        tr("　Shift + 左ドラッグ又はクリック ：直交モード"),
    };
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Help_Form"));
    setWindowTitle(tr("Help"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("Label1"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setFont(japaneseFont(QStringLiteral("ＭＳ ゴシック"), 9));
    summary_->setText(helpLines().join(QLatin1Char('\n')));
    summary_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(summary_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool HelpWindow::event(QEvent* event) {
    // Losing the focus to another window closes the help.
    if (event->type() == QEvent::WindowDeactivate && isVisible()) {
        const bool handled = QDialog::event(event);
        close();
        return handled;
    }
    return QDialog::event(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == summary_ && event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void HelpWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}

}  // namespace kuvanto
