// The main window's command table: the menu tree, the four context menus (held in hidden menus of
// the menu bar) and the 32 toolbar buttons, each with the command it runs today.
#include "app/MainActions.h"

#include "app/MainWindow.h"

namespace kuvanto {

namespace {

using K = EntryKind;
using M = MainWindow;

}  // namespace

const std::vector<CommandEntry>& commandTable() {
    static const std::vector<CommandEntry> table = {
        // File
        {"File", kMenuBar, "ファイル(&F)", "", K::menu, nullptr},
        {"Read_CSV", "File", "座標データ読込み(csv)(&O)", "", K::command, &M::readCsv},
        {"Write_CSV", "File", "座標データ書出し(csv)(&W)", "", K::command, &M::writeCSV},
        {"sep6", "File", "-", "", K::Separator, nullptr},
        {"Export_Result", "File", "計算結果書出し(Tab区切り)(&R)", "", K::command,
         &M::exportResult},
        {"Print_Out", "File", "計算結果印刷(&P)", "", K::command, nullptr},
        {"sep9", "File", "-", "", K::Separator, nullptr},
        {"Exit_Prgm", "File", "終了(&E)", "", K::command, &M::exitProgram},
        // Edit
        {"Edit_Menu", kMenuBar, "編集(&E)", "", K::menu, nullptr},
        {"Undo_m", "Edit_Menu", "元に戻す(&Z)", "", K::command, &M::undoRestore},
        {"sep17", "Edit_Menu", "-", "", K::Separator, nullptr},
        {"Sect_Dgrm1", "Edit_Menu", "図形区切りの挿入(&Z)", "", K::command, nullptr},
        {"sep16", "Edit_Menu", "-", "", K::Separator, nullptr},
        {"Copy_Pop2", "Edit_Menu", "コピー(&C)", "", K::command, nullptr},
        {"Paste_Pop2", "Edit_Menu", "貼付け(&P)", "", K::command, nullptr},
        {"sep2", "Edit_Menu", "-", "", K::Separator, nullptr},
        {"Insert_Row1", "Edit_Menu", "行の挿入(&I)", "", K::command, nullptr},
        {"Delete_Row1", "Edit_Menu", "行の削除(&D)", "", K::command, nullptr},
        {"sep14", "Edit_Menu", "-", "", K::Separator, nullptr},
        {"All_Delete", "Edit_Menu", "全消去(&A)", "", K::command, nullptr},
        {"sep1", "Edit_Menu", "-", "", K::Separator, nullptr},
        {"Sel_Dgrm", "Edit_Menu", "図形の座標選択(Shift+Click)(&S)", "", K::command, nullptr},
        {"sep15", "Edit_Menu", "-", "", K::Separator, nullptr},
        {"Move_Dgrm", "Edit_Menu", "選択図形の移動(&M)", "", K::command, nullptr},
        {"Rotate_Dgrm", "Edit_Menu", "選択図形の回転(&R)", "", K::command, nullptr},
        {"Scaling_Dgrm", "Edit_Menu", "選択図形の尺度変更(&S)", "", K::command, nullptr},
        {"sep3", "Edit_Menu", "-", "", K::Separator, nullptr},
        {"Edit_Cood", "Edit_Menu", "座標データの直接編集(&E)", "", K::command, &M::editCoord},
        // Figure insertion
        {"Insert_Dgrm", kMenuBar, "図形の挿入(&D)", "", K::menu, nullptr},
        {"Lines1", "Insert_Dgrm", "直線(&L)", "", K::menu, nullptr},
        {"Len_Angle", "Lines1", "長さ－角度(&L)", "", K::command, nullptr},
        {"dx_Angle", "Lines1", "X増分－角度(&X)", "", K::command, nullptr},
        {"dy_Angle", "Lines1", "Y増分－角度(&Y)", "", K::command, nullptr},
        {"Insert_Rect", "Insert_Dgrm", "矩形(&R)", "", K::command, nullptr},
        {"Insert_Arc", "Insert_Dgrm", "円(円弧)(&A)", "", K::command, nullptr},
        {"CornerR", "Insert_Dgrm", "コーナーR処理(&R)", "", K::command, nullptr},
        {"FreeHand_M", "Insert_Dgrm", "フリーハンド描画(&F)", "", K::command, nullptr},
        {"Insert_csv", "Insert_Dgrm", "csvファイル読込み(&C)", "", K::command, nullptr},
        {"PreRst_Import", "Insert_Dgrm", "登録図形(JIS等)の挿入(&P)", "", K::command, nullptr},
        // Other
        {"About", kMenuBar, "その他(&O)", "", K::menu, nullptr},
        {"Set_Color_Window", "About", "色設定(&C)", "", K::command, &M::setColorWindow},
        {"Version", "About", "バージョン情報(&V)", "", K::command, &M::version},
        // Context menu of the canvas and of a table with one row selected
        {"Dummy_Menu", kMenuBar, "Dummy_Menu", "", K::menu, nullptr},
        {"Lines2", "Dummy_Menu", "直線(&L)", "", K::menu, nullptr},
        {"Len_Angle_Pop1", "Lines2", "長さ－角度(&L)", "", K::command, nullptr},
        {"dx_Angle_Pop1", "Lines2", "X増分－角度(&X)", "", K::command, nullptr},
        {"dy_Angle_Pop1", "Lines2", "Y増分－角度(&Y)", "", K::command, nullptr},
        {"Insert_Rect_Pop", "Dummy_Menu", "矩形の挿入(&R)", "", K::command, nullptr},
        {"Insert_Arc_Pop", "Dummy_Menu", "円(円弧)の挿入(&A)", "", K::command, nullptr},
        {"CornerR_Pop", "Dummy_Menu", "コーナーR処理(&R)", "", K::command, nullptr},
        {"", "Dummy_Menu", "-", "", K::Separator, nullptr},
        {"Sect_Dgrm", "Dummy_Menu", "図形区切りの挿入(&Z)", "", K::command, nullptr},
        {"", "Dummy_Menu", "-", "", K::Separator, nullptr},
        {"Copy_Pop", "Dummy_Menu", "コピー(&C)", "", K::command, nullptr},
        {"Paste_Pop", "Dummy_Menu", "貼付け(&P)", "", K::command, nullptr},
        {"", "Dummy_Menu", "-", "", K::Separator, nullptr},
        {"Insert_Row_Pop", "Dummy_Menu", "行の挿入(&I)", "", K::command, nullptr},
        {"Delete_Row_Pop", "Dummy_Menu", "行の削除(&D)", "", K::command, nullptr},
        {"", "Dummy_Menu", "-", "", K::Separator, nullptr},
        {"Sel_Dgrm_Pop", "Dummy_Menu", "図形の座標選択(Shift+Click)(&S)", "", K::command, nullptr},
        {"", "Dummy_Menu", "-", "", K::Separator, nullptr},
        {"Move_Dgrm_Pop", "Dummy_Menu", "選択図形の移動(&M)", "", K::command, nullptr},
        {"Rotate_Dgrm_Pop", "Dummy_Menu", "選択図形の回転(&R)", "", K::command, nullptr},
        // Context menu of a table with several rows selected
        {"Dummy_Menu1", kMenuBar, "Dummy_Menu1", "", K::menu, nullptr},
        {"Copy_Pop1", "Dummy_Menu1", "コピー(&C)", "", K::command, nullptr},
        {"Paste_Pop1", "Dummy_Menu1", "貼付け(&P)", "", K::command, nullptr},
        {"", "Dummy_Menu1", "-", "", K::Separator, nullptr},
        {"Insert_Row_Pop1", "Dummy_Menu1", "行の挿入(&I)", "", K::command, nullptr},
        {"Delete_Row_Pop1", "Dummy_Menu1", "行の削除(&D)", "", K::command, nullptr},
        {"", "Dummy_Menu1", "-", "", K::Separator, nullptr},
        {"Sel_Dgrm_Pop1", "Dummy_Menu1", "図形の座標選択(Shift+Click)(&S)", "", K::command,
         nullptr},
        {"", "Dummy_Menu1", "-", "", K::Separator, nullptr},
        {"Move_Dgrm_Pop1", "Dummy_Menu1", "選択図形の移動(&M)", "", K::command, nullptr},
        {"Rotate_Dgrm1", "Dummy_Menu1", "選択図形の回転(&R)", "", K::command, nullptr},
        // Context menu of the canvas in freehand mode
        {"Dummy_Menu2", kMenuBar, "Dummy_Menu2", "", K::menu, nullptr},
        {"FreeHand_End", "Dummy_Menu2", "フリーハンドモード終了(&E)", "", K::command, nullptr},
        {"Close_Dgrm", "Dummy_Menu2", "図形を閉じる(&C)", "", K::command, nullptr},
        {"Input_Cood_FH", "Dummy_Menu2", "直接座標入力(&I)", "", K::command, nullptr},
        // Context menu of the result table
        {"Dummy_Menu3", kMenuBar, "Dummy_Menu3", "", K::menu, nullptr},
        {"Sel_Zukei", "Dummy_Menu3", "選択図形の表示(&S)", "", K::command, nullptr},
        {"Copy_Result", "Dummy_Menu3", "選択範囲コピー(&C)", "", K::command, &M::copyResult},
        {"Print_Out_Pop", "Dummy_Menu3", "計算結果印刷(&P)", "", K::command, nullptr},
        {"Weight_cal", "Dummy_Menu3", "単位質量の計算(&W)", "", K::command, &M::openMassDialog},
        // Toolbar buttons 1..32
        {"Write_CSV", kToolbar, "座標データをCSV形式で書き出し", "", K::command, &M::writeCSV},
        {"Read_CSV", kToolbar, "CSV形式座標データを読み込み", "", K::command, &M::readCsv},
        {"sep1", kToolbar, "", "", K::Separator, nullptr},
        {"Export_Result", kToolbar, "計算結果をタブ区切りテキストで書き出し", "", K::command,
         &M::exportResultButton},
        {"Print_Out", kToolbar, "計算結果及び図形を出力", "", K::command, nullptr},
        {"", kToolbar, "", "", K::Separator, nullptr},
        {"Undo_t", kToolbar, "元に戻す", "", K::command, &M::undoRestore},
        {"sep2", kToolbar, "", "", K::Separator, nullptr},
        {"Exit_Prgm", kToolbar, "Kuvantoを終了", "", K::command, &M::exitProgramButton},
        {"sep3", kToolbar, "", "", K::Separator, nullptr},
        {"Copy_Data", kToolbar, "座標データをコピー", "", K::command, nullptr},
        {"Paste_Data", kToolbar, "座標データを貼り付け", "", K::command, nullptr},
        {"sep4", kToolbar, "", "", K::Separator, nullptr},
        {"Insert_Row", kToolbar, "行を挿入", "", K::command, nullptr},
        {"Delete_Row", kToolbar, "行を削除", "", K::command, nullptr},
        {"All_Delete", kToolbar, "全座標データを削除", "", K::command, nullptr},
        {"Edit_Data", kToolbar, "座標データを直接編集", "", K::command, &M::editCoord},
        {"sep6", kToolbar, "", "", K::Separator, nullptr},
        {"Move_Cood", kToolbar, "選択図形(座標)の移動", "", K::command, nullptr},
        {"Rotate_Cood", kToolbar, "選択図形(座標)の回転", "", K::command, nullptr},
        {"Scaling_Cood", kToolbar, "選択図形(座標)の尺度変更", "", K::command, nullptr},
        {"sep8", kToolbar, "", "", K::Separator, nullptr},
        {"Insert_Sep", kToolbar, "<<図形区切り>>を挿入", "", K::command, nullptr},
        {"Insert_Rect", kToolbar, "矩形図形の挿入", "", K::command, nullptr},
        {"Insert_Arc", kToolbar, "円（円弧）図形を挿入", "", K::command, nullptr},
        {"Line_Angle_t", kToolbar, "直線長さ、角度を指定して入力", "", K::command, nullptr},
        {"dx_Angle_t", kToolbar, "X増分、角度を指定して入力", "", K::command, nullptr},
        {"dy_Angle_t", kToolbar, "Y増分、角度を指定して入力", "", K::command, nullptr},
        {"CornerR_t", kToolbar, "選択交点にＲ付け", "", K::command, nullptr},
        {"FreeHand", kToolbar, "フリーハンド", "", K::Check, nullptr},
        {"Read_csv_in", kToolbar, "csvファイルから座標を挿入", "", K::command, nullptr},
        {"PreRst_Dgrm", kToolbar, "登録図形(JIS等)の挿入", "", K::command, nullptr},
    };
    return table;
}

}  // namespace kuvanto
