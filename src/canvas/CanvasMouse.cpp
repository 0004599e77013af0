// Pan, zoom, status text, picking and context menus of the section canvas.
#include "canvas/CanvasMouse.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

#include "canvas/SectionCanvas.h"
#include "core/table/Transformations.h"

namespace kuvanto {

namespace {
constexpr int kShift = 1;
constexpr int kCtrl = 2;
}  // namespace

CanvasMouse::CanvasMouse(SectionCanvas* canvas, QObject* parent)
    : QObject(parent), canvas_(canvas) {
    canvas_->installEventFilter(this);
    canvas_->setMouseTracking(true);
    canvas_->setFocusPolicy(Qt::ClickFocus);
}

int CanvasMouse::modifierBits(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= 1;
    if (modifiers & Qt::ControlModifier) bits |= 2;
    if (modifiers & Qt::AltModifier) bits |= 4;
    return bits;
}

void CanvasMouse::press(Qt::MouseButton button, int modifiers, double x, double y) {
    SectionView& view = canvas_->view();
    view.pressX = x;
    view.pressY = y;
    view.pressMult = view.viewMult;
    if (button == Qt::LeftButton && view.freeHandCheck) emit freehandPressed(x, y, modifiers);
}

void CanvasMouse::pan(double x, double y) {
    SectionView& view = canvas_->view();
    view.viewOfsX += view.pressX - x;
    view.viewOfsY += view.pressY - y;
    canvas_->setAutoScale(false);
}

void CanvasMouse::zoom(double y) {
    SectionView& view = canvas_->view();
    view.viewMult =
        dragZoomMultiplier(view.pressMult, view.viewMult, view.pressY - y, view.scaleHeight());
    canvas_->setAutoScale(false);
}

void CanvasMouse::move(Qt::MouseButtons buttons, int modifiers, double x, double y) {
    if (modifiers == kCtrl) {
        if (buttons == Qt::LeftButton) {
            pan(x, y);
            canvas_->redrawSection();
        } else if (buttons == Qt::RightButton) {
            zoom(y);
            canvas_->redrawSection();
        }
    }
    const SectionView& view = canvas_->view();
    if (view.freeHandCheck) emit freehandMoved(x, y, modifiers);
    emit statusText(QString::fromStdString(
        canvasStatusText(x, y, view.viewMult, view.viewOfsX, view.viewOfsY)));
}

void CanvasMouse::release(Qt::MouseButton button, int modifiers, double x, double y,
                          const QPoint& global) {
    const bool freehand = canvas_->view().freeHandCheck;
    if (modifiers == 0) {
        if (!freehand) emit pickRequested(x, y, 0);
        if (button == Qt::RightButton) emit contextMenuRequested(freehand, global);
    } else if (modifiers == kShift) {
        if (button == Qt::LeftButton && !freehand) emit pickRequested(x, y, 1);
    } else if (modifiers == kCtrl) {
        if (button == Qt::LeftButton)
            pan(x, y);
        else if (button == Qt::RightButton)
            zoom(y);
        if (button == Qt::LeftButton || button == Qt::RightButton) canvas_->redrawSection();
    }
}

void CanvasMouse::doubleClick() {
    emit endFreehandRequested();
    emit editRequested(canvas_->view().pressX, canvas_->view().pressY);
}

void CanvasMouse::wheel(double notches, double x, double y) {
    SectionView& view = canvas_->view();
    if (notches == 0 || view.viewMult <= 0) return;
    const double before = view.viewMult;
    const double after = std::clamp(before * std::pow(kWheelStep, -notches), kMinMult, kMaxMult);
    if (after == before) return;
    // Keep the world point under the cursor where it is: the window's centre moves towards it
    // by the share of the half-size that the zoom takes away.
    const double centreX = view.scaleLeft() + view.scaleWidth() / 2;
    const double centreY = view.scaleTop() + view.scaleHeight() / 2;
    view.viewOfsX += (x - centreX) * (1 - after / before);
    view.viewOfsY += (y - centreY) * (1 - after / before);
    view.viewMult = after;
    canvas_->setAutoScale(false);
    canvas_->redrawSection();
    emit statusText(QString::fromStdString(
        canvasStatusText(x, y, view.viewMult, view.viewOfsX, view.viewOfsY)));
}

bool CanvasMouse::eventFilter(QObject* watched, QEvent* event) {
    if (watched != canvas_) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const WorldPt at = canvas_->toWorld(mouse->position());
            const int mods = modifierBits(mouse->modifiers());
            if (event->type() == QEvent::MouseButtonPress)
                press(mouse->button(), mods, at.x, at.y);
            else if (event->type() == QEvent::MouseMove)
                move(mouse->buttons(), mods, at.x, at.y);
            else
                release(mouse->button(), mods, at.x, at.y, mouse->globalPosition().toPoint());
            return false;
        }
        case QEvent::MouseButtonDblClick:
            doubleClick();
            return true;
        case QEvent::Wheel: {
            auto* wheelEvent = static_cast<QWheelEvent*>(event);
            const WorldPt at = canvas_->toWorld(wheelEvent->position());
            wheel(wheelEvent->angleDelta().y() / 120.0, at.x, at.y);
            return true;
        }
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                emit endFreehandRequested();
            return false;
        default:
            return false;
    }
}

}  // namespace kuvanto
