// Outline building and table writing for the drawing import.
#include "core/drawing/DrawingSections.h"

#include <algorithm>
#include <cmath>

#include "core/base/NumberText.h"
#include "core/drawing/LoopChecks.h"

namespace kuvanto {

double DrawingSections::joinTolerance(const CadDrawing& drawing) {
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    auto grow = [&](Point p) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    };
    for (const CadLayer& layer : drawing.layers)
        for (const CadShape& shape : layer.shapes)
            for (const CadEdge& edge : shape.edges) grow(edge.start), grow(edge.end);
    if (!(maxX >= minX)) return 1e-9;
    const double size = std::max(maxX - minX, maxY - minY);
    const double magnitude =
        std::max({std::abs(minX), std::abs(maxX), std::abs(minY), std::abs(maxY)});
    return std::max({size * 1e-6, magnitude * 1e-12, 1e-300});
}

bool DrawingSections::outlineLayers(const CadDrawing& drawing, const ChordRule& rule,
                                    std::vector<LayerOutlines>& layers, std::size_t pointLimit) {
    const double tolerance = joinTolerance(drawing);
    const bool exported = isExportedSection(drawing);
    std::size_t budget = pointLimit;
    layers.clear();
    for (const CadLayer& layer : drawing.layers) {
        LayerOutlines out;
        out.name = layer.name;
        out.ignored = layer.ignored;
        out.ignoredKinds = layer.ignoredKinds;
        out.hidden = layer.hidden;
        out.tolerance = tolerance;
        ChainedLoops chained;
        std::vector<std::vector<Point>> pieces;
        for (const CadShape& shape : layer.shapes) {
            std::vector<Point> points;
            if (!CurveFlattening::shapePoints(shape, rule, points, budget)) return false;
            if (points.size() < 2) continue;
            if (shape.closed) {
                if (LoopChaining::tidyLoop(points, tolerance, chained.problems))
                    chained.loops.push_back(std::move(points));
            } else {
                pieces.push_back(std::move(points));
            }
        }
        LoopChaining::chain(pieces, tolerance, chained);
        out.problems = std::move(chained.problems);
        for (std::vector<Point>& loop : chained.loops) {
            // The export's figures are the tables' own, seams and all.
            if (exported) {
                out.loops.push_back(std::move(loop));
                continue;
            }
            std::vector<LoopProblem> found =
                LoopChecks::selfIntersections(loop, 64 * loop.size() + 1'000'000);
            if (found.empty())
                out.loops.push_back(std::move(loop));
            else
                out.problems.insert(out.problems.end(), found.begin(), found.end());
        }
        layers.push_back(std::move(out));
    }
    return true;
}

bool DrawingSections::isExportedSection(const CadDrawing& drawing) {
    bool any = false;
    for (const CadLayer& layer : drawing.layers) {
        if (layer.shapes.empty()) continue;
        if (layer.name != kAddedLayer && layer.name != kSubtractedLayer) return false;
        any = true;
    }
    return any;
}

SectionFigures DrawingSections::figures(const std::vector<const LayerOutlines*>& layers,
                                        double scale, bool join) {
    SectionFigures result;
    auto scaled = [scale](std::vector<Point> figure) {
        for (Point& p : figure) p = {p.x * scale, p.y * scale};
        return figure;
    };
    bool exported = false;
    for (const LayerOutlines* layer : layers) {
        if (layer->loops.empty()) continue;
        exported = layer->name == kAddedLayer || layer->name == kSubtractedLayer;
        if (!exported) break;
    }
    if (exported) {
        for (const LayerOutlines* layer : layers)
            for (const std::vector<Point>& loop : layer->loops) {
                std::vector<Point> figure = scaled(loop);
                figure.push_back(figure.front());
                (layer->name == kSubtractedLayer ? result.subtracted : result.added)
                    .push_back(std::move(figure));
            }
        return result;
    }

    std::vector<std::vector<Point>> loops;
    std::vector<const LayerOutlines*> layerOf;
    double tolerance = 0;
    for (const LayerOutlines* layer : layers) {
        loops.insert(loops.end(), layer->loops.begin(), layer->loops.end());
        layerOf.insert(layerOf.end(), layer->loops.size(), layer);
        tolerance = std::max(tolerance, layer->tolerance);
    }
    NestedOutlines nested = OutlineNesting::nest(std::move(loops), tolerance, join);
    for (std::size_t i = 0; i < nested.loops.size(); ++i) {
        std::vector<Point> figure = scaled(std::move(nested.loops[i]));
        if (LoopChecks::doubleArea(figure) < 0) std::reverse(figure.begin(), figure.end());
        figure.push_back(figure.front());
        (nested.depth[i] % 2 == 1 ? result.subtracted : result.added).push_back(std::move(figure));
    }
    for (const LoopClash& clash : nested.clashes)
        result.clashes.push_back({clash.kind,
                                  layerOf[static_cast<std::size_t>(clash.loop)]->name,
                                  layerOf[static_cast<std::size_t>(clash.other)]->name,
                                  {clash.where.x * scale, clash.where.y * scale}});
    return result;
}

std::string DrawingSections::coordinateText(double value) {
    return numText(roundHalfEven(value, 9) + 0.0);
}

int DrawingSections::insertFigures(CoordTable& grid, int row,
                                   const std::vector<std::vector<Point>>& figures) {
    row = std::clamp(row, 1, std::max(1, grid.rows() - 1));
    std::size_t count = 0;
    for (const std::vector<Point>& figure : figures) count += figure.size() + 1;
    if (count == 0) return 0;
    grid.insertRows(row, static_cast<int>(count));
    int r = row;
    for (const std::vector<Point>& figure : figures) {
        for (const Point& p : figure) {
            grid.setText(r, 0, coordinateText(p.x));
            grid.setText(r, 1, coordinateText(p.y));
            ++r;
        }
        grid.setText(r++, 0, kSeparatorText);
    }
    return static_cast<int>(count);
}

void DrawingSections::replaceTables(CoordTable& add, CoordTable& subtracted,
                                    const SectionFigures& figures) {
    resetCoordTable(add, subtracted);
    for (auto [grid, list] :
         {std::pair{&add, &figures.added}, {&subtracted, &figures.subtracted}}) {
        const int inserted = insertFigures(*grid, 1, *list);
        // No separator after the last figure, as the files are written.
        if (inserted > 0) grid->removeRows(inserted, 1);
        grid->setRow(1);
    }
}

}  // namespace kuvanto
