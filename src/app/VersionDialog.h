// The version window: a logo, the product name, the version of this build and a short notice.
// Any key press or a click anywhere on it closes it. Modal: open it with exec().
#pragma once

#include <QDialog>
#include <QPixmap>

namespace kuvanto {

class VersionDialog : public QDialog {
    Q_OBJECT
public:
    explicit VersionDialog(QWidget* parent = nullptr);

    // "Version 3.1.0" for the version this program was built as.
    static QString versionText();
    // The logo: the outline of an I-shaped section with its centroid axes.
    static QPixmap logoPicture(int size);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kuvanto
