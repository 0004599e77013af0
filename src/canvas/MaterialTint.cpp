// One layer per material: its added figures filled in its colour, its subtracted figures cleared
// from the layer, the layer laid over the picture. Figures of a great many vertices are thinned
// for the tint (a tint of the picture's resolution does not need every vertex).
#include "canvas/MaterialTint.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>

#include "core/section/Figures.h"

namespace kuvanto {

namespace {

constexpr int kTintAlpha = 95;
// Above this many vertices a figure's tint is made from every n-th vertex.
constexpr std::size_t kTintVertices = 20000;
constexpr int kLegendInset = 4;
constexpr int kSwatch = 12;

QPolygonF pixelPolygon(std::span<const Point> vertices, const SectionView& view, int pixels) {
    const std::size_t step = std::max<std::size_t>(1, vertices.size() / kTintVertices);
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(vertices.size() / step + 1));
    for (std::size_t i = 0; i < vertices.size(); i += step) {
        const WorldPt p = view.toPixel(vertices[i], pixels);
        polygon << QPointF(p.x, p.y);
    }
    return polygon;
}

int listIndex(const SectionMaterials& materials, const Material* material) {
    return static_cast<int>(material - materials.materials().data());
}

void paintLegend(QImage& image, const std::vector<LegendEntry>& legend) {
    QPainter p(&image);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    const QFontMetrics metrics(font);
    const int line = std::max(kSwatch, metrics.height()) + 2;
    int width = 0;
    for (const LegendEntry& entry : legend)
        width = std::max(width, metrics.horizontalAdvance(entry.name));
    const QRect box(image.width() - kLegendInset - (width + kSwatch + 14),
                    image.height() - kLegendInset - (line * static_cast<int>(legend.size()) + 6),
                    width + kSwatch + 14, line * static_cast<int>(legend.size()) + 6);
    p.fillRect(box, QColor(32, 32, 32, 200));
    int y = box.top() + 3;
    for (const LegendEntry& entry : legend) {
        const QRect swatch(box.left() + 4, y + (line - kSwatch) / 2, kSwatch, kSwatch);
        p.fillRect(swatch, materialColor(entry.colorIndex));
        p.setPen(QColor(230, 230, 230));
        p.drawText(QRect(swatch.right() + 6, y, width + 2, line), Qt::AlignVCenter | Qt::AlignLeft,
                   entry.name);
        y += line;
    }
}

}  // namespace

QColor materialColor(int index) {
    static const std::array<QColor, 8> palette = {
        QColor(90, 160, 230),  QColor(225, 180, 90), QColor(120, 205, 110), QColor(230, 110, 110),
        QColor(180, 140, 230), QColor(90, 210, 200), QColor(210, 210, 100), QColor(230, 140, 195),
    };
    return palette[static_cast<std::size_t>(std::max(0, index)) % palette.size()];
}

std::vector<LegendEntry> materialLegend(const SectionMaterials& materials) {
    std::vector<LegendEntry> legend;
    const std::vector<Material>& list = materials.materials();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const bool carried =
            std::any_of(materials.assignments().begin(), materials.assignments().end(),
                        [&](const FigureMaterial& a) { return a.name == list[i].name; });
        if (carried) legend.push_back({QString::fromStdString(list[i].name), static_cast<int>(i)});
    }
    return legend;
}

void paintMaterialTint(QImage& image, const SectionView& view, const CoordTable& add,
                       const CoordTable& subtracted, const SectionMaterials& materials) {
    if (materials.noneAssigned() || image.isNull()) return;
    const int pixels = image.width();
    // The figures of each material, added and subtracted, as polygons in pixels.
    struct Layer {
        std::vector<QPolygonF> added;
        std::vector<QPolygonF> subtracted;
    };
    std::vector<Layer> layers(materials.materials().size());
    for (const auto& [table, kind] :
         {std::pair{&add, TableKind::Added}, std::pair{&subtracted, TableKind::Subtracted}}) {
        int counter = 0;
        buildFigures(*table, kind, counter, [&](const Figure& figure) {
            const Material* material = materials.materialOf(kind, figure.number);
            if (!material || figure.vertices.size() < 3) return true;
            Layer& layer = layers[static_cast<std::size_t>(listIndex(materials, material))];
            (kind == TableKind::Added ? layer.added : layer.subtracted)
                .push_back(pixelPolygon(figure.vertices, view, pixels));
            return true;
        });
    }
    QImage mask(image.size(), QImage::Format_ARGB32_Premultiplied);
    for (std::size_t i = 0; i < layers.size(); ++i) {
        if (layers[i].added.empty()) continue;
        mask.fill(Qt::transparent);
        {
            QPainter p(&mask);
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(Qt::NoPen);
            QColor tint = materialColor(static_cast<int>(i));
            tint.setAlpha(kTintAlpha);
            p.setBrush(tint);
            // Overlapping figures of one material are one tint, not a darker one.
            p.setCompositionMode(QPainter::CompositionMode_Source);
            for (const QPolygonF& polygon : layers[i].added)
                p.drawPolygon(polygon, Qt::WindingFill);
            p.setCompositionMode(QPainter::CompositionMode_Clear);
            for (const QPolygonF& polygon : layers[i].subtracted)
                p.drawPolygon(polygon, Qt::WindingFill);
        }
        QPainter over(&image);
        over.drawImage(0, 0, mask);
    }
    const std::vector<LegendEntry> legend = materialLegend(materials);
    if (!legend.empty()) paintLegend(image, legend);
}

}  // namespace kuvanto
