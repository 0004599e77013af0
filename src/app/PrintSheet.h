// The printed sheet: one landscape page with the title, the file name, the combined results of
// the section in three tables, the figures drawn to scale with the origin and centroid marks, and
// an empty "Memo" box; a second with the further values; and a third with the stresses under
// loads of the loads panel's shown case, when there is one. The sheet is painted straight onto the
// page with QPainter (vector text and lines), scaled to fit inside margins of 200 twips, so
// printing needs no screen capture and never touches the clipboard.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "app/StressSheetPage.h"
#include "canvas/SectionPainter.h"
#include "editing/Workspace.h"

class QPainter;
class QPagedPaintDevice;

namespace kuvanto {

class PrintSheet {
public:
    // The sheet's own coordinate system in twips (the size of the sheet window it stands for).
    static constexpr double kWidth = 15360;
    static constexpr double kHeight = 10650;
    static constexpr double kMarginTwips = 200;
    // The drawing area on the sheet.
    static constexpr QRectF kDrawingArea{6450, 990, 8355, 8235};

    // The result-table rows whose combined value the sheet shows, block by block in table order
    // (the rows that name a sheet block in kResultRows), the first page's blocks first.
    static std::vector<int> valueRows();

    // The widths of the three columns of the tables on a page, in twips: each as wide as its
    // longest text in either language, so that the sheet has one layout in both.
    struct Columns {
        double item = 0, symbol = 0, value = 0;
        double table() const { return item + symbol + value; }
    };
    static Columns columns(int page);
    // The fonts of the tables' labels and symbols (also the stress page's texts), and of their
    // values.
    static QFont labelFont(int points = 10, bool bold = false);
    static QFont valueFont();
    // The title of a page of values after the first, with its number, in the interface's language.
    static QString pageTitle(int page);
    // The English item text of a result row, whatever the interface's language.
    static QString englishItem(int row);

    // The marks follow the window's switches "原点表示" and "図心表示".
    PrintSheet(const Workspace& workspace, bool showOrigin, bool showCentroid);

    // The text of the "File Name :" field: the file-name part of the last coordinate file, or
    // "Untitled...".
    QString fileNameText() const;
    // The value fields, in the order of valueRows(): the texts of the combined column.
    std::vector<QString> valueTexts() const;
    // The coordinate window of the drawing area (left, top, right, bottom), fitted to the figures.
    QRectF drawingWindow() const;

    // Paints page 1 (the eighteen basic values and the drawing), page 2 (the principal axes,
    // the moduli per fibre and the plastic values), page 3 (the composite block and the figures'
    // materials) or the stress page, the last, on a page of the given size in device pixels at
    // `dotsPerInch`.
    void paint(QPainter& painter, QSizeF pageSize, double dotsPerInch, int page = 1) const;
    // The most pages of values a sheet has, and the pages of this one: the third only when the
    // figures carry materials and the calculation gave the composite block; after them, a page
    // with the stresses under loads when one was set.
    static constexpr int kPages = 3;
    int pageCount() const;
    bool hasComposite() const;
    void setStressPage(StressSheetPage page);

    // Sets the device to landscape A4 without margins and paints the sheet on its two pages.
    // False (and `error`) when painting could not begin.
    bool printOn(QPagedPaintDevice& device, QString* error = nullptr) const;

    // Prints the sheet on the installed printer of that name. False (and `error`) when there is
    // no such printer or the page could not be produced.
    bool printTo(const QString& printerName, QString* error = nullptr) const;

    // Writes the sheet as a PDF file. False (and `error`) when it cannot be written.
    bool writePdf(const QString& path, QString* error = nullptr) const;

private:
    void paintSheet(QPainter& painter) const;
    void paintMoreValues(QPainter& painter, int page) const;
    void paintFigureMaterials(QPainter& painter, const QFont& label, const QFont& value,
                              const Columns& widths) const;
    // The blocks of result rows on the page.
    void paintBlocks(QPainter& painter, int page) const;
    void paintDrawing(QPainter& painter) const;

    const Workspace& workspace_;
    bool showOrigin_;
    bool showCentroid_;
    std::optional<StressSheetPage> stressPage_;
};

}  // namespace kuvanto
