// The materials on the canvas: each material the section lists has a colour of its own; the
// figures that carry it are tinted in that colour over the drawing (a subtracted figure takes its
// material's tint away again, so that a filled tube shows a steel ring around its concrete
// core), and a legend at the bottom right names the colours of the materials the figures carry.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

#include "canvas/SectionView.h"
#include "core/section/SectionMaterials.h"

namespace kuvanto {

// The colour of the material at `index` of the section's list; the colours repeat after a while.
QColor materialColor(int index);

// The legend's lines: the materials some figure carries, in the section's order, each with the
// place in that order that gives its colour.
struct LegendEntry {
    QString name;
    int colorIndex = 0;
};
std::vector<LegendEntry> materialLegend(const SectionMaterials& materials);

// Tints the figures that carry materials over the picture of the section, in the coordinate
// window `view` drew it with, and paints the legend. Nothing when no figure carries one.
void paintMaterialTint(QImage& image, const SectionView& view, const CoordTable& add,
                       const CoordTable& subtracted, const SectionMaterials& materials);

}  // namespace kuvanto
