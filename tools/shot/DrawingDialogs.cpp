// The DXF import dialog for kuvanto-shot: over the drawing FILE when it is a .dxf file, otherwise
// over a small drawing made here (a plate with two holes and an open outline beside it), so the
// dialog can be looked at without a file.
#include <QFileInfo>
#include <numbers>

#include "DialogRegistry.h"
#include "core/drawing/CadDrawing.h"
#include "editing/DrawingImport.h"
#include "editing/Messenger.h"
#include "io/DxfReader.h"
#include "shapes/DxfImportDialog.h"

namespace kuvanto {

namespace {

CadDrawing demoDrawing() {
    CadDrawing drawing;
    CadLayer& plate = drawing.layer("PLATE");
    CadShape outline;
    outline.closed = true;
    const Point corners[] = {{0, 0}, {200, 0}, {200, 100}, {0, 100}};
    for (int i = 0; i < 4; ++i)
        outline.edges.push_back({corners[i], corners[(i + 1) % 4], false, {}});
    plate.shapes.push_back(outline);
    for (double x : {50.0, 150.0}) {
        CadShape hole;
        hole.closed = true;
        const EllipticArc arc{{x, 50}, {20, 0}, {0, 20}, 0, 2 * std::numbers::pi};
        hole.edges.push_back({arc.at(0), arc.at(0), true, arc});
        plate.shapes.push_back(hole);
    }
    CadLayer& sketch = drawing.layer("SKETCH");
    CadShape open;
    open.edges.push_back({{220, 0}, {260, 0}, false, {}});
    open.edges.push_back({{260, 0}, {260, 40}, false, {}});
    sketch.shapes.push_back(open);
    sketch.ignored = 3;
    return drawing;
}

}  // namespace

void registerDrawingDialogs(DialogRegistry& registry, const QString& drawingFile) {
    registry.add(
        QStringLiteral("Dxf_Import_Form"), [drawingFile](const DialogContext& c) -> QDialog* {
            CadDrawing drawing = demoDrawing();
            QString error;
            if (!drawingFile.isEmpty() && !DxfReader::readFile(drawingFile, drawing, &error)) {
                c.messenger.notice(error);
                return nullptr;
            }
            return new DxfImportDialog(
                DrawingImport(std::move(drawing)),
                drawingFile.isEmpty() ? QStringLiteral("demo.dxf") : drawingFile, c.work,
                c.messenger, c.parent);
        });
}

}  // namespace kuvanto
