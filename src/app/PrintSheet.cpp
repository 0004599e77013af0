// The printed sheet, painted in twips: ruled tables with grey headers, the value texts copied
// from the result table's combined column, and the figures in the drawing area through the same
// fitting as the canvas (offsets 0, multiplier 1).
#include "app/PrintSheet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTranslator>
#include <algorithm>
#include <vector>

#include "app/JapaneseFonts.h"
#include "canvas/ImagePainter.h"
#include "canvas/SectionView.h"
#include "core/base/NumberText.h"
#include "core/section/ResultTable.h"
#include "io/SafeWrite.h"

namespace kuvanto {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kPixelTwips = 15;  // one pixel of the sheet window
constexpr double kLeft = 300;
constexpr double kTableWidth = 5900;  // the file name box, and the least width of a table
constexpr double kItemWidth = 2900;
constexpr double kSymbolWidth = 1000;
constexpr double kValueWidth = kTableWidth - kItemWidth - kSymbolWidth;
constexpr double kRowHeight = 330;
constexpr double kTableGap = 600;     // between the two columns of tables on the second page
constexpr double kItemIndent = 80;    // the item's text from its cell's left rule
constexpr double kValueIndent = 100;  // the value's text from its cell's right rule
constexpr double kCellRoom = 160;     // at least this much free room in a cell beside its text
// The head of the value column of every table (translated where it is drawn).
constexpr const char* kValueHead = QT_TRANSLATE_NOOP("PrintSheet", "結果");
// The font families the sheet asks for, marked so that a language can name fonts of its own
// (English keeps these); sheetFont falls back to the Japanese fonts installed where they are
// missing.
constexpr const char* kLabelFamily = QT_TRANSLATE_NOOP("PrintSheet", "ＭＳ Ｐゴシック");
constexpr const char* kValueFamily = QT_TRANSLATE_NOOP("PrintSheet", "ＭＳ Ｐ明朝");
// The title of every page after the first, with its number.
constexpr const char* kPageTitle = QT_TRANSLATE_NOOP("PrintSheet", "Kuvantoシート (%1) ");
// The widest number a value cell shows.
constexpr const char* kWidestValue = "-8.8888E-888";

// The top of the torsion notices on the second page, below the block of estimated errors.
constexpr double kNoticeTop = 9250;

// The blocks of the sheet, each a ruled table of the result rows that name it: three on the first
// page beside the drawing, the principal axes, the moduli per fibre, the plastic values and the
// torsion and shear block and its estimated errors (once its analysis has run) on the second, in
// two columns of tables, and the composite block of a section whose figures carry materials on a
// third page beside the table of the figures' materials.
struct BlockPlace {
    SheetBlock block;
    const char* caption;
    int page;
    int column;  // 0 at the left margin, 1 right of the first column's tables
    double top;
};
constexpr BlockPlace kBlocks[] = {
    {SheetBlock::General, QT_TRANSLATE_NOOP("PrintSheet", "[全般]"), 1, 0, 1600},
    {SheetBlock::Centroidal, QT_TRANSLATE_NOOP("PrintSheet", "[図心回り]"), 1, 0, 3800},
    {SheetBlock::CoordinateAxes, QT_TRANSLATE_NOOP("PrintSheet", "[座標軸回り]"), 1, 0, 6990},
    {SheetBlock::PrincipalAxes, QT_TRANSLATE_NOOP("PrintSheet", "[主軸]"), 2, 0, 1000},
    {SheetBlock::ExtremeFibres, QT_TRANSLATE_NOOP("PrintSheet", "[縁端別断面係数]"), 2, 0, 5000},
    {SheetBlock::Plastic, QT_TRANSLATE_NOOP("PrintSheet", "[塑性]"), 2, 1, 1000},
    {SheetBlock::Torsion, QT_TRANSLATE_NOOP("PrintSheet", "[ねじり・せん断]"), 2, 1, 4500},
    {SheetBlock::TorsionError, QT_TRANSLATE_NOOP("PrintSheet", "[ねじり・せん断の推定誤差]"), 2, 0,
     7200},
    {SheetBlock::Composite, QT_TRANSLATE_NOOP("PrintSheet", "[複合断面]"), 3, 0, 1000},
};
// The third page's second column: each figure with its material and modular ratio.
constexpr double kFigureMaterialsTop = 1000;

// The English of a text, whatever the interface's language: the sheet keeps one layout in both.
QString englishText(const char* context, const char* text) {
    static QTranslator* const english = [] {
        auto* translator = new QTranslator;
        if (!translator->load(QStringLiteral(":/i18n/kuvanto_en.qm"))) {
            delete translator;
            return static_cast<QTranslator*>(nullptr);
        }
        return translator;
    }();
    const QString translated = english ? english->translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString sheetText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

std::vector<int> rowsOf(SheetBlock block) {
    std::vector<int> rows;
    for (int row = 0; row < kResultRowCount; ++row)
        if (kResultRows[static_cast<std::size_t>(row)].sheet == block) rows.push_back(row);
    return rows;
}

// A font whose size is given in twips (20 to the point), as the sheet is painted in twips.
QFont sheetFont(const char* family, int points, bool bold = false) {
    QFont font = japaneseFont(QCoreApplication::translate("PrintSheet", family), points);
    font.setPixelSize(points * 20);
    font.setBold(bold);
    return font;
}

QPen pen(const QColor& color, double pixels) {
    QPen p(color, pixels * kPixelTwips);
    p.setCapStyle(Qt::FlatCap);
    return p;
}

struct SheetRow {
    QString item, symbol, value;
};

// One ruled table: the caption, a grey header "項目" "記号" "結果", one line per row. A text longer
// than its cell (a message in place of a value) is cut with "…".
void paintTable(QPainter& painter, double left, double top, const QString& caption,
                const std::vector<SheetRow>& rows, const QFont& label, const QFont& value,
                const PrintSheet::Columns& widths) {
    const double tableWidth = widths.table();
    painter.setFont(label);
    painter.drawText(QRectF(left, top, tableWidth, kRowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     caption);
    const double header = top + kRowHeight;
    const double columns[] = {left, left + widths.item, left + widths.item + widths.symbol,
                              left + tableWidth};
    painter.fillRect(QRectF(left, header, tableWidth, kRowHeight), QColor(192, 192, 192));
    const ResultRowEntry& head = kResultRows[kHeaderRow];
    const QString heads[] = {sheetText("ResultRows", head.label),
                             sheetText("ResultRows", head.symbol),
                             sheetText("PrintSheet", kValueHead)};
    for (int c = 0; c < 3; ++c) {
        painter.drawText(QRectF(columns[c], header, columns[c + 1] - columns[c], kRowHeight),
                         Qt::AlignCenter, heads[c]);
    }
    const double bottom = header + kRowHeight * (1 + static_cast<double>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double y = header + kRowHeight * (1 + static_cast<double>(r));
        auto fitted = [&](const QString& text, double width) {
            return painter.fontMetrics().elidedText(text, Qt::ElideRight, int(width));
        };
        painter.setFont(label);
        const double itemWidth = widths.item - kItemIndent;
        painter.drawText(QRectF(columns[0] + kItemIndent, y, itemWidth, kRowHeight),
                         Qt::AlignVCenter | Qt::AlignLeft, fitted(rows[r].item, itemWidth));
        painter.drawText(QRectF(columns[1], y, widths.symbol, kRowHeight), Qt::AlignCenter,
                         fitted(rows[r].symbol, widths.symbol));
        painter.setFont(value);
        const double valueWidth = widths.value - kValueIndent;
        painter.drawText(QRectF(columns[2], y, valueWidth, kRowHeight),
                         Qt::AlignVCenter | Qt::AlignRight, fitted(rows[r].value, valueWidth));
    }
    for (std::size_t r = 0; r <= rows.size() + 1; ++r) {
        const double y = header + kRowHeight * static_cast<double>(r);
        painter.drawLine(QLineF(left, y, left + tableWidth, y));
    }
    for (double x : columns) painter.drawLine(QLineF(x, header, x, bottom));
}

}  // namespace

PrintSheet::PrintSheet(const Workspace& workspace, bool showOrigin, bool showCentroid)
    : workspace_(workspace), showOrigin_(showOrigin), showCentroid_(showCentroid) {}

void PrintSheet::setStressPage(StressSheetPage page) {
    if (page.valid())
        stressPage_ = std::move(page);
    else
        stressPage_.reset();
}

QString PrintSheet::fileNameText() const {
    const QString& path = workspace_.dataFileName;
    if (path.isEmpty()) return QStringLiteral("Untitled...");
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(slash + 1);
}

std::vector<int> PrintSheet::valueRows() {
    std::vector<int> rows;
    for (const BlockPlace& place : kBlocks) {
        const std::vector<int> block = rowsOf(place.block);
        rows.insert(rows.end(), block.begin(), block.end());
    }
    return rows;
}

std::vector<QString> PrintSheet::valueTexts() const {
    std::vector<QString> texts;
    const ResultTable& result = workspace_.resultGrid;
    const int col = result.cols() - 1;
    for (int row : valueRows()) texts.push_back(QString::fromStdString(result.text(row, col)));
    return texts;
}

QFont PrintSheet::labelFont(int points, bool bold) {
    return sheetFont(kLabelFamily, points, bold);
}

QString PrintSheet::pageTitle(int page) {
    return QCoreApplication::translate("PrintSheet", kPageTitle).arg(page);
}

QFont PrintSheet::valueFont() {
    return sheetFont(kValueFamily, 10);
}

QString PrintSheet::englishItem(int row) {
    return englishText("ResultRows", kResultRows[static_cast<std::size_t>(row)].label);
}

PrintSheet::Columns PrintSheet::columns(int page) {
    // Each column as wide as its longest text in Japanese or English, and never narrower than
    // the sheet has always had them; what the page cannot hold comes off the item column.
    const QFontMetricsF labels(labelFont());
    const QFontMetricsF values(valueFont());
    Columns c{kItemWidth, kSymbolWidth, kValueWidth};
    const ResultRowEntry& head = kResultRows[kHeaderRow];
    auto widen = [&](double& width, const QFontMetricsF& metrics, const QString& text,
                     double indent) {
        width = std::max(width, metrics.horizontalAdvance(text) + indent + kCellRoom);
    };
    widen(c.item, labels, QString::fromUtf8(head.label), 0);
    widen(c.item, labels, englishText("ResultRows", head.label), 0);
    widen(c.value, values, QString::fromUtf8(kValueHead), 0);
    widen(c.value, values, englishText("PrintSheet", kValueHead), 0);
    widen(c.value, values, QString::fromLatin1(kWidestValue), kValueIndent);
    for (const BlockPlace& place : kBlocks) {
        if (place.page != page) continue;
        for (int row : rowsOf(place.block)) {
            const ResultRowEntry& entry = kResultRows[static_cast<std::size_t>(row)];
            widen(c.item, labels, QString::fromUtf8(entry.label), kItemIndent);
            widen(c.item, labels, englishItem(row), kItemIndent);
            widen(c.symbol, labels, QString::fromUtf8(entry.symbol), 0);
        }
    }
    const double room =
        page == 1 ? kDrawingArea.left() - kLeft - 150 : (kWidth - 2 * kLeft - kTableGap) / 2;
    c.item = std::max(kItemWidth, std::min(c.item, room - c.symbol - c.value));
    return c;
}

void PrintSheet::paintBlocks(QPainter& painter, int page) const {
    const QFont label = labelFont();
    const QFont value = valueFont();
    const Columns widths = columns(page);
    const ResultTable& result = workspace_.resultGrid;
    const int col = result.cols() - 1;
    for (const BlockPlace& place : kBlocks) {
        if (place.page != page) continue;
        if ((place.block == SheetBlock::Torsion || place.block == SheetBlock::TorsionError) &&
            result.text(Property::TorsionConstant, col).empty())
            continue;
        if (place.block == SheetBlock::Composite && !hasComposite()) continue;
        std::vector<SheetRow> lines;
        for (int row : rowsOf(place.block)) {
            const ResultRowEntry& entry = kResultRows[static_cast<std::size_t>(row)];
            lines.push_back({sheetText("ResultRows", entry.label), QString::fromUtf8(entry.symbol),
                             QString::fromStdString(result.text(row, col))});
        }
        const double left = kLeft + place.column * (widths.table() + kTableGap);
        paintTable(painter, left, place.top, sheetText("PrintSheet", place.caption), lines, label,
                   value, widths);
    }
    if (page == 3 && hasComposite()) paintFigureMaterials(painter, label, value, widths);
    // The torsion analysis's notices are sentences, too long for a cell: they take the free space
    // at the foot of the second page's first column, wrapped to the width of a table.
    const QString notices = QString::fromStdString(result.text(Property::TorsionNotice, col));
    if (page == 2 && !notices.isEmpty() && notices != QLatin1String("-")) {
        painter.setFont(label);
        const QRectF box(kLeft, kNoticeTop, kTableWidth, kHeight - kNoticeTop - 60);
        painter.drawText(QRectF(box.left(), box.top(), box.width(), kRowHeight),
                         Qt::AlignVCenter | Qt::AlignLeft,
                         sheetText("ResultRows", propertyEntry(Property::TorsionNotice).label));
        painter.setFont(value);
        painter.drawText(box.adjusted(0, kRowHeight, 0, 0), Qt::AlignLeft | Qt::TextWordWrap,
                         notices);
    }
}

QRectF PrintSheet::drawingWindow() const {
    SectionView view(workspace_.addGrid, workspace_.subtractedGrid, workspace_.resultGrid,
                     workspace_.colors);
    view.showOrigin = showOrigin_;
    view.showCentroid = showCentroid_;
    view.autoScaleCheck = true;  // the printout always shows the fitted view
    view.setCanvasScale();
    return QRectF(QPointF(view.scaleLeft(), view.scaleTop()),
                  QPointF(view.scaleRight(), view.scaleBottom()));
}

void PrintSheet::paint(QPainter& painter, QSizeF pageSize, double dotsPerInch, int page) const {
    const double margin = kMarginTwips / kTwipsPerInch * dotsPerInch;
    const double scale = std::min((pageSize.width() - 2 * margin) / kWidth,
                                  (pageSize.height() - 2 * margin) / kHeight);
    painter.save();
    painter.translate(margin, margin);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    if (page == 1) {
        paintSheet(painter);
    } else if (stressPage_ && page == pageCount()) {
        stressPage_->paint(painter, kWidth, kHeight, page, fileNameText());
    } else {
        paintMoreValues(painter, page);
    }
    painter.restore();
}

void PrintSheet::paintSheet(QPainter& painter) const {
    const QColor black(Qt::black);
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);

    // Title with a double rule.
    painter.setPen(black);
    painter.setFont(sheetFont(kValueFamily, 20, true));
    const QRectF titleBox(0, 120, kWidth, 560);
    painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignVCenter,
                     QCoreApplication::translate("PrintSheet", "Kuvantoシート"));
    const double titleWidth = painter.fontMetrics().horizontalAdvance(
                                  QCoreApplication::translate("PrintSheet", "Kuvantoシート")) +
                              1200;
    const double titleLeft = (kWidth - titleWidth) / 2;
    painter.setPen(pen(black, 1));
    painter.drawLine(QLineF(titleLeft, 720, titleLeft + titleWidth, 720));
    painter.drawLine(QLineF(titleLeft, 780, titleLeft + titleWidth, 780));

    // "File Name :" box.
    const QFont label = labelFont();
    const QFont value = valueFont();
    const QRectF nameBox(kLeft, 990, kTableWidth, 400);
    painter.drawRect(nameBox);
    painter.setFont(label);
    painter.drawText(nameBox.adjusted(100, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     QCoreApplication::translate("PrintSheet", "File Name :"));
    painter.setFont(value);
    // A name longer than the box is cut with "…" rather than at the box's edge.
    const QRectF nameText = nameBox.adjusted(1500, 0, -100, 0);
    painter.drawText(
        nameText, Qt::AlignVCenter | Qt::AlignLeft,
        painter.fontMetrics().elidedText(fileNameText(), Qt::ElideMiddle, int(nameText.width())));

    paintBlocks(painter, 1);

    paintDrawing(painter);

    // The "Memo" box.
    const QRectF memo(kDrawingArea.left(), 9400, kDrawingArea.width(), 1100);
    painter.setPen(pen(black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(memo);
    painter.drawLine(
        QLineF(memo.left(), memo.top() + kRowHeight, memo.right(), memo.top() + kRowHeight));
    painter.setFont(label);
    painter.drawText(QRectF(memo.left() + 100, memo.top(), 2000, kRowHeight),
                     Qt::AlignVCenter | Qt::AlignLeft,
                     QCoreApplication::translate("PrintSheet", "Memo"));
}

void PrintSheet::paintMoreValues(QPainter& painter, int page) const {
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(kValueFamily, 14, true));
    const QString title = pageTitle(page);
    painter.drawText(QRectF(0, 120, kWidth, 560), Qt::AlignHCenter | Qt::AlignVCenter,
                     title + fileNameText());
    painter.setPen(pen(Qt::black, 1));
    paintBlocks(painter, page);
}

bool PrintSheet::hasComposite() const {
    const ResultTable& result = workspace_.resultGrid;
    return !workspace_.materials.noneAssigned() &&
           !result.text(Property::ReferenceModulus, result.cols() - 1).empty();
}

int PrintSheet::pageCount() const {
    return (hasComposite() ? 3 : 2) + (stressPage_ ? 1 : 0);
}

void PrintSheet::paintFigureMaterials(QPainter& painter, const QFont& label, const QFont& value,
                                      const Columns& widths) const {
    const ResultTable& result = workspace_.resultGrid;
    const int ratioRow = resultRow(Property::ModularRatio);
    std::vector<SheetRow> lines;
    int added = 0, subtracted = 0;
    for (int col = 1; col < result.cols(); ++col) {
        const ColumnKind kind = result.columnKind(col);
        if (kind != ColumnKind::Added && kind != ColumnKind::Subtracted) continue;
        const bool isAdded = kind == ColumnKind::Added;
        const int number = isAdded ? ++added : ++subtracted;
        const Material* material = workspace_.materials.materialOf(
            isAdded ? TableKind::Added : TableKind::Subtracted, number);
        lines.push_back({(isAdded ? QCoreApplication::translate("PrintSheet", "加算図形%1")
                                  : QCoreApplication::translate("PrintSheet", "減算図形%1"))
                             .arg(number),
                         material ? QString::fromStdString(material->name) : QStringLiteral("-"),
                         QString::fromStdString(result.text(ratioRow, col))});
    }
    const ResultRowEntry& ratio = propertyEntry(Property::ModularRatio);
    const QString caption = QCoreApplication::translate("PrintSheet", "[図形の材料]") +
                            QStringLiteral("  ") + sheetText("ResultRows", ratio.label) +
                            QStringLiteral(" ") + QString::fromUtf8(ratio.symbol);
    paintTable(painter, kLeft + widths.table() + kTableGap, kFigureMaterialsTop, caption, lines,
               label, value, widths);
}

void PrintSheet::paintDrawing(QPainter& painter) const {
    const QRectF area = kDrawingArea;
    painter.save();
    painter.setPen(pen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(area);
    painter.setClipRect(area);

    // World to sheet: the square coordinate window spread over the (not quite square) area.
    const QRectF window = drawingWindow();
    const double kx = area.width() / window.width();
    const double ky = area.height() / (window.top() - window.bottom());
    auto at = [&](double x, double y) {
        return QPointF(area.left() + (x - window.left()) * kx,
                       area.top() + (window.top() - y) * ky);
    };
    auto circle = [&](double x, double y, double r) {
        painter.drawEllipse(at(x, y), r * kx, r * ky);
    };
    painter.setBrush(Qt::NoBrush);

    // Segments between consecutive rows that both hold a vertex, as on the canvas.
    auto figures = [&](const CoordTable& grid, std::int32_t color) {
        painter.setPen(pen(bgrColor(static_cast<std::uint32_t>(color)), 2));
        QPainterPath path;
        bool open = false;
        for (int i = 1; i + 1 <= grid.rows() - 1; ++i) {
            const auto x0 = parseNumeric(grid.text(i, 0)), y0 = parseNumeric(grid.text(i, 1));
            const auto x1 = parseNumeric(grid.text(i + 1, 0)),
                       y1 = parseNumeric(grid.text(i + 1, 1));
            if (!x0 || !y0 || !x1 || !y1) {
                open = false;
                continue;
            }
            if (!open) path.moveTo(at(*x0, *y0));
            path.lineTo(at(*x1, *y1));
            open = true;
        }
        painter.drawPath(path);
    };
    figures(workspace_.addGrid, workspace_.colors.add);
    figures(workspace_.subtractedGrid, workspace_.colors.subtracted);

    const double r = window.width() / 100;
    if (showOrigin_) {
        // Yellow on a dark outline, so that the mark stays visible on white paper.
        for (const QPen& stroke : {pen(QColor(64, 64, 64), 3), pen(QColor(255, 255, 0), 1)}) {
            painter.setPen(stroke);
            circle(0, 0, r);
            circle(0, 0, r / 2);
            painter.drawLine(at(-2 * r, 0), at(2 * r, 0));
            painter.drawLine(at(0, 2 * r), at(0, -2 * r));
        }
    }
    const std::optional<Point> centroid = shownCentroid(workspace_.resultGrid);
    if (showCentroid_ && centroid) {
        const double x = centroid->x, y = centroid->y;
        const double half = window.width() / 3;
        painter.setPen(pen(QColor(255, 0, 255), 1));
        circle(x, y, r);
        circle(x, y, r / 2);
        painter.drawLine(at(x - half, y), at(x + half, y));
        painter.drawLine(at(x, y + half), at(x, y - half));
    }
    painter.setClipping(false);

    // The axes picture at the lower left corner: green Y arrow up, red X arrow right.
    const QPointF corner(area.left() + 250, area.bottom() - 250);
    auto arrow = [&](QPointF tip, QPointF wing1, QPointF wing2, const QColor& color) {
        painter.setPen(pen(color, 2));
        painter.drawLine(corner, tip);
        painter.drawLine(tip, wing1);
        painter.drawLine(tip, wing2);
    };
    arrow(corner + QPointF(0, -600), corner + QPointF(-90, -480), corner + QPointF(90, -480),
          QColor(0, 160, 0));
    arrow(corner + QPointF(600, 0), corner + QPointF(480, -90), corner + QPointF(480, 90),
          QColor(255, 0, 0));
    painter.restore();
}

bool PrintSheet::printOn(QPagedPaintDevice& device, QString* error) const {
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error) *error = QCoreApplication::translate("PrintSheet", "印刷を開始できません。");
        return false;
    }
    for (int page = 1; page <= pageCount(); ++page) {
        if (page > 1) device.newPage();
        paint(painter, QSizeF(device.width(), device.height()), device.logicalDpiX(), page);
    }
    if (!painter.end()) {
        if (error) *error = QCoreApplication::translate("PrintSheet", "印刷データを送れません。");
        return false;
    }
    return true;
}

bool PrintSheet::printTo(const QString& printerName, QString* error) const {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (printerName.isEmpty() || info.isNull()) {
        if (error)
            *error =
                printerName.isEmpty()
                    ? QCoreApplication::translate("PrintSheet", "プリンタが選択されていません。")
                    : QCoreApplication::translate("PrintSheet", "プリンタ %1 が見つかりません。")
                          .arg(printerName);
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(QCoreApplication::translate("PrintSheet", "Kuvantoシート"));
    if (!printOn(printer, error)) return false;
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        if (error)
            *error = QCoreApplication::translate("PrintSheet", "プリンタ %1 に送れませんでした。")
                         .arg(printerName);
        return false;
    }
    return true;
}

bool PrintSheet::writePdf(const QString& path, QString* error) const {
    // The page is made in memory and the file replaced in one safe write, so an existing file
    // is replaced only by a whole sheet.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QCoreApplication::translate("PrintSheet", "Kuvantoシート"));
        writer.setCreator(QStringLiteral("Kuvanto"));
        if (!printOn(writer, error)) return false;
    }
    const QByteArray& bytes = buffer.data();
    return writeFileSafely(path, std::string_view(bytes.constData(), bytes.size()), error);
}

}  // namespace kuvanto
