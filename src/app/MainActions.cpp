// The main window's commands, its menu tree, its four context menus and its 32 toolbar buttons.
// Menu and toolbar entries that run the same command name it by one of its names, so that they
// share one action.
#include "app/MainActions.h"

#include "app/MainWindow.h"

namespace kuvanto {

namespace {

using I = ToolIcon;
using K = MenuItemKind;
using M = MainWindow;

}  // namespace

const std::vector<Command>& commandTable() {
    static const std::vector<Command> table = {
        // Files
        {"Read_CSV", "", "座標データ読込み(csv)(&O)", "CSV形式座標データを読み込み", "", I::open,
         false, &M::readCsv},
        {"Write_CSV", "", "座標データ書出し(csv)(&W)", "座標データをCSV形式で書き出し", "", I::save,
         false, &M::writeCsv},
        {"Export_Result", "", "計算結果書出し(Tab区切り)(&R)",
         "計算結果をタブ区切りテキストで書き出し", "", I::exportText, false,
         &M::exportResultOnResultTab},
        {"Read_DXF", "", "DXFファイルの読み込み...", "", "", I::none},
        {"Write_DXF", "", "DXFファイルへの書き出し...", "", "", I::none},
        {"Print_Out", "Print_Out_Pop", "計算結果印刷(&P)", "計算結果及び図形を出力", "", I::print},
        // The menu and the toolbar ask different questions before the program ends.
        {"Exit_Prgm", "", "終了(&E)", "", "", I::exit, false, &M::exitProgram},
        {"Exit_Prgm_t", "", "", "Kuvantoを終了", "", I::exit, false, &M::exitProgramFromToolbar},
        // Editing
        {"Undo_t", "Undo_m", "元に戻す(&Z)", "元に戻す", "Ctrl+Z", I::undo, false, &M::undoRestore},
        {"Redo_t", "Redo_m", "やり直し(&Y)", "やり直し", "", I::redo},
        {"Insert_Sep", "Sect_Dgrm1 Sect_Dgrm", "図形区切りの挿入(&Z)", "<<図形区切り>>を挿入", "",
         I::separatorRow},
        {"Copy_Data", "Copy_Pop2 Copy_Pop Copy_Pop1", "コピー(&C)", "座標データをコピー", "",
         I::copy},
        {"Paste_Data", "Paste_Pop2 Paste_Pop Paste_Pop1", "貼付け(&P)", "座標データを貼り付け", "",
         I::paste},
        {"Insert_Row", "Insert_Row1 Insert_Row_Pop Insert_Row_Pop1", "行の挿入(&I)", "行を挿入", "",
         I::insertRow},
        {"Delete_Row", "Delete_Row1 Delete_Row_Pop Delete_Row_Pop1", "行の削除(&D)", "行を削除", "",
         I::deleteRow},
        {"All_Delete", "", "全消去(&A)", "全座標データを削除", "", I::eraseAll},
        {"Sel_Dgrm", "Sel_Dgrm_Pop Sel_Dgrm_Pop1", "図形の座標選択(Shift+Click)(&S)"},
        {"Move_Cood", "Move_Dgrm Move_Dgrm_Pop Move_Dgrm_Pop1", "選択図形の移動(&M)",
         "選択図形(座標)の移動", "", I::move},
        {"Rotate_Cood", "Rotate_Dgrm Rotate_Dgrm_Pop Rotate_Dgrm1", "選択図形の回転(&R)",
         "選択図形(座標)の回転", "", I::rotate},
        {"Scaling_Cood", "Scaling_Dgrm", "選択図形の尺度変更(&S)", "選択図形(座標)の尺度変更", "",
         I::scale},
        {"Edit_Data", "Edit_Cood", "座標データの直接編集(&E)", "座標データを直接編集", "",
         I::editText, false, &M::editCoord},
        // Figure insertion
        {"Line_Angle_t", "Len_Angle Len_Angle_Pop1", "長さ－角度(&L)",
         "直線長さ、角度を指定して入力", "", I::lineAngle},
        {"dx_Angle_t", "dx_Angle dx_Angle_Pop1", "X増分－角度(&X)", "X増分、角度を指定して入力", "",
         I::lineDx},
        {"dy_Angle_t", "dy_Angle dy_Angle_Pop1", "Y増分－角度(&Y)", "Y増分、角度を指定して入力", "",
         I::lineDy},
        {"Insert_Rect", "Insert_Rect_Pop", "矩形(&R)", "矩形図形の挿入", "", I::rectangle},
        {"Insert_Arc", "Insert_Arc_Pop", "円(円弧)(&A)", "円（円弧）図形を挿入", "", I::circle},
        // The menu and toolbar command check for a corner first; the context menu's does not.
        {"CornerR_t", "CornerR", "コーナーR処理(&R)", "選択交点にＲ付け", "", I::corner},
        {"CornerR_Pop", "", "コーナーR処理(&R)", "", "", I::corner},
        {"FreeHand", "FreeHand_M", "フリーハンド描画(&F)", "フリーハンド", "", I::freehand, true},
        {"Read_csv_in", "Insert_csv", "csvファイル読込み(&C)", "csvファイルから座標を挿入", "",
         I::insertFile},
        {"PreRst_Dgrm", "PreRst_Import", "登録図形(JIS等)の挿入(&P)", "登録図形(JIS等)の挿入", "",
         I::library},
        // Freehand mode
        {"FreeHand_End", "", "フリーハンドモード終了(&E)"},
        {"Close_Dgrm", "", "図形を閉じる(&C)"},
        {"Input_Cood_FH", "", "直接座標入力(&I)"},
        // Results
        {"Sel_Zukei", "", "選択図形の表示(&S)"},
        {"Copy_Result", "", "選択範囲コピー(&C)", "", "", I::none, false, &M::copyResult},
        {"Weight_cal", "", "単位質量の計算(&W)", "", "", I::none, false, &M::openMassDialog},
        // Other
        {"Set_Color_Window", "", "色設定(&C)", "", "", I::none, false, &M::setColorWindow},
        {"Version", "", "バージョン情報(&V)", "", "", I::none, false, &M::version},
    };
    return table;
}

const std::vector<MenuItem>& menuLayout() {
    static const std::vector<MenuItem> layout = {
        {kMenuBar, K::submenu, "File", "ファイル(&F)"},
        {"File", K::command, "Read_CSV"},
        {"File", K::command, "Write_CSV"},
        {"File", K::separator, "sep_dxf"},
        {"File", K::command, "Read_DXF"},
        {"File", K::command, "Write_DXF"},
        {"File", K::separator, "sep6"},
        {"File", K::command, "Export_Result"},
        {"File", K::command, "Print_Out"},
        {"File", K::separator, "sep9"},
        {"File", K::command, "Exit_Prgm"},

        {kMenuBar, K::submenu, "Edit_Menu", "編集(&E)"},
        {"Edit_Menu", K::command, "Undo_m"},
        {"Edit_Menu", K::command, "Redo_m"},
        {"Edit_Menu", K::separator, "sep17"},
        {"Edit_Menu", K::command, "Sect_Dgrm1"},
        {"Edit_Menu", K::separator, "sep16"},
        {"Edit_Menu", K::command, "Copy_Pop2"},
        {"Edit_Menu", K::command, "Paste_Pop2"},
        {"Edit_Menu", K::separator, "sep2"},
        {"Edit_Menu", K::command, "Insert_Row1"},
        {"Edit_Menu", K::command, "Delete_Row1"},
        {"Edit_Menu", K::separator, "sep14"},
        {"Edit_Menu", K::command, "All_Delete"},
        {"Edit_Menu", K::separator, "sep1"},
        {"Edit_Menu", K::command, "Sel_Dgrm"},
        {"Edit_Menu", K::separator, "sep15"},
        {"Edit_Menu", K::command, "Move_Dgrm"},
        {"Edit_Menu", K::command, "Rotate_Dgrm"},
        {"Edit_Menu", K::command, "Scaling_Dgrm"},
        {"Edit_Menu", K::separator, "sep3"},
        {"Edit_Menu", K::command, "Edit_Cood"},

        {kMenuBar, K::submenu, "Insert_Dgrm", "図形の挿入(&D)"},
        {"Insert_Dgrm", K::submenu, "Lines1", "直線(&L)"},
        {"Lines1", K::command, "Len_Angle"},
        {"Lines1", K::command, "dx_Angle"},
        {"Lines1", K::command, "dy_Angle"},
        {"Insert_Dgrm", K::command, "Insert_Rect"},
        {"Insert_Dgrm", K::command, "Insert_Arc"},
        {"Insert_Dgrm", K::command, "CornerR"},
        {"Insert_Dgrm", K::command, "FreeHand_M"},
        {"Insert_Dgrm", K::command, "Insert_csv"},
        {"Insert_Dgrm", K::command, "PreRst_Import"},

        {kMenuBar, K::submenu, "About", "その他(&O)"},
        {"About", K::command, "Set_Color_Window"},
        {"About", K::command, "Version"},

        // The canvas outside freehand mode, and a coordinate table with one row selected.
        {"Dummy_Menu", K::submenu, "Lines2", "直線(&L)"},
        {"Lines2", K::command, "Len_Angle_Pop1"},
        {"Lines2", K::command, "dx_Angle_Pop1"},
        {"Lines2", K::command, "dy_Angle_Pop1"},
        {"Dummy_Menu", K::command, "Insert_Rect_Pop", "矩形の挿入(&R)"},
        {"Dummy_Menu", K::command, "Insert_Arc_Pop", "円(円弧)の挿入(&A)"},
        {"Dummy_Menu", K::command, "CornerR_Pop"},
        {"Dummy_Menu", K::separator, ""},
        {"Dummy_Menu", K::command, "Sect_Dgrm"},
        {"Dummy_Menu", K::separator, ""},
        {"Dummy_Menu", K::command, "Copy_Pop"},
        {"Dummy_Menu", K::command, "Paste_Pop"},
        {"Dummy_Menu", K::separator, ""},
        {"Dummy_Menu", K::command, "Insert_Row_Pop"},
        {"Dummy_Menu", K::command, "Delete_Row_Pop"},
        {"Dummy_Menu", K::separator, ""},
        {"Dummy_Menu", K::command, "Sel_Dgrm_Pop"},
        {"Dummy_Menu", K::separator, ""},
        {"Dummy_Menu", K::command, "Move_Dgrm_Pop"},
        {"Dummy_Menu", K::command, "Rotate_Dgrm_Pop"},

        // A coordinate table with several rows selected.
        {"Dummy_Menu1", K::command, "Copy_Pop1"},
        {"Dummy_Menu1", K::command, "Paste_Pop1"},
        {"Dummy_Menu1", K::separator, ""},
        {"Dummy_Menu1", K::command, "Insert_Row_Pop1"},
        {"Dummy_Menu1", K::command, "Delete_Row_Pop1"},
        {"Dummy_Menu1", K::separator, ""},
        {"Dummy_Menu1", K::command, "Sel_Dgrm_Pop1"},
        {"Dummy_Menu1", K::separator, ""},
        {"Dummy_Menu1", K::command, "Move_Dgrm_Pop1"},
        {"Dummy_Menu1", K::command, "Rotate_Dgrm1"},

        // The canvas in freehand mode.
        {"Dummy_Menu2", K::command, "FreeHand_End"},
        {"Dummy_Menu2", K::command, "Close_Dgrm"},
        {"Dummy_Menu2", K::command, "Input_Cood_FH"},

        // The result table.
        {"Dummy_Menu3", K::command, "Sel_Zukei"},
        {"Dummy_Menu3", K::command, "Copy_Result"},
        {"Dummy_Menu3", K::command, "Print_Out_Pop"},
        {"Dummy_Menu3", K::command, "Weight_cal"},
    };
    return layout;
}

const std::vector<ToolbarSlot>& toolbarLayout() {
    static const std::vector<ToolbarSlot> layout = {
        {"Write_CSV"},     {"Read_CSV"},     {"sep1", true},
        {"Export_Result"}, {"Print_Out"},    {""},
        {"Undo_t"},        {"sep2", true},   {"Exit_Prgm_t"},
        {"sep3", true},    {"Copy_Data"},    {"Paste_Data"},
        {"sep4", true},    {"Insert_Row"},   {"Delete_Row"},
        {"All_Delete"},    {"Edit_Data"},    {"sep6", true},
        {"Move_Cood"},     {"Rotate_Cood"},  {"Scaling_Cood"},
        {"sep8", true},    {"Insert_Sep"},   {"Insert_Rect"},
        {"Insert_Arc"},    {"Line_Angle_t"}, {"dx_Angle_t"},
        {"dy_Angle_t"},    {"CornerR_t"},    {"FreeHand"},
        {"Read_csv_in"},   {"PreRst_Dgrm"},
    };
    return layout;
}

}  // namespace kuvanto
