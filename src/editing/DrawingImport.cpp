// The DXF import model.
#include "editing/DrawingImport.h"

#include <QStringList>
#include <algorithm>

#include "editing/TableChange.h"
#include "editing/Workspace.h"

namespace kuvanto {

DrawingImport::DrawingImport(CadDrawing drawing) : drawing_(std::move(drawing)) {
    options_.unit = DxfImport::unitOfDrawing(drawing_);
    setOptions(options_, &firstError_);
}

bool DrawingImport::setOptions(const DxfImportOptions& options, QString* error) {
    std::vector<LayerOutlines> layers;
    if (!DxfImport::outline(drawing_, options, layers, error)) return false;
    options_ = options;
    layers_ = std::move(layers);
    return true;
}

double DrawingImport::factor() const {
    return DxfImport::unitFactor(options_.unit) * options_.scale;
}

bool DrawingImport::chosen(const LayerOutlines& layer) const {
    return options_.layers.empty() || std::find(options_.layers.begin(), options_.layers.end(),
                                                layer.name) != options_.layers.end();
}

QStringList DrawingImport::problemTexts() const {
    QStringList texts;
    for (const LayerOutlines& layer : layers_) {
        if (!chosen(layer)) continue;
        const QString summary = DxfImport::layerSummary(layer, factor());
        if (!summary.isEmpty()) texts << summary;
    }
    return texts;
}

int DrawingImport::apply(Workspace& work, Placement placement) const {
    const SectionFigures section = figures();
    const int count = static_cast<int>(section.added.size() + section.subtracted.size());
    if (count == 0) return 0;
    TableChange change(work);
    if (placement == Placement::ReplaceTables) {
        DrawingSections::replaceTables(work.addGrid, work.subtractedGrid, section);
    } else {
        for (auto [grid, list] : {std::pair{&work.addGrid, &section.added},
                                  {&work.subtractedGrid, &section.subtracted}}) {
            const int row = grid->row();
            const int inserted = DrawingSections::insertFigures(*grid, row, *list);
            grid->setRow(std::clamp(row + inserted, 1, grid->rows() - 1));
        }
    }
    work.resetResults();
    return count;
}

}  // namespace kuvanto
