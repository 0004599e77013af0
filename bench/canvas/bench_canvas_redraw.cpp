// Redrawing a section of a million vertices (a circle) into a 1000 x 1000 picture: the redraw
// with the parsed points cached, the redraw right after an edit of one cell, the first redraw of
// a freshly read table (every cell parsed), a redraw zoomed onto the rim, and as the floor a
// QPainter drawing the already merged polyline with the same pen.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>
#include <vector>

#include "canvas/ImagePainter.h"
#include "canvas/SectionView.h"
#include "core/base/NumberText.h"

using namespace kuvanto;

namespace {

constexpr int kVertices = 1'000'000;
constexpr int kPixels = 1000;

struct Section {
    CoordTable add, subtracted;
    ResultTable result;
    DrawColors colors;

    Section() {
        add.setRows(1);
        add.reserveRows(kVertices + 2);
        for (int i = 0; i <= kVertices; ++i) {
            const double t = 2 * std::numbers::pi * (i % kVertices) / kVertices;
            add.appendRow(numText(roundHalfEven(1000 * std::cos(t), 3)),
                          numText(roundHalfEven(1000 * std::sin(t), 3)));
        }
        add.appendRow("", "");
    }
};

Section& theSection() {
    static Section section;
    return section;
}

// Keeps the polylines a redraw hands over, as pixel positions.
class PolylineCapture : public ImagePainter {
public:
    using ImagePainter::ImagePainter;
    void polyline(std::span<const WorldPt> points, std::uint32_t color) override {
        QPolygonF& run = runs.emplace_back();
        for (const WorldPt& p : points) run.append(toPixel(p));
        ImagePainter::polyline(points, color);
    }
    std::vector<QPolygonF> runs;
};

void BM_RedrawCached(benchmark::State& state) {
    Section& s = theSection();
    SectionView view(s.add, s.subtracted, s.result, s.colors);
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    {
        ImagePainter painter(image);
        view.redrawSection(painter);
    }
    for (auto _ : state) {
        ImagePainter painter(image);
        view.redrawSection(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// An edit of one cell in the middle: the rows before and after it keep their numbers.
void BM_RedrawAfterEdit(benchmark::State& state) {
    Section& s = theSection();
    SectionView view(s.add, s.subtracted, s.result, s.colors);
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    {
        ImagePainter painter(image);
        view.redrawSection(painter);
    }
    const std::string original = s.add.text(kVertices / 2, 0);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        s.add.setText(kVertices / 2, 0, flip ? "0" : original);
        ImagePainter painter(image);
        view.redrawSection(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
    s.add.setText(kVertices / 2, 0, original);
}

// The first redraw of a table never seen before (as after reading a file): every cell parsed.
void BM_RedrawAfterLoad(benchmark::State& state) {
    Section& s = theSection();
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    for (auto _ : state) {
        SectionView view(s.add, s.subtracted, s.result, s.colors);
        ImagePainter painter(image);
        view.redrawSection(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_RedrawZoomedOnRim(benchmark::State& state) {
    Section& s = theSection();
    SectionView view(s.add, s.subtracted, s.result, s.colors);
    view.autoScaleCheck = false;
    view.viewMult = 0.01;
    view.viewOfsX = 1000;
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    {
        ImagePainter painter(image);
        view.redrawSection(painter);
    }
    for (auto _ : state) {
        ImagePainter painter(image);
        view.redrawSection(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The floor: clearing the picture and drawing the merged outline that the redraw produced.
void BM_FloorMergedPolyline(benchmark::State& state) {
    Section& s = theSection();
    SectionView view(s.add, s.subtracted, s.result, s.colors);
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    std::vector<QPolygonF> runs;
    {
        PolylineCapture capture(image);
        view.redrawSection(capture);
        runs = capture.runs;
    }
    qsizetype points = 0;
    for (const QPolygonF& run : runs) points += run.size();
    QPen pen(QColor(255, 0, 0));
    pen.setWidth(2);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::BevelJoin);
    for (auto _ : state) {
        image.fill(QColor(64, 64, 64));
        QPainter p(&image);
        p.setPen(pen);
        for (const QPolygonF& run : runs) p.drawPolyline(run);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] = static_cast<double>(points);
}

}  // namespace

BENCHMARK(BM_RedrawCached)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawAfterEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawAfterLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawZoomedOnRim)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorMergedPolyline)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
