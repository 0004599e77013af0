// The command-line calculator: reads a coordinate file the way the program's reading command does,
// runs the same calculation as opening the result tab, and prints the result table as the
// tab-separated export text (or as JSON), optionally with the mass per metre for a density.
// Everything here works on plain streams so that the whole run can be exercised without a window.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "CalcDxf.h"
#include "core/section/ResultTable.h"
#include "core/section/SectionMaterials.h"
#include "core/stress/LoadCase.h"
#include "core/table/CoordTable.h"
#include "io/InterfaceLanguage.h"

namespace kuvanto {

struct CalcOptions {
    QString file;
    QString shape;         // --shape NAME: a part of the shipped library instead of a file
    bool library = false;  // --library: list the shipped categories and parts
    bool json = false;
    bool help = false;
    std::optional<double> density;  // g/cm³
    DxfCalcOptions dxf;             // for a .dxf FILE
    bool torsion = false;           // --torsion: the finite-element torsion and shear block
    double poissonRatio = 0.3;      // --nu
    double meshSize = 0;            // --mesh-size: largest element edge; 0 for the default
    Language language = Language::Japanese;  // --lang
    std::optional<LoadCase> loads;           // --loads N=...,Mx=...: one load case
    QString loadsFile;                       // --loads-file CASES.csv: every case and the envelope
    QString stressCsv;                       // --stress-csv OUT: the sampled points' stresses
    QString exportDxf;  // --export-dxf OUT: the figures also written as a DXF drawing
    QString reference;  // --reference NAME: the reference material of a section with materials
};

class CalcTool {
public:
    // Exit statuses of the program.
    static constexpr int kExitOk = 0;
    static constexpr int kExitCalcFailed = 1;
    static constexpr int kExitUsage = 2;         // bad arguments or a file that cannot be read
    static constexpr int kExitOutputFailed = 3;  // the output could not be written

    // The line label of the mass per metre in the text output (translated with the context
    // "CalcTool").
    static constexpr const char* kMassLabel = QT_TRANSLATE_NOOP("CalcTool", "単位長さ当たりの質量");
    static constexpr const char* kMassUnit = "kg/m";

    // Parses the arguments after the program name. Returns nothing on a usage error and sets
    // `error` to a one-line reason.
    static std::optional<CalcOptions> parseArgs(const QStringList& args, QString* error);

    // The --library listing: per category a line "CATEGORY<TAB>FILE" and its parts, one per
    // line, indented by two blanks.
    static std::string libraryText();

    // The text printed by --help (UTF-8, "\n" line ends).
    static std::string helpText();

    // Reads, computes and prints. Results go to `out`, notices and errors to `err`, both UTF-8
    // with "\n" line ends. Returns the exit status; `out` is flushed, and a failed write to it
    // gives kExitOutputFailed.
    static int run(const CalcOptions& options, std::FILE* out, std::FILE* err);

    // The calculation and output of filled tables (the second half of run()).
    static int calculate(const CalcOptions& options, const CoordTable& add,
                         const CoordTable& subtracted, std::FILE* out, std::FILE* err,
                         const SectionMaterials& materials = SectionMaterials());

    // The mass per metre of the combined section (area from row 1 of the last column) for the
    // density, as its three-decimal text ("156"); nothing when the product is not finite.
    static std::optional<std::string> massText(const ResultTable& result, double density);

    // The export text with every CR LF (or lone CR) turned into "\n".
    static std::string unixLines(std::string_view text);

    // A notice made safe for a terminal: line breaks and other control characters (the
    // message's own CR included) become single blanks.
    static std::string oneLine(std::string_view text);

private:
    // run() without the check of the output.
    static int produce(const CalcOptions& options, std::FILE* out, std::FILE* err);
};

}  // namespace kuvanto
