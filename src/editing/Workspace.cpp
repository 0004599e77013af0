// The open section's commands without a window: start-up, snapshots and undo, direct editing
// through the buffer file, erasing, reading and writing coordinate files, the calculation run,
// the result export and the colour file. A command that cannot read or write its file leaves the
// tables as they were and says why; a snapshot that cannot be written is remembered in
// Snapshot_Error() so that the window can tell the user without undoing the change itself.
#include "Workspace.h"

#include "Calc.h"
#include "CoodCsv.h"
#include "CoodText.h"
#include "ResultExport.h"
#include "TextFile.h"

namespace kuvanto {

namespace {

const QString kBufFile = QStringLiteral("buf.txt");
const QString kColorFile = QStringLiteral("cl.ini");

void Set_Error(QString* error, const QString& text) {
    if (error) *error = text;
}

}  // namespace

Workspace::Workspace(QString folder) : folder_(std::move(folder)), undo_(folder_) {}

QString Workspace::Path(const QString& name) const {
    return folder_ + QLatin1Char('/') + name;
}

bool Workspace::Start(QString* error) {
    Init_Cood_Grid(Add_Grid, Sbtrt_Grid);
    Init_Result_Grid(Result_Grid);
    has_results_ = false;
    Load_Colors();
    QString e;
    const bool ok = undo_.Start(Add_Grid, Sbtrt_Grid, &e);
    snapshot_error_ = ok ? QString() : e;
    if (!ok) Set_Error(error, e);
    return ok;
}

bool Workspace::Save_Undo(QString* error) {
    QString e;
    const bool ok = undo_.Save_Undo(Add_Grid, Sbtrt_Grid, &e);
    snapshot_error_ = ok ? QString() : e;
    if (!ok) Set_Error(error, e);
    return ok;
}

bool Workspace::Undo_Restore(QString* error) {
    const auto add_rev = Add_Grid.Revision();
    const auto sbtrt_rev = Sbtrt_Grid.Revision();
    QString e;
    if (undo_.Undo_Restore(Add_Grid, Sbtrt_Grid, &e)) {
        snapshot_error_.clear();
        return true;
    }
    if (Add_Grid.Revision() != add_rev || Sbtrt_Grid.Revision() != sbtrt_rev) {
        // The earlier state came back; only the snapshot of it could not be written.
        snapshot_error_ = e;
        return true;
    }
    Set_Error(error, e);
    return false;
}

std::optional<QString> Workspace::Direct_Edit_Text(QString* error) {
    const QString path = Path(kBufFile);
    if (!Write_Text_File(path, Cood_Text(Add_Grid, Sbtrt_Grid), FileEncoding::Cp932, error))
        return std::nullopt;
    // The dialog shows the buffer as stored, so what is confirmed is what the file can hold.
    const auto stored = Read_Text_File(path, error);
    if (!stored) return std::nullopt;
    QString shown = QString::fromStdString(*stored);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

bool Workspace::Apply_Direct_Edit(const QString& text, QString* error) {
    const QString path = Path(kBufFile);
    // The buffer keeps the file's CR LF line ends whatever the dialog used.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const std::string utf8 = (lines + QStringLiteral("\r\n")).toStdString();
    if (!Write_Text_File(path, utf8, FileEncoding::Cp932, error)) return false;
    if (!Read_Cood_Text(path, Add_Grid, Sbtrt_Grid, error)) return false;
    Save_Undo();
    return true;
}

void Workspace::All_Del() {
    Init_Cood_Grid(Add_Grid, Sbtrt_Grid);
    Init_Result_Grid(Result_Grid);
    Result_Grid.Set_Visible(false);
    has_results_ = false;
    Save_Undo();
}

bool Workspace::Read_Csv(const QString& path, const std::function<void(const QString&)>& on_skip,
                         QString* error) {
    const auto text = Read_Text_File(path, error);
    if (!text) return false;
    All_Del();
    QString first_failure = snapshot_error_;
    Fill_From_Csv_Text(*text, Add_Grid, Sbtrt_Grid, [&](const std::string& message) {
        if (on_skip) on_skip(QString::fromStdString(message));
    });
    Save_Undo();
    // Either snapshot failing is one failure of this command.
    if (snapshot_error_.isEmpty()) snapshot_error_ = first_failure;
    return true;
}

bool Workspace::Write_Csv(const QString& path, QString* error) const {
    return Write_Cood_Csv(path, Add_Grid, Sbtrt_Grid, error);
}

bool Workspace::Calc1() {
    has_results_ = kuvanto::Calc1(Add_Grid, Sbtrt_Grid, Result_Grid);
    return has_results_;
}

bool Workspace::Export_Result(const QString& path, QString* error) const {
    return Write_Export_Result(path, Result_Grid, error);
}

void Workspace::Load_Colors() {
    Colors = Load_Color_Val(Path(kColorFile));
}

bool Workspace::Save_Colors(const DrawColors& colors, QString* error) {
    if (!Save_Color_Val(Path(kColorFile), colors, error)) return false;
    Colors = colors;
    return true;
}

}  // namespace kuvanto
