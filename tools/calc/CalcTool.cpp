// The command-line calculator's run: argument parsing, reading the coordinate file into fresh
// tables, the calculation into a fresh result table, and the text, JSON and mass outputs. The
// tables and the result table are the same ones the window uses, so that the printed numbers are
// exactly the texts the result view would show.
#include "CalcTool.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "CalcJson.h"
#include "CalcStress.h"
#include "CalcTorsion.h"
#include "core/base/NumberText.h"
#include "core/section/Calculation.h"
#include "core/section/Mass.h"
#include "core/shapes/OutlineInsertion.h"
#include "core/table/CoordTable.h"
#include "core/torsion/TorsionRows.h"
#include "io/CoordCsv.h"
#include "io/DxfWriter.h"
#include "io/LoadCaseFile.h"
#include "io/ResultExport.h"
#include "io/ResultTexts.h"
#include "io/SafeWrite.h"
#include "io/ShippedLibrary.h"
#include "io/TextFile.h"

namespace kuvanto {

namespace {

void Write(std::FILE* stream, std::string_view text) {
    if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stream);
}

void writeLine(std::FILE* stream, std::string_view text) {
    Write(stream, text);
    Write(stream, "\n");
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A text of the core in the interface language.
std::string shownText(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str()).toStdString();
}

// The result table with its items, headings and column heads in the interface language (the
// same table in Japanese).
ResultTable shownTable(const ResultTable& result) {
    ResultTable shown = result;
    for (int row = 0; row < ResultTable::kRows; ++row)
        if (!result.text(row, 0).empty())
            shown.setText(row, 0, ResultTexts::item(row).toStdString());
    for (int col = 0; col < result.cols(); ++col)
        shown.setText(kHeaderRow, col, ResultTexts::columnHead(result, col).toStdString());
    return shown;
}

}  // namespace

std::optional<CalcOptions> CalcTool::parseArgs(const QStringList& args, QString* error) {
    CalcOptions options;
    QStringList files;
    bool optionsEnd = false;
    auto fail = [&](const QString& reason) -> std::optional<CalcOptions> {
        if (error) *error = reason;
        return std::nullopt;
    };
    bool torsionSetting = false;  // --nu or --mesh-size given
    auto positiveNumber = [](const QString& text, double* value) -> bool {
        const std::optional<double> number = parseNumeric(text.toStdString());
        if (!number || !std::isfinite(*number)) return false;
        *value = *number;
        return true;
    };
    auto setDensity = [&](const QString& text) -> bool {
        // The strict numeric grammar of the coordinate cells: "nan", "inf", "1,5" are refused.
        const std::optional<double> value = parseNumeric(text.toStdString());
        if (!value || !std::isfinite(*value)) return false;
        options.density = *value;
        return true;
    };

    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnd || arg == QLatin1String("-") || !arg.startsWith(QLatin1Char('-'))) {
            files << arg;
        } else if (arg == QLatin1String("--")) {
            optionsEnd = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else if (arg == QLatin1String("--library")) {
            options.library = true;
        } else if (arg == QLatin1String("--export-dxf")) {
            if (i + 1 >= args.size()) return fail(QStringLiteral("--export-dxf needs a file name"));
            options.exportDxf = args[++i];
        } else if (arg.startsWith(QLatin1String("--export-dxf="))) {
            options.exportDxf = arg.mid(13);
        } else if (arg == QLatin1String("--shape")) {
            if (i + 1 >= args.size()) return fail(QStringLiteral("--shape needs a part name"));
            options.shape = args[++i];
        } else if (arg.startsWith(QLatin1String("--shape="))) {
            options.shape = arg.mid(8);
        } else if (arg == QLatin1String("--torsion")) {
            options.torsion = true;
        } else if (arg == QLatin1String("--nu") || arg.startsWith(QLatin1String("--nu="))) {
            if (arg == QLatin1String("--nu") && i + 1 >= args.size())
                return fail(QStringLiteral("--nu needs a value (Poisson's ratio)"));
            const QString value = arg == QLatin1String("--nu") ? args[++i] : arg.mid(5);
            if (!positiveNumber(value, &options.poissonRatio) || options.poissonRatio < 0 ||
                options.poissonRatio >= 0.5)
                return fail(QStringLiteral("--nu: %1 is not a number from 0 to below 0.5")
                                .arg(Quoted(value)));
            torsionSetting = true;
        } else if (arg == QLatin1String("--mesh-size") ||
                   arg.startsWith(QLatin1String("--mesh-size="))) {
            if (arg == QLatin1String("--mesh-size") && i + 1 >= args.size())
                return fail(QStringLiteral("--mesh-size needs a value (mm)"));
            const QString value = arg == QLatin1String("--mesh-size") ? args[++i] : arg.mid(12);
            if (!positiveNumber(value, &options.meshSize) || !(options.meshSize > 0))
                return fail(
                    QStringLiteral("--mesh-size: %1 is not a positive number").arg(Quoted(value)));
            torsionSetting = true;
        } else if (arg == QLatin1String("--loads") || arg.startsWith(QLatin1String("--loads="))) {
            if (arg == QLatin1String("--loads") && i + 1 >= args.size())
                return fail(QStringLiteral("--loads needs the actions, for example N=1000,Mx=2e6"));
            const QString value = arg == QLatin1String("--loads") ? args[++i] : arg.mid(8);
            LoadCase loads;
            loads.name = "loads";
            std::string reason;
            if (options.loads) return fail(QStringLiteral("--loads given twice"));
            if (!parseLoadActions(value.toStdString(), loads, &reason))
                return fail(QStringLiteral("--loads: %1").arg(QString::fromStdString(reason)));
            options.loads = loads;
        } else if (arg == QLatin1String("--loads-file") ||
                   arg.startsWith(QLatin1String("--loads-file="))) {
            if (arg == QLatin1String("--loads-file") && i + 1 >= args.size())
                return fail(QStringLiteral("--loads-file needs a file of load cases"));
            options.loadsFile = arg == QLatin1String("--loads-file") ? args[++i] : arg.mid(13);
            if (options.loadsFile.isEmpty())
                return fail(QStringLiteral("--loads-file needs a file of load cases"));
        } else if (arg == QLatin1String("--stress-csv") ||
                   arg.startsWith(QLatin1String("--stress-csv="))) {
            if (arg == QLatin1String("--stress-csv") && i + 1 >= args.size())
                return fail(QStringLiteral("--stress-csv needs an output file"));
            options.stressCsv = arg == QLatin1String("--stress-csv") ? args[++i] : arg.mid(13);
            if (options.stressCsv.isEmpty() || options.stressCsv.startsWith(QLatin1Char('-')))
                return fail(QStringLiteral("--stress-csv needs an output file"));
        } else if (arg == QLatin1String("--json")) {
            options.json = true;
        } else if (arg == QLatin1String("--reference")) {
            if (i + 1 >= args.size())
                return fail(QStringLiteral("--reference needs a material name"));
            options.reference = args[++i];
        } else if (arg.startsWith(QLatin1String("--reference="))) {
            options.reference = arg.mid(12);
        } else if (arg == QLatin1String("--lang") || arg.startsWith(QLatin1String("--lang="))) {
            if (arg == QLatin1String("--lang") && i + 1 >= args.size())
                return fail(QStringLiteral("--lang needs a language: ja or en"));
            const QString value = arg == QLatin1String("--lang") ? args[++i] : arg.mid(7);
            const std::optional<Language> language = InterfaceLanguage::parse(value);
            if (!language)
                return fail(QStringLiteral("--lang: %1 is not ja or en").arg(Quoted(value)));
            options.language = *language;
        } else if (arg == QLatin1String("--density")) {
            if (i + 1 >= args.size())
                return fail(QStringLiteral("--density needs a value (g/cm^3)"));
            const QString value = args[++i];
            if (!setDensity(value))
                return fail(QStringLiteral("--density: %1 is not a number").arg(Quoted(value)));
        } else if (arg.startsWith(QLatin1String("--density="))) {
            const QString value = arg.mid(10);
            if (!setDensity(value))
                return fail(QStringLiteral("--density: %1 is not a number").arg(Quoted(value)));
        } else if (const std::optional<bool> taken =
                       CalcDxf::parseOption(args, i, options.dxf, error)) {
            if (!*taken) return std::nullopt;
        } else {
            return fail(QStringLiteral("unknown option %1").arg(Quoted(arg)));
        }
    }
    if (options.help) return options;
    // The shear stresses of the loads come from the torsion block's shear and warping functions.
    if (options.loads || !options.loadsFile.isEmpty()) options.torsion = true;
    if (torsionSetting && !options.torsion)
        return fail(QStringLiteral("--nu and --mesh-size need --torsion"));
    if (options.loads && !options.loadsFile.isEmpty())
        return fail(QStringLiteral("--loads and --loads-file exclude each other"));
    if (!options.stressCsv.isEmpty() && !options.loads && options.loadsFile.isEmpty())
        return fail(QStringLiteral("--stress-csv needs --loads or --loads-file"));
    if (options.library && (options.loads || !options.loadsFile.isEmpty()))
        return fail(QStringLiteral("--library takes no loads"));
    if (options.library || !options.shape.isEmpty()) {
        if (options.library && !options.shape.isEmpty())
            return fail(QStringLiteral("--library and --shape exclude each other"));
        if (!files.isEmpty())
            return fail(QStringLiteral("no coordinate file expected with --library or --shape"));
        return options;
    }
    if (files.isEmpty()) return fail(QStringLiteral("no coordinate file given"));
    if (files.size() > 1)
        return fail(QStringLiteral("one coordinate file expected, %1 given").arg(files.size()));
    options.file = files.front();
    return options;
}

std::string CalcTool::helpText() {
    return std::string(
               "Usage: kuvanto-calc [--density RHO] [--json] [--torsion [--nu V] [--mesh-size H]] "
               "FILE\n") +
           "       kuvanto-calc [DXF options] [--density RHO] [--json] [--torsion ...] "
           "DRAWING.dxf\n"
           "       kuvanto-calc [--density RHO] [--json] [--torsion ...] --shape NAME\n"
           "       kuvanto-calc [--loads ACTIONS | --loads-file CASES] [--stress-csv OUT] FILE\n"
           "       kuvanto-calc --library\n"
           "       kuvanto-calc [DXF options] --export-dxf OUT.dxf FILE|DRAWING.dxf\n"
           "\n"
           "Computes the section properties of the figures in the coordinate file FILE and\n"
           "prints the result table.\n"
           "\n"
           "FILE is a coordinate CSV file (sections \"<<加算>>,\" and \"<<減算>>,\", figures\n"
           "separated by \"<<図形区切り>>,\" lines, code page 932 or UTF-8) or a plain X,Y file,\n"
           "whose lines all go to the added figures. It is read as the program's reading\n"
           "command reads it: every pair that is not two numbers is reported on standard\n"
           "error and skipped, and reading goes on.\n"
           "\n"
           "Output (standard output, UTF-8, \"\\n\" line ends): the tab-separated result\n"
           "export, one line per row of the result table (50 lines): the column heads, the\n"
           "value rows (item, symbol, one value per figure, the combined value \"総合\"),\n"
           "the headings \"[図心回り]\", \"[座標軸回り]\", \"[主軸]\", \"[縁端別断面係数]\"\n"
           "and \"[塑性]\", each after an empty spacer line. The plastic rows hold \"-\" in\n"
           "the figure columns.\n"
           "\n"
           "Materials: a file may list materials after the subtracted figures, a line\n"
           "\"<<材料>>,\" then NAME,\"E,nu,fy,rho\" per material (N/mm^2, g/cm^3), and\n"
           "assign them, a line \"<<図形材料>>,\" then 加算,N,NAME or 減算,N,NAME per figure\n"
           "(N counting the figures of that table from 1). When figures carry materials the\n"
           "block \"[複合断面]\" follows the table: each figure's modular ratio and the\n"
           "transformed section's values (see --json for the symbols); when a figure has\n"
           "no material its cells hold \"-\" and standard error says why. With --torsion\n"
           "the torsion and shear block is of the section of several materials: each\n"
           "triangle of the mesh has the material the figures leave at its place (a\n"
           "subtracted figure takes away its own material) with G = E / (2 (1 + nu)),\n"
           "and J, Iw and the shear areas are transformed to the reference material\n"
           "(GJ / G_ref, EIw / E_ref, GAs / G_ref), the centroid being that of\n"
           "stiffness; the block \"[複合断面]\" then also gives GJ (N mm^2), the shear\n"
           "centre x_s_t, y_s_t, EIw (N mm^4) and GAsx, GAsy (N).\n"
           "\n"
           "\n" +
           CalcDxf::helpText() +
           "\n"
           "Options:\n"
           "  --export-dxf OUT  also write the figures read as the DXF drawing the window\n"
           "                 exports (AutoCAD 2000 form, mm, added figures on layer ADDED,\n"
           "                 subtracted ones on SUBTRACTED), through a safe write; the\n"
           "                 results are printed as usual. A coordinate beyond 1e12 is\n"
           "                 refused (exit 3) and nothing is written.\n"
           "  --density RHO  also give the mass per metre of the combined section for the\n"
           "                 density RHO in g/cm^3 (coordinates in mm), as the last line\n"
           "                   単位長さ当たりの質量<TAB>MASS<TAB>kg/m\n"
           "                 with MASS rounded to three decimals (7.8 on a 100 x 200\n"
           "                 rectangle gives 156). Also written --density=RHO.\n"
           "  --lang ja|en   the language of the item names, column heads, headings and\n"
           "                 messages: Japanese (the default, as the result export writes\n"
           "                 them) or English. The JSON keys and its \"item\" and \"head\"\n"
           "                 texts stay as they are in either language.\n"
           "  --json         print the results as one JSON object instead:\n"
           "                   {\"heads\": [figure and combined column heads],\n"
           "                    \"rows\": [{\"item\", \"symbol\", \"cells\": [texts]}, ...],\n"
           "                    \"figures\": [{\"head\", \"table\", \"index\", \"number\",\n"
           "                                 \"values\": {symbol: number}}, ...],\n"
           "                    \"combined\": {\"head\", \"values\": {symbol: number}},\n"
           "                    \"mass\": {\"density\", \"value\", \"unit\"}}  (with --density)\n"
           "                 \"cells\" are the texts the result table shows; \"values\" are\n"
           "                 the same quantities as numbers at full precision (the\n"
           "                 combined ones computed from the figures' full values),\n"
           "                 keyed by symbol; the principal axes and the per-fibre\n"
           "                 moduli as Ixy, Ixy', theta (degrees), Iu, Iv, Zu, Zv, iu, iv,\n"
           "                 Zx_top, Zx_bottom, Zy_right, Zy_left, and for the combined\n"
           "                 section only x_p, y_p, Zpx, Zpy, fx, fy, Zpu, Zpv.\n"
           "                 For a section whose figures carry materials, each figure also\n"
           "                 has \"material\" and the modular ratio n_E = E / E_ref, the\n"
           "                 combined values gain E_ref, the transformed A_t, x_t, y_t,\n"
           "                 Ix_t, Iy_t, Ixy_t, theta_t, Iu_t, Iv_t, EA (N), EIx and EIy\n"
           "                 (N mm^2), mass_per_metre (kg/m, from each figure's density),\n"
           "                 the plastic neutral axes x_pf, y_pf by the balance of fy A,\n"
           "                 the plastic moments Mpx, Mpy, Mpu, Mpv and the first-yield\n"
           "                 moments Myx, Myy (kN m), with --torsion GJ, x_s_t, y_s_t, EIw,\n"
           "                 GAsx and GAsy (null without it), and the object has\n"
           "                   \"reference\": NAME,\n"
           "                   \"materials\": [{\"name\", \"E\", \"nu\", \"fy\", \"rho\",\n"
           "                     \"n_E\", \"Zx_top\", \"Zx_bottom\", \"Zy_right\",\n"
           "                     \"Zy_left\"}, ...]\n"
           "                 (the moduli give a material's stress at its own extreme\n"
           "                 fibres, sigma = M / Z = n M y / I_t; null where it has none).\n"
           "                 Numbers are the texts the result table shows.\n"
           "  --reference NAME  the reference material of a section whose figures carry\n"
           "                 materials (default: the material of the most figures). Also\n"
           "                 written --reference=NAME.\n"
           "  --shape NAME   compute the part NAME of the shape library that ships with the\n"
           "                 program (for example H-200x100x5.5x8) instead of a file: its\n"
           "                 outline as one added figure, placed as the library draws it.\n"
           "                 Also written --shape=NAME.\n"
           "  --torsion      also compute the torsion and shear block by finite elements\n"
           "                 on a triangle mesh of the combined section: the torsion\n"
           "                 constant J, the warping constant Iw about the shear centre,\n"
           "                 the shear centre (x_s, y_s from the shear functions, and by\n"
           "                 the Trefftz definition), the shear areas along x and y and\n"
           "                 along the principal axes u and v, Poisson's ratio, the\n"
           "                 element count and the estimated errors (the relative change\n"
           "                 from the last mesh, refined where the error was largest, to\n"
           "                 the same mesh refined once, whose solution is shown). The\n"
           "                 text output gets the block \"[ねじり・せん断]\" after the table,\n"
           "                 the JSON an object\n"
           "                   \"torsion\": {\"J\", \"J_lower\", \"J_upper\", \"Iw\", \"x_s\",\n"
           "                     \"y_s\", \"x_s_trefftz\", \"y_s_trefftz\", \"Asx\", \"Asy\",\n"
           "                     \"Asu\", \"Asv\", \"nu\", \"elements\", \"parts\",\n"
           "                     \"estimated_error\": {\"J\", \"Iw\", \"x_s\", \"As\"},\n"
           "                     \"notices\": [...]}\n"
           "                 J_lower and J_upper bound the exact J (stress function and\n"
           "                 warping function on the mesh of the solution shown).\n"
           "                 A section of several separate parts (not joined along an\n"
           "                 edge) has J as the sum of the parts'; Iw, the shear centres\n"
           "                 and the shear areas belong to one connected section and are\n"
           "                 \"-\" in the table and null in the JSON, with a notice.\n"
           "                 When the block cannot be computed, the reason goes to standard\n"
           "                 error (and to \"torsion\": {\"error\"}) and the exit status is 1.\n"
           "  --nu V         Poisson's ratio for the shear functions, 0 <= V < 0.5\n"
           "                 (default 0.3). Also written --nu=V.\n"
           "  --mesh-size H  largest element edge in the units of the coordinates (default:\n"
           "                 the smaller of the net area over the perimeter A/P, about half\n"
           "                 the wall thickness, and the square root of the area over 10).\n"
           "                 Also written --mesh-size=H.\n"
           "  --loads N=...,Mx=...,My=...,Vx=...,Vy=...,T=...\n"
           "                 the stresses of one load case on the combined section,\n"
           "                 forces in N and moments in N*mm (actions left out are 0),\n"
           "                 stresses in MPa for coordinates in mm. Signs by the\n"
           "                 right-hand rule: tension positive; a positive Mx (vector\n"
           "                 along +x) puts the fibres at +y in tension; a positive My\n"
           "                 (vector along +y) puts the fibres at +x in compression; Vx\n"
           "                 and Vy act through the shear centre; a positive T turns\n"
           "                 counter-clockwise seen from +z. The JSON gets an object\n"
           "                   \"stress\": {\"unit\", \"loads\", \"sigma_zz\", \"tau_zx\",\n"
           "                     \"tau_zy\", \"tau\", \"sigma_vm\", \"sigma_1\", \"sigma_3\",\n"
           "                     \"neutral_axis\": {\"point\", \"direction\"}}\n"
           "                 each component {\"max\", \"max_at\": [x, y], \"min\",\n"
           "                 \"min_at\": [x, y]}; the text output a block \"[応力 (MPa)]\".\n"
           "                 sigma_zz is exact (biaxial bending with the product of\n"
           "                 inertia). The shear stresses from Vx, Vy (the shear\n"
           "                 functions) and T (the warping function) are recovered at\n"
           "                 the nodes of the --torsion block's mesh, which --loads\n"
           "                 implies (--nu and --mesh-size apply); the extremes are\n"
           "                 taken over those nodes and the material's outline. Where\n"
           "                 the shear is undefined (separate parts, figures of several\n"
           "                 materials, no torsion solution) tau_zx, tau_zy, tau,\n"
           "                 sigma_vm, sigma_1 and sigma_3 are null (\"-\") for a case\n"
           "                 with Vx, Vy or T, and a notice goes to standard error; with\n"
           "                 all three zero the shear is zero and every component is\n"
           "                 given. With figures that carry materials the stresses are\n"
           "                 those of the transformed section (in the reference\n"
           "                 material), and \"materials\": [{\"name\", \"n\", \"fy\",\n"
           "                 \"sigma_zz\", \"sigma_vm\", \"ratio\"}] gives each material's\n"
           "                 stresses (n times the transformed section's, on its own\n"
           "                 region) and its largest sigma_vm over fy (null while the\n"
           "                 shear is unknown). At a re-entrant corner the shear stress of the\n"
           "                 elastic solution has no bound: its value there grows as the\n"
           "                 mesh is refined.\n"
           "  --loads-file CASES.csv\n"
           "                 the same for every case of a load-case file (header\n"
           "                 \"name,N,Mx,My,Vx,Vy,T\", one case a line, N and N*mm): the\n"
           "                 JSON \"stress\" holds \"cases\": [{\"name\", ...}] and\n"
           "                 \"envelope\": {component: {\"max\", \"max_at\", \"max_case\",\n"
           "                 \"min\", \"min_at\", \"min_case\"}}, the text output a block\n"
           "                 per case and \"[応力の包絡 (MPa)]\". A file with any line\n"
           "                 that does not read is refused (exit status 2).\n"
           "  --stress-csv OUT\n"
           "                 also write the stresses at every sampled point (every node\n"
           "                 of the torsion block's mesh with its 6-node elements' corners\n"
           "                 and edge midpoints; for a case without Vx, Vy and T also the\n"
           "                 vertices of the material's outline, where its edges cross\n"
           "                 and where sigma_zz changes sign along it) to OUT:\n"
           "                   case,x,y,sigma_zz,tau_zx,tau_zy,tau,sigma_vm,sigma_1,sigma_3\n"
           "                 with an empty field for a component not computed.\n"
           "  --library      list the shipped library: per category a line\n"
           "                   CATEGORY<TAB>DATA-FILE\n"
           "                 followed by its part names, one a line, indented by two blanks.\n"
           "  -h, --help     print this help and exit.\n"
           "\n"
           "Exit status:\n"
           "  0  success;\n"
           "  1  the calculation failed (no valid figure, or an error such as a zero area);\n"
           "     standard error gets the reason (for a drawing, why it gives no figure) or\n"
           "     <<有効なデータがないか、計算にエラーがあり表示できません。>>\n"
           "  2  usage error (unknown option, missing or extra FILE, a density that is not\n"
           "     a number), a file that cannot be read (or is too large to read) or a part\n"
           "     name not in the library;\n"
           "  3  the output could not be written (a full disk, for example); the reason\n"
           "     goes to standard error.\n";
}

std::optional<std::string> CalcTool::massText(const ResultTable& result, double density) {
    const double area = lenientValue(result.text(Property::Area, result.cols() - 1));
    const double mass = massPerMetre(density, area);
    // Rounding to three decimals scales by 1000; keep that finite as well.
    if (!std::isfinite(mass) || !std::isfinite(mass * 1000.0)) return std::nullopt;
    return fixed3Text(mass);
}

std::string CalcTool::unixLines(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            lines += text[i];
        }
    }
    return lines;
}

std::string CalcTool::oneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) c = ' ';
    }
    return line;
}

std::string CalcTool::libraryText() {
    std::string text;
    for (const LibraryCategory& category : ShippedLibrary::categories(ShippedLibrary::folder())) {
        text += category.entry.name + '\t' + category.entry.file + '\n';
        for (const std::string& part : category.parts) text += "  " + part + '\n';
    }
    return text;
}

int CalcTool::run(const CalcOptions& options, std::FILE* out, std::FILE* err) {
    int status = kExitUsage;
    try {
        status = produce(options, out, err);
    } catch (const std::bad_alloc&) {
        // Whatever passed the readers' size check and still did not fit.
        writeLine(err, "kuvanto-calc: not enough memory");
        status = kExitUsage;
    }
    // A result that never reached its reader is no success: every write is buffered, so the
    // flush and the stream's error flag tell whether all of it went out.
    errno = 0;
    if (std::fflush(out) != 0 || std::ferror(out)) {
        const int reason = errno;
        writeLine(err, std::string("kuvanto-calc: cannot write the output: ") +
                           (reason != 0 ? std::strerror(reason) : "write error"));
        return kExitOutputFailed;
    }
    return status;
}

int CalcTool::produce(const CalcOptions& options, std::FILE* out, std::FILE* err) {
    if (options.help) {
        Write(out, helpText());
        return kExitOk;
    }
    if (options.library) {
        Write(out, libraryText());
        return kExitOk;
    }

    CoordTable add;
    CoordTable subtracted;
    if (!options.shape.isEmpty()) {
        const std::optional<LibraryPart> part =
            ShippedLibrary::findPart(ShippedLibrary::folder(), options.shape.toStdString());
        if (!part) {
            writeLine(err, QStringLiteral("kuvanto-calc: no part %1 in the shape library "
                                          "(see kuvanto-calc --library)")
                               .arg(Quoted(options.shape))
                               .toStdString());
            return kExitUsage;
        }
        insertOutline(add, 1, part->outline, {0, 0}, {0, 0});
        return calculate(options, add, subtracted, out, err);
    }

    // Only regular files: a folder, a pipe or a device would be read without end or not at all.
    const QFileInfo info(options.file);
    if (info.exists() && !info.isFile()) {
        writeLine(err, QStringLiteral("kuvanto-calc: cannot read %1: not a regular file")
                           .arg(Quoted(options.file))
                           .toStdString());
        return kExitUsage;
    }
    if (CalcDxf::isDxfFile(options.file)) {
        switch (CalcDxf::fillTables(options.file, options.dxf, add, subtracted, err)) {
            case CalcDxf::Filled::Unreadable:
                return kExitUsage;
            case CalcDxf::Filled::NoSection:
                return kExitCalcFailed;
            case CalcDxf::Filled::Yes:
                break;
        }
        return calculate(options, add, subtracted, out, err);
    }
    QString readError;
    std::optional<std::string> text = readTextFile(options.file, &readError);
    if (!text) {
        if (readError.isEmpty())
            readError = QStringLiteral("cannot read %1").arg(Quoted(options.file));
        writeLine(err, ("kuvanto-calc: " + readError).toStdString());
        return kExitUsage;
    }

    // The tables keep their cell texts inside the file's text rather than copies of them.
    SectionMaterials materials;
    fillFromCsvText(
        std::make_shared<const std::string>(std::move(*text)), add, subtracted,
        [err](const std::string& message) { writeLine(err, oneLine(message)); }, &materials);
    return calculate(options, add, subtracted, out, err, materials);
}

int CalcTool::calculate(const CalcOptions& options, const CoordTable& add,
                        const CoordTable& subtracted, std::FILE* out, std::FILE* err,
                        const SectionMaterials& fileMaterials) {
    // The drawing the window's DXF export writes (its figures, without the result text),
    // through the safe write, before anything is computed from the tables.
    if (!options.exportDxf.isEmpty()) {
        QString error;
        if (!DxfWriter::write(options.exportDxf, add, subtracted, nullptr, &error)) {
            writeLine(err, ("kuvanto-calc: " + error).toStdString());
            return kExitOutputFailed;
        }
    }
    SectionMaterials materials = fileMaterials;
    if (!options.reference.isEmpty()) {
        if (!materials.find(options.reference.toStdString())) {
            writeLine(err, QStringLiteral("kuvanto-calc: --reference: no material %1 in the file")
                               .arg(Quoted(options.reference))
                               .toStdString());
            return kExitUsage;
        }
        materials.setReferenceName(options.reference.toStdString());
    }
    ResultTable result;
    resetResultTable(result);
    std::vector<ColumnValues> values;
    const bool stresses = options.loads || !options.loadsFile.isEmpty();
    CompositeSection composite;
    if (!runCalculation(add, subtracted, materials, result,
                        options.json || stresses ? &values : nullptr, &composite)) {
        writeLine(err,
                  QCoreApplication::translate("ResultTable", kFailureMessage.data()).toStdString());
        return kExitCalcFailed;
    }
    if (!composite.problem.empty())
        writeLine(err, shownText("CompositeSection", composite.problem));

    std::optional<std::string> mass;
    if (options.density) {
        mass = massText(result, *options.density);
        if (!mass) {
            writeLine(err, "kuvanto-calc: --density " + numText(*options.density) +
                               " gives a mass per metre out of range");
            return kExitUsage;
        }
    }

    // The finite-element block only when asked for: nothing is meshed otherwise.
    std::optional<TorsionOutcome> torsion;
    if (options.torsion) {
        torsion =
            CalcTorsion::run(add, subtracted, options.poissonRatio, options.meshSize, materials);
        if (torsion->status != TorsionStatus::Ok) {
            writeLine(err, shownText("TorsionAnalysis", TorsionAnalysis::message(torsion->status)));
        } else {
            for (const TorsionNotice& notice : TorsionAnalysis::notices(torsion->result))
                writeLine(err, CalcTorsion::noticeText(notice).toStdString());
            TorsionRows::write(result, torsion->result);
            // The stiffnesses of several materials join the combined values.
            if (!values.empty() && !materials.noneAssigned())
                for (Property p : kAllProperties)
                    if (isCompositeTorsionProperty(p))
                        values.back().values[p] = TorsionRows::value(p, torsion->result);
        }
    }
    const bool torsionOk = !torsion || torsion->status == TorsionStatus::Ok;

    // The stresses of the load cases from the combined section (the last column).
    std::optional<StressRun> stress;
    if (stresses) {
        std::vector<LoadCase> cases;
        if (options.loads) {
            cases.push_back(*options.loads);
        } else {
            QString readError;
            std::optional<std::vector<LoadCase>> read =
                LoadCaseFile::read(options.loadsFile, &readError);
            if (!read) {
                writeLine(err, oneLine(("kuvanto-calc: " + readError).toStdString()));
                return kExitUsage;
            }
            cases = std::move(*read);
        }
        // The shear of the torsion block's solution; a section of several materials needs it
        // with each element's own shear modulus, which the block does not solve yet.
        std::shared_ptr<const ShearStressField> shear;
        if (!materials.noneAssigned())
            shear = ShearStressField::unavailable(ShearStressField::Status::Materials);
        else if (torsionOk)
            shear = ShearStressField::of(torsion->result);
        stress = CalcStress::run(add, subtracted, values.back().values, materials, cases,
                                 options.loads == std::nullopt, std::move(shear));
        for (const SectionStress& c : stress->cases)
            if (c.status() != StressStatus::Ok) {
                writeLine(err, shownText("SectionStress", SectionStress::message(c.status())));
                break;
            }
        const std::string notice = CalcStress::notice(*stress);
        if (!notice.empty()) writeLine(err, notice);
        if (!options.stressCsv.isEmpty() && stress->ok()) {
            QString writeError;
            if (!writeFileSafely(options.stressCsv, CalcStress::csv(*stress), &writeError)) {
                writeLine(err, oneLine(("kuvanto-calc: " + writeError).toStdString()));
                return kExitOutputFailed;
            }
        }
    }
    const bool stressOk = !stress || stress->ok();

    if (options.json) {
        QJsonObject extra;
        if (torsion) {
            QJsonObject failed;
            if (!torsionOk)
                failed.insert(
                    QStringLiteral("error"),
                    QString::fromUtf8(
                        TorsionAnalysis::message(torsion->status).data(),
                        static_cast<qsizetype>(TorsionAnalysis::message(torsion->status).size())));
            extra.insert(QStringLiteral("torsion"),
                         torsionOk ? CalcTorsion::jsonObject(torsion->result) : failed);
        }
        if (stress) extra.insert(QStringLiteral("stress"), CalcStress::jsonObject(*stress));
        Write(out,
              CalcJson::text(result, values, options.density, mass, extra, &materials, &composite));
    } else {
        std::string lines = unixLines(exportResultText(shownTable(result)));
        if (!lines.empty() && lines.back() != '\n') lines += '\n';
        if (mass)
            lines += QCoreApplication::translate("CalcTool", kMassLabel).toStdString() + '\t' +
                     *mass + '\t' + kMassUnit + '\n';
        if (stress && stress->ok()) lines += CalcStress::text(*stress);
        Write(out, lines);
    }
    return torsionOk && stressOk ? kExitOk : kExitCalcFailed;
}

}  // namespace kuvanto
