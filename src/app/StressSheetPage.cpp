// The stress page of the sheet. The values stand in a ruled table on the left; the picture is the
// stress view itself, drawn off screen at a fixed size and placed on the right, so that the sheet
// shows what the panel shows.
#include "app/StressSheetPage.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include "app/PrintSheet.h"
#include "canvas/StressView.h"

namespace kuvanto {

namespace {

constexpr double kLeft = 300;
constexpr double kTop = 990;
constexpr double kRowHeight = 330;
constexpr double kTextIndent = 60;
// The columns of the table: component, largest, its point, smallest, its point.
constexpr double kColumns[] = {0, 900, 2000, 4300, 5400, 7700};

QString number(double value) {
    if (std::abs(value) < 5e-13) value = 0;
    return QString::number(value, 'g', 5);
}

QString pointText(Point p) {
    return QStringLiteral("(%1, %2)")
        .arg(QString::number(p.x, 'g', 6), QString::number(p.y, 'g', 6));
}

QString tr(const char* text) {
    return QCoreApplication::translate("kuvanto::StressSheetPage", text);
}

}  // namespace

StressSheetPage::StressSheetPage(std::shared_ptr<const StressCases> run, int shownCase,
                                 StressComponent component)
    : run_(std::move(run)), shownCase_(shownCase), component_(component) {}

bool StressSheetPage::valid() const {
    return run_ && shownCase_ >= 0 && shownCase_ < static_cast<int>(run_->stresses.size()) &&
           run_->stresses[static_cast<std::size_t>(shownCase_)]->status() == StressStatus::Ok;
}

void StressSheetPage::paint(QPainter& painter, double width, double height, int page,
                            const QString& fileName) const {
    painter.fillRect(QRectF(0, 0, width, height), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(PrintSheet::labelFont(14, true));
    painter.drawText(QRectF(0, 120, width, 560), Qt::AlignHCenter | Qt::AlignVCenter,
                     tr("Kuvantoシート (%1) 応力 ").arg(page) + fileName);
    if (!valid()) return;
    const std::shared_ptr<const SectionStress>& stress =
        run_->stresses[static_cast<std::size_t>(shownCase_)];

    // The case and its actions (N and N·mm).
    double y = kTop;
    painter.setFont(PrintSheet::labelFont(9));
    QString actions;
    for (const LoadActionEntry& entry : kLoadActions)
        actions += QStringLiteral("  %1 = %2")
                       .arg(QString::fromUtf8(entry.key.data(), entry.key.size()),
                            number(stress->loads()[entry.action]));
    painter.drawText(
        QRectF(kLeft, y, kColumns[5], kRowHeight), Qt::AlignVCenter | Qt::AlignLeft,
        tr("荷重ケース %1: ").arg(QString::fromStdString(stress->loads().name)) + actions);
    y += kRowHeight;
    painter.drawText(QRectF(kLeft, y, kColumns[5], kRowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     tr("力 N、モーメント N·mm、応力 MPa (座標 mm)"));
    y += kRowHeight * 1.5;

    auto table = [&](const QString& caption, auto rowOf, std::size_t rows) {
        painter.setFont(PrintSheet::labelFont(9, true));
        painter.drawText(QRectF(kLeft, y, kColumns[5], kRowHeight),
                         Qt::AlignVCenter | Qt::AlignLeft, caption);
        y += kRowHeight;
        const QString heads[] = {tr("成分"), tr("最大"), tr("位置"), tr("最小"), tr("位置")};
        painter.fillRect(QRectF(kLeft, y, kColumns[5], kRowHeight), QColor(192, 192, 192));
        painter.setFont(PrintSheet::labelFont(9));
        for (int c = 0; c < 5; ++c)
            painter.drawText(
                QRectF(kLeft + kColumns[c], y, kColumns[c + 1] - kColumns[c], kRowHeight),
                Qt::AlignCenter, heads[c]);
        const double top = y;
        for (std::size_t r = 0; r < rows; ++r) {
            y += kRowHeight;
            const auto [label, e] = rowOf(r);
            QString cells[5] = {label, QStringLiteral("-"), QStringLiteral("-"),
                                QStringLiteral("-"), QStringLiteral("-")};
            if (e) {
                cells[1] = number(e->max);
                cells[2] = pointText(e->maxAt);
                cells[3] = number(e->min);
                cells[4] = pointText(e->minAt);
            }
            for (int c = 0; c < 5; ++c) {
                const QRectF cell(kLeft + kColumns[c] + kTextIndent, y,
                                  kColumns[c + 1] - kColumns[c] - 2 * kTextIndent, kRowHeight);
                painter.drawText(
                    cell, Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight),
                    painter.fontMetrics().elidedText(cells[c], Qt::ElideRight, int(cell.width())));
            }
        }
        y += kRowHeight;
        for (double line = top; line <= y + 1; line += kRowHeight)
            painter.drawLine(QLineF(kLeft, line, kLeft + kColumns[5], line));
        for (const double x : kColumns) painter.drawLine(QLineF(kLeft + x, top, kLeft + x, y));
        y += kRowHeight * 0.5;
    };
    auto symbol = [](StressComponent c) {
        const std::string_view s = stressComponentEntry(c).symbol;
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    };
    table(
        tr("応力の最大・最小"),
        [&](std::size_t r) {
            const auto c = static_cast<StressComponent>(r);
            return std::pair{symbol(c), stress->extremes(c)};
        },
        kStressComponentCount);
    if (run_->envelope.caseCount() > 1)
        table(
            tr("全 %1 ケースの包絡").arg(run_->envelope.caseCount()),
            [&](std::size_t r) {
                const auto c = static_cast<StressComponent>(r);
                const auto e = run_->envelope.of(c);
                return std::pair{symbol(c),
                                 e ? std::optional<StressExtremes>(e->extremes) : std::nullopt};
            },
            kStressComponentCount);
    if (shownCase_ < static_cast<int>(run_->materialStresses.size())) {
        const auto& materials = run_->materialStresses[static_cast<std::size_t>(shownCase_)];
        table(
            tr("材料ごとの応力"),
            [&](std::size_t r) {
                const MaterialStress& m = materials[r / 2];
                if (r % 2 == 0)
                    return std::pair{QStringLiteral("%1 σzz").arg(QString::fromStdString(m.name)),
                                     m.normal};
                return std::pair{
                    QStringLiteral("σvM/fy %1")
                        .arg(m.utilisation ? number(*m.utilisation) : QStringLiteral("-")),
                    m.vonMises};
            },
            2 * materials.size());
    }
    if (!stress->shearNotice().empty()) {
        painter.setFont(PrintSheet::labelFont(8));
        painter.drawText(QRectF(kLeft, y, kColumns[5], height - y - 200),
                         Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap,
                         QCoreApplication::translate("SectionStress",
                                                     std::string(stress->shearNotice()).c_str()));
    }

    // The picture of the shown component, as the panel draws it, at a size that keeps its texts
    // legible on the page.
    const QRectF area(kLeft + kColumns[5] + 200, kTop, width - kLeft - kColumns[5] - 500,
                      height - kTop - 300);
    StressView view;
    view.resize(820, static_cast<int>(820 * area.height() / area.width()));
    view.setOutline(run_->outline);
    view.setComponent(component_);
    view.setStress(stress);
    QImage image(view.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    view.render(&image);
    painter.drawImage(area, image);
    painter.drawRect(area);
}

}  // namespace kuvanto
