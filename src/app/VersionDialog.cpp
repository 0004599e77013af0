// Version window. Every child is watched so that a click on the logo or on any label closes the
// window as a click on its frame does.
#include "app/VersionDialog.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace kuvanto {

QString VersionDialog::versionText() {
    // The numbers come from the project version of the build, the one place they are set.
    return QStringLiteral("Version %1.%2.%3")
        .arg(KUVANTO_VERSION_MAJOR)
        .arg(KUVANTO_VERSION_MINOR)
        .arg(KUVANTO_VERSION_PATCH);
}

QPixmap VersionDialog::logoPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // An I-beam: flanges of the full width, a web of one sixth, all in unit squares of size/12.
    const double u = size / 12.0;
    QPainterPath beam;
    beam.moveTo(2 * u, 2 * u);
    beam.lineTo(10 * u, 2 * u);
    beam.lineTo(10 * u, 3.5 * u);
    beam.lineTo(6.75 * u, 3.5 * u);
    beam.lineTo(6.75 * u, 8.5 * u);
    beam.lineTo(10 * u, 8.5 * u);
    beam.lineTo(10 * u, 10 * u);
    beam.lineTo(2 * u, 10 * u);
    beam.lineTo(2 * u, 8.5 * u);
    beam.lineTo(5.25 * u, 8.5 * u);
    beam.lineTo(5.25 * u, 3.5 * u);
    beam.lineTo(2 * u, 3.5 * u);
    beam.closeSubpath();
    painter.fillPath(beam, QColor(255, 220, 220));
    painter.setPen(QPen(QColor(220, 0, 0), std::max(1.0, u / 4)));
    painter.drawPath(beam);

    // Centroid axes and mark.
    QPen axis(QColor(0, 0, 200), 1, Qt::DashLine);
    painter.setPen(axis);
    painter.drawLine(QPointF(u, 6 * u), QPointF(11 * u, 6 * u));
    painter.drawLine(QPointF(6 * u, u), QPointF(6 * u, 11 * u));
    painter.setPen(QPen(QColor(0, 0, 200), 1));
    painter.drawEllipse(QPointF(6 * u, 6 * u), u / 2, u / 2);
    return pixmap;
}

VersionDialog::VersionDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(tr("バージョン情報"));
    setModal(true);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Frame1"));
    panel->setFrameShape(QFrame::Box);

    auto* logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(logoPicture(120));

    auto* productLabel = new QLabel(QStringLiteral("Kuvanto"), panel);
    productLabel->setObjectName(QStringLiteral("lblProductName"));
    QFont productFont = productLabel->font();
    productFont.setPointSize(productFont.pointSize() * 2 + 4);
    productFont.setBold(true);
    productLabel->setFont(productFont);

    auto* versionLabel = new QLabel(versionText(), panel);
    versionLabel->setObjectName(QStringLiteral("lblVersion"));

    auto* noticeLabel = new QLabel(tr("断面の幾何特性(断面積、図心、断面二次モーメント、"
                                      "断面係数、断面二次半径など)を計算します。\n"
                                      "計算結果は設計の参考値です。使用者の責任で"
                                      "確認のうえお使いください。"),
                                   panel);
    noticeLabel->setObjectName(QStringLiteral("lblNotice"));
    noticeLabel->setWordWrap(true);

    auto* licenceLabel =
        new QLabel(tr("ライセンス: GNU General Public License バージョン3以降 (%1)。\n"
                      "このプログラムは無保証です。")
                       .arg(QStringLiteral("GPL-3.0-or-later")),
                   panel);
    licenceLabel->setObjectName(QStringLiteral("lblLicence"));
    licenceLabel->setWordWrap(true);

    auto* closeHint = new QLabel(tr("クリック又はキー入力で閉じます。"), panel);
    closeHint->setObjectName(QStringLiteral("lblClose"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(productLabel);
    texts->addWidget(versionLabel);
    texts->addSpacing(12);
    texts->addWidget(noticeLabel);
    texts->addSpacing(6);
    texts->addWidget(licenceLabel);
    texts->addStretch();
    texts->addWidget(closeHint, 0, Qt::AlignRight);

    auto* inner = new QHBoxLayout(panel);
    inner->addWidget(logo, 0, Qt::AlignTop);
    inner->addSpacing(12);
    inner->addLayout(texts, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    setMinimumWidth(460);

    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void VersionDialog::keyPressEvent(QKeyEvent* event) {
    event->accept();
    accept();
}

void VersionDialog::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

bool VersionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kuvanto
