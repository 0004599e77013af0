// The model behind the DXF import dialog: a drawing that has been read, the choices made on it
// (layers, unit, scale, chord error), the loops and faults those give, and the command that puts
// the figures into the tables, replacing them or inserting at each table's current row as the
// CSV insertion does, followed by an undo snapshot. Everything here runs without a window.
#pragma once

#include <QString>
#include <vector>

#include "core/drawing/CadDrawing.h"
#include "core/drawing/DrawingSections.h"
#include "io/DxfImport.h"

namespace kuvanto {

class Workspace;

class DrawingImport {
public:
    enum class Placement { ReplaceTables, InsertAtCurrentRow };

    explicit DrawingImport(CadDrawing drawing);

    const CadDrawing& drawing() const { return drawing_; }
    const DxfImportOptions& options() const { return options_; }

    // Turns the drawing into loops for the options; false with `error` when it needs too many
    // points (the previous loops stay).
    bool setOptions(const DxfImportOptions& options, QString* error);
    const std::vector<LayerOutlines>& layers() const { return layers_; }
    // Why the drawing gave no loops at the options first set; empty when it did.
    const QString& firstError() const { return firstError_; }
    // Table units per drawing unit.
    double factor() const;

    // The figures of the chosen layers, in table units.
    SectionFigures figures() const { return DxfImport::figures(layers_, options_); }
    // One line per chosen layer of what it left out (DxfImport::layerSummary).
    QStringList problemTexts() const;

    // Puts the figures into the workspace's tables and takes a snapshot. Returns the number of
    // figures put in (0 changes nothing).
    int apply(Workspace& work, Placement placement) const;

private:
    bool chosen(const LayerOutlines& layer) const;

    CadDrawing drawing_;
    DxfImportOptions options_;
    std::vector<LayerOutlines> layers_;
    QString firstError_;
};

}  // namespace kuvanto
