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

#include "DgrmView.h"
#include "ImagePainter.h"
#include "NumText.h"

using namespace kuvanto;

namespace {

constexpr int kVertices = 1'000'000;
constexpr int kPixels = 1000;

struct Section {
    CoodGrid add, sbtrt;
    ResultGrid result;
    DrawColors colors;

    Section() {
        add.Set_Rows(kVertices + 3);
        std::vector<std::string>& cells = add.Cells();
        for (int i = 0; i <= kVertices; ++i) {
            const double t = 2 * std::numbers::pi * (i % kVertices) / kVertices;
            cells[(i + 1) * 2] = Num_Text(Round_Half_Even(1000 * std::cos(t), 3));
            cells[(i + 1) * 2 + 1] = Num_Text(Round_Half_Even(1000 * std::sin(t), 3));
        }
        add.Touch();
    }
};

Section& The_Section() {
    static Section section;
    return section;
}

// Keeps the polylines a redraw hands over, as pixel positions.
class PolylineCapture : public ImagePainter {
public:
    using ImagePainter::ImagePainter;
    void Polyline(std::span<const WorldPt> points, std::uint32_t color) override {
        QPolygonF& run = runs.emplace_back();
        for (const WorldPt& p : points) run.append(To_Pixel(p));
        ImagePainter::Polyline(points, color);
    }
    std::vector<QPolygonF> runs;
};

void BM_Redraw_Cached(benchmark::State& state) {
    Section& s = The_Section();
    DgrmView view(s.add, s.sbtrt, s.result, s.colors);
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    {
        ImagePainter painter(image);
        view.Redraw_Dgrm(painter);
    }
    for (auto _ : state) {
        ImagePainter painter(image);
        view.Redraw_Dgrm(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// An edit of one cell in the middle: the rows before and after it keep their numbers.
void BM_Redraw_After_Edit(benchmark::State& state) {
    Section& s = The_Section();
    DgrmView view(s.add, s.sbtrt, s.result, s.colors);
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    {
        ImagePainter painter(image);
        view.Redraw_Dgrm(painter);
    }
    const std::string original = s.add.Text(kVertices / 2, 0);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        s.add.Set_Text(kVertices / 2, 0, flip ? "0" : original);
        ImagePainter painter(image);
        view.Redraw_Dgrm(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
    s.add.Set_Text(kVertices / 2, 0, original);
}

// The first redraw of a table never seen before (as after reading a file): every cell parsed.
void BM_Redraw_After_Load(benchmark::State& state) {
    Section& s = The_Section();
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    for (auto _ : state) {
        DgrmView view(s.add, s.sbtrt, s.result, s.colors);
        ImagePainter painter(image);
        view.Redraw_Dgrm(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_Redraw_Zoomed_On_Rim(benchmark::State& state) {
    Section& s = The_Section();
    DgrmView view(s.add, s.sbtrt, s.result, s.colors);
    view.Auto_Scale_Check = false;
    view.View_Mult = 0.01;
    view.View_Ofs_X = 1000;
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    {
        ImagePainter painter(image);
        view.Redraw_Dgrm(painter);
    }
    for (auto _ : state) {
        ImagePainter painter(image);
        view.Redraw_Dgrm(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The floor: clearing the picture and drawing the merged outline that the redraw produced.
void BM_Floor_Merged_Polyline(benchmark::State& state) {
    Section& s = The_Section();
    DgrmView view(s.add, s.sbtrt, s.result, s.colors);
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    std::vector<QPolygonF> runs;
    {
        PolylineCapture capture(image);
        view.Redraw_Dgrm(capture);
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

BENCHMARK(BM_Redraw_Cached)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_After_Edit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_After_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_Zoomed_On_Rim)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_Merged_Polyline)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
