// The open section's commands without a window: start-up and recovery, the undo history and its
// snapshot files, direct editing
// through the buffer file, erasing, reading and writing coordinate files, the calculation run,
// the result export and the colour file. A command that cannot read or write its file leaves the
// tables as they were and says why; a snapshot that cannot be written is remembered in
// snapshotError() so that the window can tell the user without undoing the change itself.
#include "editing/Workspace.h"

#include <QCoreApplication>
#include <chrono>

#include "core/section/Calculation.h"
#include "core/torsion/TorsionRows.h"
#include "editing/BackgroundPriority.h"
#include "editing/TableChange.h"
#include "io/CoordCsv.h"
#include "io/CoordText.h"
#include "io/MaterialText.h"
#include "io/ResultExport.h"
#include "io/SafeWrite.h"
#include "io/SessionSlot.h"
#include "io/TextFile.h"

namespace kuvanto {

namespace {

const QString kBufFile = QStringLiteral("buf.txt");
const QString kColorFile = QStringLiteral("cl.ini");
// A row's share of a snapshot file, to tell large tables from small ones before writing.
constexpr std::size_t kBytesPerRowGuess = 20;

QString skippedPairsSummary(int skipped) {
    return QCoreApplication::translate("Workspace",
                                       "座標データ(X,Y)でないデータがほかに%1組ありました。")
               .arg(skipped - Workspace::kShownSkippedPairs) +
           QLatin1Char('\r') +
           QCoreApplication::translate("Workspace", "省略したデータは合わせて%1組です。")
               .arg(skipped);
}

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

}  // namespace

Workspace::Workspace(QString folder)
    : folder_(std::move(folder)), session_(folder_), undo_(session_.folder()) {}

QString Workspace::path(const QString& name) const {
    return folder_ + QLatin1Char('/') + name;
}

bool Workspace::start(QString* error) {
    settleHistory();
    // A copy of the program killed while writing leaves its temporary file behind, in the
    // working folder or in the snapshot folder of a second copy; no later write would ever take
    // it up again.
    for (const QString& folder : SessionSlot::slotFolders(folder_))
        removeStaleTemporaryFiles(folder);
    keepRecovery();
    resetCoordTable(addGrid, subtractedGrid);
    resetResultTable(resultGrid);
    hasResults_ = false;
    loadColors();
    history_.reset(addGrid, subtractedGrid);
    noteRecorded();
    markSaved();  // the empty start has nothing to save
    QString e;
    const bool ok = undo_.start(addGrid, subtractedGrid, &e);
    snapshotError_ = ok ? QString() : e;
    if (!ok) setError(error, e);
    return ok;
}

void Workspace::keepRecovery() {
    recovery_.reset();
    if (!session_.previousRunEndedAbnormally()) return;
    const QString newest = session_.newestSnapshot();
    if (newest.isEmpty()) return;
    auto tables = std::make_unique<Tables>();
    if (!readCoordText(session_.folder() + QLatin1Char('/') + newest, tables->add,
                       tables->subtracted, nullptr, &tables->materials))
        return;
    // Nothing to offer when the last run ended with empty tables.
    if (tables->add.rows() <= 2 && tables->subtracted.rows() <= 2) return;
    recovery_ = std::move(tables);
}

void Workspace::endForSignal() {
    if (!tablesRecorded()) saveUndo();
    undo_.finishBackground();
    if (modified()) session_.leaveForRecovery();
}

bool Workspace::restoreRecovery() {
    if (!recovery_) return false;
    TableChange change(*this);
    addGrid = std::move(recovery_->add);
    subtractedGrid = std::move(recovery_->subtracted);
    materials = std::move(recovery_->materials);
    takeMaterialsAsTheyAre();
    recovery_.reset();
    addGrid.touch();
    subtractedGrid.touch();
    resetResults();
    return true;
}

bool Workspace::writeSnapshot(QString* error) {
    QString backgroundError;
    const std::size_t expectedBytes =
        (static_cast<std::size_t>(addGrid.rows()) + subtractedGrid.rows()) * kBytesPerRowGuess;
    if (expectedBytes >= UndoStore::kBackgroundThreshold) {
        // Large tables: the user does not wait for their text to be made and written. The
        // worker writes them from the mirror, which follows the tables by the rows the
        // history's changes touched (copied once, when the tables became large), and the store
        // never makes the user wait for the disk (see saveUndoInBackground); the outcomes of
        // earlier snapshots are taken in when they are known.
        if (undo_.backgroundReady()) undo_.finishBackground(&backgroundError);
        EditHistory::Changes changes = history_.takeChanges();
        std::size_t position = 0;
        if (mirror_ && changes.known)
            position = mirror_->follow(std::move(changes.list));
        else
            mirror_ = std::make_shared<SnapshotMirror>(addGrid, subtractedGrid);
        undo_.saveUndoInBackground(
            [mirror = mirror_, position, materials = materials] {
                std::string text = mirror->text(position);
                appendMaterialText(text, materials);
                return text;
            },
            expectedBytes);
        snapshotError_ = backgroundError;
        collectBackgroundSnapshot();
        return true;
    }
    // A snapshot still being written in the background is finished first; its failure is news
    // even when this snapshot succeeds. The mirror of large tables is not needed now.
    undo_.finishBackground(&backgroundError);
    history_.takeChanges();
    mirror_.reset();
    QString e;
    const bool ok = undo_.saveUndo(addGrid, subtractedGrid, &e, &materials);
    snapshotError_ = ok ? backgroundError : e;
    if (!ok) setError(error, e);
    return ok;
}

bool Workspace::saveUndo(QString* error) {
    settleHistory();
    history_.record(addGrid, subtractedGrid);
    noteRecorded();
    noteMaterials();
    return writeSnapshot(error);
}

bool Workspace::changeMaterials(SectionMaterials now, QString* error) {
    if (now == materials) return false;
    if (!tablesRecorded()) saveUndo();
    settleHistory();
    materials = std::move(now);
    takeMaterialsAsTheyAre();
    history_.recordBesideTables();
    noteRecorded();
    noteMaterials();
    resetResults();
    writeSnapshot(error);
    return true;
}

void Workspace::noteMaterials() {
    if (!materials.noneAssigned()) {
        SectionMaterials::Fingerprints now =
            SectionMaterials::fingerprintsOf(addGrid, subtractedGrid);
        materials.followFigures(figurePrints_, now);
        figurePrints_ = std::move(now);
    }
    if (materials.empty())
        materialsByState_.erase(history_.stateId());
    else
        materialsByState_[history_.stateId()] = materials;
}

void Workspace::restoreMaterials() {
    const auto kept = materialsByState_.find(history_.stateId());
    if (kept == materialsByState_.end())
        materials.clear();
    else
        materials = kept->second;
    takeMaterialsAsTheyAre();
}

void Workspace::takeMaterialsAsTheyAre() {
    figurePrints_ = materials.noneAssigned()
                        ? SectionMaterials::Fingerprints()
                        : SectionMaterials::fingerprintsOf(addGrid, subtractedGrid);
}

Workspace::TablesState Workspace::tablesState() const {
    return {addGrid.revision(), addGrid.changeWindow().mark, subtractedGrid.revision(),
            subtractedGrid.changeWindow().mark};
}

void Workspace::settleHistory(bool wait) {
    if (!historyStep_.valid()) return;
    if (!wait && historyStep_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    history_.commitPrepared(historyStep_.get());
}

bool Workspace::collectBackgroundSnapshot() {
    settleHistory(false);
    if (!undo_.backgroundReady()) return false;
    QString error;
    if (!undo_.finishBackground(&error) && snapshotError_.isEmpty()) snapshotError_ = error;
    return true;
}

bool Workspace::undoRestore(QString* error) {
    settleHistory();
    if (!history_.undo(addGrid, subtractedGrid)) return false;
    noteRecorded();
    restoreMaterials();
    writeSnapshot(error);
    return true;
}

bool Workspace::redo(QString* error) {
    settleHistory();
    if (!history_.redo(addGrid, subtractedGrid)) return false;
    noteRecorded();
    restoreMaterials();
    writeSnapshot(error);
    return true;
}

std::optional<QString> Workspace::directEditText(QString* error) {
    const QString filePath = path(kBufFile);
    if (!writeTextFile(filePath, coordText(addGrid, subtractedGrid, &materials),
                       FileEncoding::Cp932OrUtf8, error))
        return std::nullopt;
    // The dialog shows the buffer as stored, so what is confirmed is what the file can hold.
    const auto stored = readTextFile(filePath, error);
    if (!stored) return std::nullopt;
    QString shown = QString::fromStdString(*stored);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

bool Workspace::applyDirectEdit(const QString& text, QString* error) {
    const QString filePath = path(kBufFile);
    // The buffer keeps the file's CR LF line ends whatever the dialog used.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const std::string utf8 = (lines + QStringLiteral("\r\n")).toStdString();
    if (!writeTextFile(filePath, utf8, FileEncoding::Cp932OrUtf8, error)) return false;
    TableChange change(*this);
    if (!readCoordText(filePath, addGrid, subtractedGrid, error, &materials)) return false;
    takeMaterialsAsTheyAre();
    change.done();
    return true;
}

void Workspace::resetResults() {
    resetResultTable(resultGrid);
    hasResults_ = false;
}

void Workspace::allDel() {
    TableChange change(*this);
    change.done();  // a step of its own even when the tables were empty (reading a file)
    resetCoordTable(addGrid, subtractedGrid);
    materials.clear();
    resetResultTable(resultGrid);
    resultGrid.setVisible(false);
    hasResults_ = false;
}

bool Workspace::readCsv(const QString& path, const std::function<void(const QString&)>& onSkip,
                        QString* error) {
    auto text = readTextFile(path, error);
    if (!text) return false;
    allDel();
    QString firstFailure = snapshotError_;
    // The first skipped pairs are reported one by one; a file with many of them would otherwise
    // open one message box per pair, so the rest are only counted and reported once at the end.
    int skipped = 0;
    // The tables keep their cell texts inside the file's text rather than copies of them.
    const auto fileText = std::make_shared<const std::string>(std::move(*text));
    fillFromCsvText(
        fileText, addGrid, subtractedGrid,
        [&](const std::string& message) {
            if (++skipped <= kShownSkippedPairs && onSkip) onSkip(QString::fromStdString(message));
        },
        &materials);
    if (skipped > kShownSkippedPairs && onSkip) onSkip(skippedPairsSummary(skipped));
    takeMaterialsAsTheyAre();
    if (fileText->size() >= UndoStore::kBackgroundThreshold) {
        // The history's copy of a large file's tables (and the step's copy of its rows) is
        // made by a worker from the same text, into tables that come out as these; undo and
        // the next change wait for it, and the tables count as recorded from now on.
        historyStep_ =
            std::async(std::launch::async,
                       [fileText, before = history_.expect(addGrid, subtractedGrid)]() mutable {
                           lowerThreadPriority();
                           EditHistory::RecordedTables now;
                           fillFromCsvText(fileText, now.add, now.subtracted, {});
                           return EditHistory::prepareStep(std::move(before), std::move(now));
                       });
    } else {
        history_.record(addGrid, subtractedGrid);
    }
    noteRecorded();
    noteMaterials();
    markSaved();
    // The snapshot of a large file takes a while to make and write; the user does not wait for
    // it. The worker reads the same text into the mirror's tables, which come out as these
    // (both start empty) and which later snapshots follow, and writes their text form. Undo
    // and the next snapshot wait for it;
    // its outcome is taken in by collectBackgroundSnapshot (at once for a small file, which is
    // written before this returns).
    history_.takeChanges();
    mirror_ = std::make_shared<SnapshotMirror>(fileText);
    undo_.saveUndoInBackground(
        [mirror = mirror_, materials = materials] {
            std::string text = mirror->text(0);
            appendMaterialText(text, materials);
            return text;
        },
        fileText->size());
    snapshotError_ = firstFailure;
    collectBackgroundSnapshot();
    return true;
}

bool Workspace::writeCsv(const QString& path, QString* error) const {
    return writeCoordCsv(path, addGrid, subtractedGrid, error, &materials);
}

bool Workspace::runCalculation() {
    if (materials.noneAssigned()) {
        hasResults_ = kuvanto::runCalculation(addGrid, subtractedGrid, materials, resultGrid);
    } else {
        SectionMaterials chosen = materials;
        chosen.setReferenceName(referenceMaterial);
        hasResults_ = kuvanto::runCalculation(addGrid, subtractedGrid, chosen, resultGrid);
    }
    if (hasResults_) {
        calculatedState_ = tablesState();
        calculatedMaterials_ = materials;
        calculatedReference_ = referenceMaterial;
    }
    return hasResults_;
}

bool Workspace::resultsCurrent() const {
    return hasResults_ && tablesState() == calculatedState_ && materials == calculatedMaterials_ &&
           referenceMaterial == calculatedReference_;
}

TorsionOutcome Workspace::runTorsion(const TorsionOptions& options) {
    TorsionOutcome outcome;
    if (!hasResults_) {
        outcome.status = TorsionStatus::NoSection;
        return outcome;
    }
    TorsionOptions withMaterials = options;
    outcome = TorsionAnalysis::run(torsionFigures(&withMaterials), withMaterials);
    writeTorsion(outcome);
    return outcome;
}

std::vector<SectionFigure> Workspace::torsionFigures(TorsionOptions* options) const {
    if (options) return TorsionAnalysis::figuresOf(addGrid, subtractedGrid, materials, *options);
    return TorsionAnalysis::figuresOf(addGrid, subtractedGrid);
}

void Workspace::writeTorsion(const TorsionOutcome& outcome) {
    if (!hasResults_) return;
    if (outcome.status == TorsionStatus::Ok)
        TorsionRows::write(resultGrid, outcome.result);
    else
        TorsionRows::writeMessage(resultGrid, TorsionAnalysis::message(outcome.status));
}

bool Workspace::exportResult(const QString& path, QString* error) const {
    return writeExportResult(path, resultGrid, error);
}

bool Workspace::exportResult(const QString& path, const std::string& appended,
                             QString* error) const {
    return writeExportResult(path, resultGrid, appended, error);
}

void Workspace::loadColors() {
    colors = loadColorVal(path(kColorFile));
}

bool Workspace::saveColors(const DrawColors& colors, QString* error) {
    if (!saveColorVal(path(kColorFile), colors, error)) return false;
    this->colors = colors;
    return true;
}

}  // namespace kuvanto
