// DXF options and reading for kuvanto-calc.
#include "CalcDxf.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "core/base/NumberText.h"
#include "core/drawing/DrawingSections.h"
#include "io/DxfReader.h"

namespace kuvanto {

namespace {

void writeLine(std::FILE* stream, const QString& text) {
    const QByteArray bytes = (QStringLiteral("kuvanto-calc: ") + text + '\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

}  // namespace

bool CalcDxf::isDxfFile(const QString& path) {
    return path.endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive);
}

std::optional<bool> CalcDxf::parseOption(const QStringList& args, int& i, DxfCalcOptions& options,
                                         QString* error) {
    const QString& arg = args[i];
    if (arg == QLatin1String("--join")) {
        options.join = true;
        return true;
    }
    if (arg == QLatin1String("--hidden-layers")) {
        options.includeHidden = true;
        return true;
    }
    static const QStringList names = {"--layer", "--unit", "--scale", "--chord-error"};
    QString name = arg;
    QString value;
    const int equals = arg.indexOf('=');
    if (equals > 0) {
        name = arg.left(equals);
        value = arg.mid(equals + 1);
    }
    if (!names.contains(name)) return std::nullopt;
    auto fail = [&](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    if (equals < 0) {
        if (i + 1 >= args.size()) return fail(QStringLiteral("%1 needs a value").arg(name));
        value = args[++i];
    }
    if (name == QLatin1String("--layer")) {
        options.layers << value;
        return true;
    }
    if (name == QLatin1String("--unit")) {
        DrawingUnit unit;
        if (!DxfImport::parseUnit(value, &unit))
            return fail(QStringLiteral("--unit: \"%1\" is not one of %2")
                            .arg(value, DxfImport::unitNames()));
        options.unit = unit;
        return true;
    }
    const std::optional<double> number = parseNumeric(value.toStdString());
    if (!number || !std::isfinite(*number) || *number <= 0 ||
        (name == QLatin1String("--chord-error") && *number > 1e6) ||
        (name == QLatin1String("--scale") && (*number > 1e6 || *number < 1e-6)))
        return fail(QStringLiteral("%1: \"%2\" is not a usable positive number").arg(name, value));
    (name == QLatin1String("--scale") ? options.scale : options.chordError) = *number;
    return true;
}

CalcDxf::Filled CalcDxf::fillTables(const QString& path, const DxfCalcOptions& options,
                                    CoordTable& add, CoordTable& subtracted, std::FILE* err) {
    CadDrawing drawing;
    QString error;
    if (!DxfReader::readFile(path, drawing, &error)) {
        writeLine(err, error);
        return Filled::Unreadable;
    }
    DxfImportOptions import;
    import.unit = options.unit.value_or(DxfImport::unitOfDrawing(drawing));
    if (!options.unit) {
        const QString assumed = DxfImport::assumedUnitNotice(drawing);
        if (!assumed.isEmpty()) writeLine(err, assumed);
    }
    import.scale = options.scale;
    import.chordError = options.chordError;
    import.join = options.join;
    import.includeHidden = options.includeHidden;
    for (const QString& notice : DxfImport::readingNotices(drawing)) writeLine(err, notice);
    for (const QString& layer : options.layers) {
        const std::string name = layer.toStdString();
        if (std::none_of(drawing.layers.begin(), drawing.layers.end(),
                         [&](const CadLayer& l) { return l.name == name; })) {
            QStringList names;
            for (const CadLayer& l : drawing.layers) names << QString::fromStdString(l.name);
            writeLine(err, QCoreApplication::translate(
                               "CalcDxf", "%2 に画層「%1」がありません。図面の画層: %3")
                               .arg(layer, path, names.join(QStringLiteral(", "))));
            return Filled::Unreadable;
        }
        import.layers.push_back(name);
    }
    std::vector<LayerOutlines> layers;
    if (!DxfImport::outline(drawing, import, layers, &error)) {
        writeLine(err, error);
        return Filled::Unreadable;
    }
    const double factor = DxfImport::unitFactor(import.unit) * import.scale;
    for (const LayerOutlines& layer : layers) {
        if (!DxfImport::chooses(import, layer)) {
            if (layer.hidden && (!layer.loops.empty() || !layer.problems.empty()))
                writeLine(err, QCoreApplication::translate(
                                   "CalcDxf",
                                   "画層「%1」はオフまたはフリーズのため読みません"
                                   "（閉じた輪郭 %2）。読むには --hidden-layers")
                                   .arg(QString::fromStdString(layer.name))
                                   .arg(layer.loops.size()));
            continue;
        }
        const QString summary = DxfImport::layerSummary(layer, factor);
        if (!summary.isEmpty()) writeLine(err, summary);
    }
    const SectionFigures figures = DxfImport::figures(layers, import);
    for (const FigureClash& clash : figures.clashes) writeLine(err, DxfImport::clashText(clash));
    const QString reason = DxfImport::noSectionReason(layers, import, figures);
    if (!reason.isEmpty()) {
        writeLine(err, reason);
        return Filled::NoSection;
    }
    DrawingSections::replaceTables(add, subtracted, figures);
    return Filled::Yes;
}

std::string CalcDxf::helpText() {
    return "A FILE ending in .dxf is read as a DXF drawing (text DXF, R12 to 2018): its closed\n"
           "outlines (polylines with bulges, circles, ellipses, lines and arcs joined end to\n"
           "end, blocks as inserted) become figures; a loop inside an odd number of others is\n"
           "subtracted; a hole may touch its outline and plates may touch each other. Open,\n"
           "self-intersecting and crossing loops are reported on standard error and left\n"
           "out; an outline drawn twice is read once. DXF options:\n"
           "  --layer NAME   use only this layer (repeatable); default every layer.\n"
           "  --unit U       the drawing's unit, any the DXF format defines: mm, cm, m, in,\n"
           "                 ft, yd, mi, um, nm, dm, dam, hm, km, Gm, angstrom, uin, mil,\n"
           "                 au, ly, pc, us-ft, us-in, us-yd, us-mi (default: the unit the\n"
           "                 drawing declares; a drawing that declares none is read in mm,\n"
           "                 which is said on standard error); results are in mm.\n"
           "  --scale S      multiply the drawing by S after the unit.\n"
           "  --chord-error E  largest distance in mm of a chord from its arc, ellipse or\n"
           "                 spline; default 64 chords per quarter circle, as the shape\n"
           "                 library's fillets (splines: a hundred-thousandth of their size).\n"
           "  --join         join outlines that cross into one figure (a built-up\n"
           "                 section); by default they are reported and left out.\n"
           "  --hidden-layers  read layers that are off or frozen too; by default they\n"
           "                 are left out (as CAD shows the drawing) unless named by\n"
           "                 --layer.\n";
}

}  // namespace kuvanto
