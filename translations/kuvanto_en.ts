<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CalcDxf</name>
    <message>
        <source>%2 に画層「%1」がありません。図面の画層: %3</source>
        <translation>no layer &quot;%1&quot; in %2; the drawing&apos;s layers: %3</translation>
    </message>
    <message>
        <source>画層「%1」はオフまたはフリーズのため読みません（閉じた輪郭 %2）。読むには --hidden-layers</source>
        <translation>layer &quot;%1&quot; is off or frozen and is not read (%2 closed outlines); --hidden-layers reads it</translation>
    </message>
</context>
<context>
    <name>CalcTool</name>
    <message>
        <source>単位長さ当たりの質量</source>
        <translation>Mass per unit length</translation>
    </message>
    <message>
        <source>成分</source>
        <translation>Component</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>[応力 (MPa)]</source>
        <translation>[Stress (MPa)]</translation>
    </message>
    <message>
        <source>[応力の包絡 (MPa)]</source>
        <translation>[Stress envelope (MPa)]</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>σvM/fy</source>
        <translation>σvM/fy</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>座標データ読込み(csv)(&amp;O)</source>
        <translation>&amp;Open coordinates (CSV)...</translation>
    </message>
    <message>
        <source>CSV形式座標データを読み込み</source>
        <translation>Open coordinate data from a CSV file</translation>
    </message>
    <message>
        <source>座標データ書出し(csv)(&amp;W)</source>
        <translation>&amp;Write coordinates (CSV)...</translation>
    </message>
    <message>
        <source>座標データをCSV形式で書き出し</source>
        <translation>Write the coordinate data as a CSV file</translation>
    </message>
    <message>
        <source>計算結果書出し(Tab区切り)(&amp;R)</source>
        <translation>Export &amp;results (tab-separated)...</translation>
    </message>
    <message>
        <source>計算結果をタブ区切りテキストで書き出し</source>
        <translation>Export the results as tab-separated text</translation>
    </message>
    <message>
        <source>DXFファイルの読み込み...</source>
        <translation>Import DXF file...</translation>
    </message>
    <message>
        <source>DXFファイルへの書き出し...</source>
        <translation>Export to DXF file...</translation>
    </message>
    <message>
        <source>計算結果印刷(&amp;P)</source>
        <translation>&amp;Print results...</translation>
    </message>
    <message>
        <source>計算結果及び図形を出力</source>
        <translation>Print the results and the section</translation>
    </message>
    <message>
        <source>終了(&amp;E)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Kuvantoを終了</source>
        <translation>Exit Kuvanto</translation>
    </message>
    <message>
        <source>元に戻す(&amp;Z)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;Y)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>図形区切りの挿入(&amp;Z)</source>
        <translation>Insert figure separator</translation>
    </message>
    <message>
        <source>&lt;&lt;図形区切り&gt;&gt;を挿入</source>
        <translation>Insert a &lt;&lt;図形区切り&gt;&gt; (figure separator) row</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>座標データをコピー</source>
        <translation>Copy coordinate data</translation>
    </message>
    <message>
        <source>貼付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>座標データを貼り付け</source>
        <translation>Paste coordinate data</translation>
    </message>
    <message>
        <source>行の挿入(&amp;I)</source>
        <translation>&amp;Insert row</translation>
    </message>
    <message>
        <source>行を挿入</source>
        <translation>Insert a row</translation>
    </message>
    <message>
        <source>行の削除(&amp;D)</source>
        <translation>&amp;Delete row</translation>
    </message>
    <message>
        <source>行を削除</source>
        <translation>Delete the row</translation>
    </message>
    <message>
        <source>全消去(&amp;A)</source>
        <translation>Erase &amp;all</translation>
    </message>
    <message>
        <source>全座標データを削除</source>
        <translation>Erase all coordinate data</translation>
    </message>
    <message>
        <source>図形の座標選択(Shift+Click)(&amp;S)</source>
        <translation>&amp;Select figure (Shift+Click)</translation>
    </message>
    <message>
        <source>選択図形の移動(&amp;M)</source>
        <translation>&amp;Move selection...</translation>
    </message>
    <message>
        <source>選択図形(座標)の移動</source>
        <translation>Move the selected figure (coordinates)</translation>
    </message>
    <message>
        <source>選択図形の回転(&amp;R)</source>
        <translation>&amp;Rotate selection...</translation>
    </message>
    <message>
        <source>選択図形(座標)の回転</source>
        <translation>Rotate the selected figure (coordinates)</translation>
    </message>
    <message>
        <source>選択図形の尺度変更(&amp;S)</source>
        <translation>&amp;Scale selection...</translation>
    </message>
    <message>
        <source>選択図形(座標)の尺度変更</source>
        <translation>Scale the selected figure (coordinates)</translation>
    </message>
    <message>
        <source>座標データの直接編集(&amp;E)</source>
        <translation>&amp;Edit coordinates as text...</translation>
    </message>
    <message>
        <source>座標データを直接編集</source>
        <translation>Edit the coordinate data as text</translation>
    </message>
    <message>
        <source>長さ－角度(&amp;L)</source>
        <translation>&amp;Length and angle...</translation>
    </message>
    <message>
        <source>直線長さ、角度を指定して入力</source>
        <translation>Line by length and angle</translation>
    </message>
    <message>
        <source>X増分－角度(&amp;X)</source>
        <translation>&amp;X increment and angle...</translation>
    </message>
    <message>
        <source>X増分、角度を指定して入力</source>
        <translation>Line by X increment and angle</translation>
    </message>
    <message>
        <source>Y増分－角度(&amp;Y)</source>
        <translation>&amp;Y increment and angle...</translation>
    </message>
    <message>
        <source>Y増分、角度を指定して入力</source>
        <translation>Line by Y increment and angle</translation>
    </message>
    <message>
        <source>矩形(&amp;R)</source>
        <translation>&amp;Rectangle...</translation>
    </message>
    <message>
        <source>矩形図形の挿入</source>
        <translation>Insert rectangle</translation>
    </message>
    <message>
        <source>円(円弧)(&amp;A)</source>
        <translation>Circle (&amp;arc)...</translation>
    </message>
    <message>
        <source>円（円弧）図形を挿入</source>
        <translation>Insert a circle (arc)</translation>
    </message>
    <message>
        <source>コーナーR処理(&amp;R)</source>
        <translation>Corner &amp;radius...</translation>
    </message>
    <message>
        <source>選択交点にＲ付け</source>
        <translation>Round the selected corner</translation>
    </message>
    <message>
        <source>フリーハンド描画(&amp;F)</source>
        <translation>&amp;Freehand drawing</translation>
    </message>
    <message>
        <source>フリーハンド</source>
        <translation>Freehand</translation>
    </message>
    <message>
        <source>csvファイル読込み(&amp;C)</source>
        <translation>From &amp;CSV file...</translation>
    </message>
    <message>
        <source>csvファイルから座標を挿入</source>
        <translation>Insert coordinates from a CSV file</translation>
    </message>
    <message>
        <source>登録図形(JIS等)の挿入(&amp;P)</source>
        <translation>Library &amp;part (JIS etc.)...</translation>
    </message>
    <message>
        <source>登録図形(JIS等)の挿入</source>
        <translation>Insert a library part (JIS etc.)</translation>
    </message>
    <message>
        <source>フリーハンドモード終了(&amp;E)</source>
        <translation>&amp;End freehand mode</translation>
    </message>
    <message>
        <source>図形を閉じる(&amp;C)</source>
        <translation>&amp;Close figure</translation>
    </message>
    <message>
        <source>直接座標入力(&amp;I)</source>
        <translation>&amp;Enter coordinates...</translation>
    </message>
    <message>
        <source>選択図形の表示(&amp;S)</source>
        <translation>&amp;Show selected figure</translation>
    </message>
    <message>
        <source>選択範囲コピー(&amp;C)</source>
        <translation>&amp;Copy selection</translation>
    </message>
    <message>
        <source>単位質量の計算(&amp;W)</source>
        <translation>Mass per &amp;unit length...</translation>
    </message>
    <message>
        <source>色設定(&amp;C)</source>
        <translation>&amp;Colours...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)</source>
        <translation>&amp;About Kuvanto</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>図形の挿入(&amp;D)</source>
        <translation>&amp;Draw</translation>
    </message>
    <message>
        <source>直線(&amp;L)</source>
        <translation>&amp;Line</translation>
    </message>
    <message>
        <source>その他(&amp;O)</source>
        <translation>&amp;Other</translation>
    </message>
    <message>
        <source>矩形の挿入(&amp;R)</source>
        <translation>Insert &amp;rectangle...</translation>
    </message>
    <message>
        <source>円(円弧)の挿入(&amp;A)</source>
        <translation>Insert circle (&amp;arc)...</translation>
    </message>
    <message>
        <source>材料一覧(&amp;M)...</source>
        <translation>&amp;Materials...</translation>
    </message>
</context>
<context>
    <name>CompositeSection</name>
    <message>
        <source>基準材料がありません。</source>
        <translation>There is no reference material.</translation>
    </message>
    <message>
        <source>材料が指定されていない図形があります。</source>
        <translation>A figure has no material.</translation>
    </message>
    <message>
        <source>換算断面積が正になりません。</source>
        <translation>The transformed area is not positive.</translation>
    </message>
</context>
<context>
    <name>CoordCsv</name>
    <message>
        <source>座標データ(X,Y)でないデータ(%1,%2)が含まれています。<byte value="xd"/>この行を省略して読込みを続けます。</source>
        <translation>The file holds data that are not coordinates (X,Y): (%1,%2).<byte value="xd"/>This line is skipped and reading goes on.</translation>
    </message>
    <message>
        <source>材料の指定(&lt;&lt;材料&gt;&gt;以降の行)は読み込まれませんでした。</source>
        <translation>The materials (the lines from &lt;&lt;材料&gt;&gt; on) were not read.</translation>
    </message>
</context>
<context>
    <name>CornerRoundingDialog</name>
    <message>
        <source>R方向の修正は図をクリック</source>
        <translation>Click the picture to flip the radius side</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DxfImport</name>
    <message>
        <source>この弦の誤差では図面の点が%1個を超えます。</source>
        <translation>With this chord tolerance the drawing would have more than %1 points.</translation>
    </message>
    <message>
        <source>開いた輪郭の端 %1</source>
        <translation>End of an open outline %1</translation>
    </message>
    <message>
        <source>3本以上の線が集まる点 %1</source>
        <translation>Point where three or more lines meet %1</translation>
    </message>
    <message>
        <source>自己交差する輪郭 %1</source>
        <translation>Self-intersecting outline %1</translation>
    </message>
    <message>
        <source>面積のない輪郭 %1</source>
        <translation>Outline without area %1</translation>
    </message>
    <message>
        <source>検査できない複雑な輪郭 %1</source>
        <translation>Outline too complex to check %1</translation>
    </message>
    <message>
        <source>画層「%1」の輪郭と画層「%2」の輪郭が %3 で交差しています。両方を除外しました</source>
        <translation>an outline on layer &quot;%1&quot; crosses an outline on layer &quot;%2&quot; at %3; both left out</translation>
    </message>
    <message>
        <source>画層「%1」の輪郭 %3 は画層「%2」の輪郭と同じです。一度だけ読みました</source>
        <translation>the outline at %3 on layer &quot;%1&quot; repeats an outline on layer &quot;%2&quot;; read once</translation>
    </message>
    <message>
        <source>画層「%1」の輪郭と画層「%2」の輪郭が %3 で交差しています。一つの図形に結合しました</source>
        <translation>an outline on layer &quot;%1&quot; crosses an outline on layer &quot;%2&quot; at %3; joined into one figure</translation>
    </message>
    <message>
        <source>輪郭の重なりが多すぎて検査できません。穴と外形は描かれたまま、重なりを検査せずに読みました</source>
        <translation>Too many outlines meet to check them; holes and outlines were read as drawn, without checking their overlaps</translation>
    </message>
</context>
<context>
    <name>DxfReader</name>
    <message>
        <source>ファイルがグループの途中（%1行目）で終わっています。ファイルが途中で切れています。</source>
        <translation>The file ends inside a group (line %1). The file is cut short.</translation>
    </message>
    <message>
        <source>%1行目はグループコードのはずですが「%2」です。</source>
        <translation>Line %1 should be a group code but is &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1行目のセクションに名前がありません。</source>
        <translation>The section at line %1 has no name.</translation>
    </message>
    <message>
        <source>セクション %1 が閉じていません。ファイルが途中で切れています。</source>
        <translation>Section %1 is not closed. The file is cut short.</translation>
    </message>
    <message>
        <source>%1行目が%2文字を超えています。</source>
        <translation>Line %1 is longer than %2 characters.</translation>
    </message>
    <message>
        <source>%1行目は数値のはずですが「%2」です。</source>
        <translation>Line %1 should be a number but is &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%2行目の数値 %1 は断面の座標として大きすぎます（1e12まで）。</source>
        <translation>The number %1 on line %2 is too large for a section coordinate (up to 1e12).</translation>
    </message>
    <message>
        <source>%1行目の要素の頂点が%2個を超えています。</source>
        <translation>The entity at line %1 has more than %2 vertices.</translation>
    </message>
    <message>
        <source>ファイルが%1 MBを超えています。</source>
        <translation>The file is larger than %1 MB.</translation>
    </message>
    <message>
        <source>バイナリ形式のDXFファイルです。テキスト形式のDXFファイルだけを読み込めます。</source>
        <translation>This is a binary DXF file. Only text (ASCII) DXF files can be read.</translation>
    </message>
    <message>
        <source>テキスト形式のDXFファイルではありません（バイナリデータを含みます）。</source>
        <translation>This is not a text DXF file (it contains binary data).</translation>
    </message>
    <message>
        <source>ブロックを展開すると図面の辺が%1本を超えます。</source>
        <translation>Expanding the blocks gives the drawing more than %1 edges.</translation>
    </message>
    <message>
        <source>ブロック「%1」が自分自身を挿入しているか、%2段より深く入れ子になっています。</source>
        <translation>Block &quot;%1&quot; inserts itself or is nested deeper than %2 levels.</translation>
    </message>
    <message>
        <source>図面がブロックを%1回より多く挿入しています。</source>
        <translation>The drawing inserts blocks more than %1 times.</translation>
    </message>
    <message>
        <source>DXFファイルを読み込めませんでした。</source>
        <translation>The DXF file could not be read.</translation>
    </message>
    <message>
        <source>ブロックの配置により、図面の座標が断面として扱える範囲を超えます。</source>
        <translation>The placement of the blocks takes the drawing beyond the coordinate range of a section.</translation>
    </message>
    <message>
        <source>ファイル %1 がありません。</source>
        <translation>File %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません。</source>
        <translation>%1 is not a regular file.</translation>
    </message>
    <message>
        <source>%1 を読み込めません: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
</context>
<context>
    <name>DxfWriter</name>
    <message>
        <source>座標 (%1, %2) がDXFとして読み込める範囲 (±%3) を超えるため、書き出しません。</source>
        <translation>The coordinate (%1, %2) lies beyond what a DXF drawing can be read with (±%3); nothing was written.</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source> に空白行を挿入します。</source>
        <translation>: a blank row is inserted here.</translation>
    </message>
    <message>
        <source> を削除します。</source>
        <translation>: this row is deleted.</translation>
    </message>
    <message>
        <source> に図形区切りを挿入します。</source>
        <translation>: a figure separator is inserted here.</translation>
    </message>
    <message>
        <source>よろしいですか？</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>クリップボードに貼り付ける文字列がありません。</source>
        <translation>The clipboard holds no text to paste.</translation>
    </message>
    <message>
        <source>クリップボードの文字列に改行で区切られた座標の組がないため、貼り付けませんでした。</source>
        <translation>Nothing was pasted: the clipboard text holds no coordinate pairs separated by line breaks.</translation>
    </message>
    <message>
        <source>貼付けはY列のみに行いました</source>
        <translation>Pasted into the Y column only</translation>
    </message>
    <message>
        <source>図形区切りの挿入</source>
        <translation>Insert figure separator</translation>
    </message>
    <message>
        <source>この行には挿入できません。</source>
        <translation>Nothing can be inserted at this row.</translation>
    </message>
    <message>
        <source>この行は削除できません。</source>
        <translation>This row cannot be deleted.</translation>
    </message>
    <message>
        <source>移動量が大きすぎるか数値でないため、移動できません。</source>
        <translation>Cannot move: the distance is too large or not a number.</translation>
    </message>
    <message>
        <source>回転中心または回転角度が大きすぎるか数値でないため、回転できません。</source>
        <translation>Cannot rotate: the centre or the angle is too large or not a number.</translation>
    </message>
    <message>
        <source>座標の値が大きすぎます。範囲内の数値を入力して下さい。</source>
        <translation>The coordinate is too large. Enter a number within range.</translation>
    </message>
    <message>
        <source>基点または尺度が大きすぎるため、拡大・縮小できません。</source>
        <translation>Cannot scale: the base point or the scale is too large.</translation>
    </message>
    <message>
        <source>全データを消去します。よろしいですか？</source>
        <translation>All data will be erased. Are you sure?</translation>
    </message>
    <message>
        <source>数値ではないため入力できません: </source>
        <translation>Not a number, not entered: </translation>
    </message>
</context>
<context>
    <name>FileErrorText</name>
    <message>
        <source>ファイルが見つかりません</source>
        <translation>the file was not found</translation>
    </message>
    <message>
        <source>保存先のフォルダーが見つかりません</source>
        <translation>the destination folder was not found</translation>
    </message>
    <message>
        <source>アクセスする権限がありません</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません</source>
        <translation>not enough free disk space</translation>
    </message>
    <message>
        <source>フォルダーであり、通常のファイルではありません</source>
        <translation>it is a folder, not a regular file</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>保存先がフォルダーではありません</source>
        <translation>the destination is not a folder</translation>
    </message>
    <message>
        <source>書き込みが禁止されています</source>
        <translation>writing is not allowed</translation>
    </message>
    <message>
        <source>保存先のフォルダーに書き込む権限がありません</source>
        <translation>no permission to write to the destination folder</translation>
    </message>
    <message>
        <source>パスの途中にフォルダーでないものがあります</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>the location is read-only</translation>
    </message>
    <message>
        <source>ファイル名が長すぎます</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>ファイルが使用中です</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>装置の入出力エラーです</source>
        <translation>input/output error of the device</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>読み込み中にエラーが起きました</source>
        <translation>an error occurred while reading</translation>
    </message>
    <message>
        <source>書き込み中にエラーが起きました</source>
        <translation>an error occurred while writing</translation>
    </message>
    <message>
        <source>ファイルを開けません</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>原因不明のエラーです</source>
        <translation>unknown error</translation>
    </message>
</context>
<context>
    <name>FileInsertion</name>
    <message>
        <source>csvファイル(座標データ)</source>
        <translation>CSV file (coordinate data)</translation>
    </message>
    <message>
        <source>選択行からデータを挿入します。<byte value="xd"/>よろしいですか？</source>
        <translation>The data will be inserted at the selected row.<byte value="xd"/>Are you sure?</translation>
    </message>
    <message>
        <source>csvファイルを選択して下さい。</source>
        <translation>Choose a CSV file.</translation>
    </message>
</context>
<context>
    <name>FreehandCommands</name>
    <message>
        <source>フリーハンド描画</source>
        <translation>Freehand drawing</translation>
    </message>
    <message>
        <source>座標が大きすぎるか数値でないため、頂点を追加できません。</source>
        <translation>Cannot add the vertex: the coordinates are too large or not numbers.</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>やり直す操作はありません。</source>
        <translation>There is nothing to redo.</translation>
    </message>
    <message>
        <source>元に戻す履歴がメモリの上限を超えたため、古い%1件を削除しました。</source>
        <translation>The undo history exceeded its memory limit; the %1 oldest steps were dropped.</translation>
    </message>
    <message>
        <source>前回の作業内容を復元しました。「元に戻す」で復元前に戻せます。</source>
        <translation>The previous work was restored. Undo takes you back to before the restore.</translation>
    </message>
    <message>
        <source>前回の作業内容を復元しますか？</source>
        <translation>Restore the work of the previous session?</translation>
    </message>
</context>
<context>
    <name>InsertFile</name>
    <message>
        <source>座標データ(X,Y)でないデータが含まれています。読込みを中断します。</source>
        <translation>The file holds data that are not coordinates (X,Y). Reading stops.</translation>
    </message>
</context>
<context>
    <name>LibraryPrintCommands</name>
    <message>
        <source>印刷終了</source>
        <translation>Printing finished</translation>
    </message>
    <message>
        <source>PDFファイル名を指定して下さい。</source>
        <translation>Enter the name of the PDF file.</translation>
    </message>
    <message>
        <source>印刷できませんでした。<byte value="xd"/></source>
        <translation>Could not print.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>LibraryRegistry</name>
    <message>
        <source>登録名称にカンマ(,)や引用符(&quot;)は使えません。</source>
        <translation>The name cannot contain a comma (,) or a quotation mark (&quot;).</translation>
    </message>
    <message>
        <source>データファイルの名前にカンマ(,)や引用符(&quot;)は使えません。</source>
        <translation>The data file name cannot contain a comma (,) or a quotation mark (&quot;).</translation>
    </message>
    <message>
        <source>登録名称かファイル名に、pre.ini の文字コード(CP932)で書けない文字があります。</source>
        <translation>The name or the file name has characters that the encoding of pre.ini (CP932) cannot hold.</translation>
    </message>
</context>
<context>
    <name>LineDialog</name>
    <message>
        <source>ラインの挿入(X増分・角度)</source>
        <translation>Insert line (X increment, angle)</translation>
    </message>
    <message>
        <source>X増分・角度を入力して下さい。</source>
        <translation>Enter the X increment and the angle.</translation>
    </message>
    <message>
        <source>X増分</source>
        <translation>X increment</translation>
    </message>
    <message>
        <source>ラインの挿入(Y増分・角度)</source>
        <translation>Insert line (Y increment, angle)</translation>
    </message>
    <message>
        <source>Y増分・角度を入力して下さい。</source>
        <translation>Enter the Y increment and the angle.</translation>
    </message>
    <message>
        <source>Y増分</source>
        <translation>Y increment</translation>
    </message>
    <message>
        <source>ラインの挿入(長さ・角度)</source>
        <translation>Insert line (length, angle)</translation>
    </message>
    <message>
        <source>長さ・角度を入力して下さい。</source>
        <translation>Enter the length and the angle.</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
</context>
<context>
    <name>LoadCaseFile</name>
    <message>
        <source>%1 行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>引用符が閉じていません。</source>
        <translation>A quote is not closed.</translation>
    </message>
    <message>
        <source>見出し「%1」は N, Mx, My, Vx, Vy, T のどれでもありません。</source>
        <translation>The heading &quot;%1&quot; is none of N, Mx, My, Vx, Vy, T.</translation>
    </message>
    <message>
        <source>見出し「%1」が2回あります。</source>
        <translation>The heading &quot;%1&quot; appears twice.</translation>
    </message>
    <message>
        <source>項目が%1個あります（%2個のはずです）。</source>
        <translation>The line has %1 fields (%2 expected).</translation>
    </message>
    <message>
        <source>荷重ケースが%1を超えます。</source>
        <translation>More than %1 load cases.</translation>
    </message>
    <message>
        <source>名前が%1バイトを超えます。</source>
        <translation>The name is longer than %1 bytes.</translation>
    </message>
    <message>
        <source>%1 の「%2」は数値ではありません。</source>
        <translation>%1: &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>荷重ケースがありません。</source>
        <translation>No load cases.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ソフトを終了します。よろしいですか？</source>
        <translation>The program will exit. Are you sure?</translation>
    </message>
    <message>
        <source>Kuvantoを終了します。よろしいですか？</source>
        <translation>Kuvanto will exit. Are you sure?</translation>
    </message>
    <message>
        <source>データファイルを選択して下さい。</source>
        <translation>Choose a data file.</translation>
    </message>
    <message>
        <source>保存するファイル名を指定して下さい。</source>
        <translation>Enter the name of the file to save.</translation>
    </message>
    <message>
        <source>図形入力画面又は、結果表示画面を切り替えます。</source>
        <translation>Switches between the figure input pages and the results page.</translation>
    </message>
    <message>
        <source>保存されていない変更があります。</source>
        <translation>There are unsaved changes.</translation>
    </message>
    <message>
        <source>元に戻す操作はありません。</source>
        <translation>There is nothing to undo.</translation>
    </message>
    <message>
        <source>元に戻すための保存ファイルを書き込めませんでした。元に戻す操作は使えません。</source>
        <translation>The undo file could not be written. Undo is not available.</translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <source>材料名が空か、数値、記号&lt;&lt;で始まる名前、改行を含む名前です。</source>
        <translation>The material name is empty, a number, starts with &lt;&lt; or holds a line break.</translation>
    </message>
    <message>
        <source>材料の値が数値ではありません。</source>
        <translation>A value of the material is not a number.</translation>
    </message>
    <message>
        <source>ヤング係数Eは正の値にしてください。</source>
        <translation>Young&apos;s modulus E must be positive.</translation>
    </message>
    <message>
        <source>ポアソン比νは0以上0.5未満にしてください。</source>
        <translation>Poisson&apos;s ratio ν must be from 0 to below 0.5.</translation>
    </message>
    <message>
        <source>降伏強度fyと密度ρは0以上にしてください。</source>
        <translation>The yield strength fy and the density ρ must be 0 or more.</translation>
    </message>
</context>
<context>
    <name>MaterialLibrary</name>
    <message>
        <source>材料一覧の行(%1)を読み取れません。この行を省略します。</source>
        <translation>The line (%1) of the list of materials cannot be read. It is left out.</translation>
    </message>
</context>
<context>
    <name>MaterialListEdit</name>
    <message>
        <source>ヤング係数E</source>
        <translation>Young&apos;s modulus E</translation>
    </message>
    <message>
        <source>ポアソン比ν</source>
        <translation>Poisson&apos;s ratio ν</translation>
    </message>
    <message>
        <source>降伏強度fy</source>
        <translation>Yield strength fy</translation>
    </message>
    <message>
        <source>密度ρ</source>
        <translation>Density ρ</translation>
    </message>
    <message>
        <source>材料名が空か、数値、記号&lt;&lt;で始まる名前、改行を含む名前です。</source>
        <translation>The material name is empty, a number, starts with &lt;&lt; or holds a line break.</translation>
    </message>
    <message>
        <source>%1が数値ではありません: &quot;%2&quot;</source>
        <translation>%1 is not a number: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>同じ名前の材料がすでにあります: %1</source>
        <translation>A material of that name is listed already: %1</translation>
    </message>
    <message>
        <source>材料が選ばれていません。</source>
        <translation>No material is selected.</translation>
    </message>
    <message>
        <source>標準の材料は変更できません。コピーを作って編集してください。</source>
        <translation>A shipped material cannot be changed. Make a copy and edit that.</translation>
    </message>
    <message>
        <source>標準の材料は削除できません。</source>
        <translation>A shipped material cannot be removed.</translation>
    </message>
</context>
<context>
    <name>MaterialText</name>
    <message>
        <source>材料の行(%1)を読み取れません。<byte value="xd"/>この行を省略して読込みを続けます。</source>
        <translation>The material line (%1) cannot be read.<byte value="xd"/>The line is left out and reading goes on.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Notice!</source>
        <translation>Notice!</translation>
    </message>
</context>
<context>
    <name>Messenger</name>
    <message>
        <source>保存する(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>保存しないで続ける(&amp;Y)</source>
        <translation>&amp;Continue without saving</translation>
    </message>
    <message>
        <source>キャンセル(&amp;N)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>PrintSheet</name>
    <message>
        <source>[全般]</source>
        <translation>[General]</translation>
    </message>
    <message>
        <source>[図心回り]</source>
        <translation>[About the centroid]</translation>
    </message>
    <message>
        <source>[座標軸回り]</source>
        <translation>[About the coordinate axes]</translation>
    </message>
    <message>
        <source>[主軸]</source>
        <translation>[Principal axes]</translation>
    </message>
    <message>
        <source>[縁端別断面係数]</source>
        <translation>[Extreme fibre moduli]</translation>
    </message>
    <message>
        <source>[塑性]</source>
        <translation>[Plastic]</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Kuvantoシート</source>
        <translation>Kuvanto sheet</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>File Name :</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>印刷を開始できません。</source>
        <translation>Printing cannot start.</translation>
    </message>
    <message>
        <source>印刷データを送れません。</source>
        <translation>The print data cannot be sent.</translation>
    </message>
    <message>
        <source>プリンタが選択されていません。</source>
        <translation>No printer is selected.</translation>
    </message>
    <message>
        <source>プリンタ %1 が見つかりません。</source>
        <translation>Printer %1 was not found.</translation>
    </message>
    <message>
        <source>プリンタ %1 に送れませんでした。</source>
        <translation>Could not send to printer %1.</translation>
    </message>
    <message>
        <source>[ねじり・せん断]</source>
        <translation>[Torsion and shear]</translation>
    </message>
    <message>
        <source>[ねじり・せん断の推定誤差]</source>
        <translation>[Torsion and shear: estimated errors]</translation>
    </message>
    <message>
        <source>[複合断面]</source>
        <translation>[Several materials]</translation>
    </message>
    <message>
        <source>加算図形%1</source>
        <translation>Added figure %1</translation>
    </message>
    <message>
        <source>減算図形%1</source>
        <translation>Subtracted figure %1</translation>
    </message>
    <message>
        <source>[図形の材料]</source>
        <translation>[Figures&apos; materials]</translation>
    </message>
    <message>
        <source>ＭＳ Ｐゴシック</source>
        <translation>ＭＳ Ｐゴシック</translation>
    </message>
    <message>
        <source>ＭＳ Ｐ明朝</source>
        <translation>ＭＳ Ｐ明朝</translation>
    </message>
    <message>
        <source>Kuvantoシート (%1) </source>
        <translation>Kuvanto sheet (%1) </translation>
    </message>
</context>
<context>
    <name>PrinterDialog</name>
    <message>
        <source>PDFファイル</source>
        <translation>PDF file</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>DXFファイルを選択して下さい。</source>
        <translation>Choose a DXF file.</translation>
    </message>
    <message>
        <source>DXFファイルを読み込んでいます...</source>
        <translation>Reading the DXF file...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>DXFファイル名を指定して下さい。</source>
        <translation>Enter the name of the DXF file.</translation>
    </message>
    <message>
        <source>計算結果を図面の横に文字で書き添えますか？</source>
        <translation>Write the results as text beside the drawing?</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>最近使ったファイル(&amp;J)</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。
%1
最近使ったファイルの一覧から削除しました。</source>
        <translation>The file was not found.
%1
It has been removed from the recent files.</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>記号</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>面積</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>図心X</source>
        <translation>Centroid X</translation>
    </message>
    <message>
        <source>図心Y</source>
        <translation>Centroid Y</translation>
    </message>
    <message>
        <source>周辺長</source>
        <translation>Perimeter</translation>
    </message>
    <message>
        <source>[図心回り]</source>
        <translation>[About the centroid]</translation>
    </message>
    <message>
        <source>断面2次モーメントX</source>
        <translation>Second moment of area X</translation>
    </message>
    <message>
        <source>断面2次モーメントY</source>
        <translation>Second moment of area Y</translation>
    </message>
    <message>
        <source>断面係数X</source>
        <translation>Section modulus X</translation>
    </message>
    <message>
        <source>断面係数Y</source>
        <translation>Section modulus Y</translation>
    </message>
    <message>
        <source>断面2次極モーメント</source>
        <translation>Polar moment</translation>
    </message>
    <message>
        <source>断面2次半径X</source>
        <translation>Radius of gyration X</translation>
    </message>
    <message>
        <source>断面2次半径Y</source>
        <translation>Radius of gyration Y</translation>
    </message>
    <message>
        <source>[座標軸回り]</source>
        <translation>[About the coordinate axes]</translation>
    </message>
    <message>
        <source>[主軸]</source>
        <translation>[Principal axes]</translation>
    </message>
    <message>
        <source>断面相乗モーメント</source>
        <translation>Product of inertia</translation>
    </message>
    <message>
        <source>断面相乗モーメント(座標軸)</source>
        <translation>Product of inertia (axes)</translation>
    </message>
    <message>
        <source>主軸角</source>
        <translation>Principal axis angle</translation>
    </message>
    <message>
        <source>主断面2次モーメントU</source>
        <translation>Principal moment U</translation>
    </message>
    <message>
        <source>主断面2次モーメントV</source>
        <translation>Principal moment V</translation>
    </message>
    <message>
        <source>断面係数U</source>
        <translation>Section modulus U</translation>
    </message>
    <message>
        <source>断面係数V</source>
        <translation>Section modulus V</translation>
    </message>
    <message>
        <source>断面2次半径U</source>
        <translation>Radius of gyration U</translation>
    </message>
    <message>
        <source>断面2次半径V</source>
        <translation>Radius of gyration V</translation>
    </message>
    <message>
        <source>[縁端別断面係数]</source>
        <translation>[Extreme fibre moduli]</translation>
    </message>
    <message>
        <source>断面係数X上縁</source>
        <translation>Section modulus X top</translation>
    </message>
    <message>
        <source>断面係数X下縁</source>
        <translation>Section modulus X bottom</translation>
    </message>
    <message>
        <source>断面係数Y右縁</source>
        <translation>Section modulus Y right</translation>
    </message>
    <message>
        <source>断面係数Y左縁</source>
        <translation>Section modulus Y left</translation>
    </message>
    <message>
        <source>[塑性]</source>
        <translation>[Plastic]</translation>
    </message>
    <message>
        <source>塑性中立軸X</source>
        <translation>Plastic neutral axis X</translation>
    </message>
    <message>
        <source>塑性中立軸Y</source>
        <translation>Plastic neutral axis Y</translation>
    </message>
    <message>
        <source>塑性断面係数X</source>
        <translation>Plastic section modulus X</translation>
    </message>
    <message>
        <source>塑性断面係数Y</source>
        <translation>Plastic section modulus Y</translation>
    </message>
    <message>
        <source>形状係数X</source>
        <translation>Shape factor X</translation>
    </message>
    <message>
        <source>形状係数Y</source>
        <translation>Shape factor Y</translation>
    </message>
    <message>
        <source>塑性断面係数U</source>
        <translation>Plastic section modulus U</translation>
    </message>
    <message>
        <source>塑性断面係数V</source>
        <translation>Plastic section modulus V</translation>
    </message>
    <message>
        <source>[ねじり・せん断]</source>
        <translation>[Torsion and shear]</translation>
    </message>
    <message>
        <source>サンブナンねじり定数</source>
        <translation>Torsion constant (Saint-Venant)</translation>
    </message>
    <message>
        <source>曲げねじり定数</source>
        <translation>Warping constant</translation>
    </message>
    <message>
        <source>せん断中心X</source>
        <translation>Shear centre X</translation>
    </message>
    <message>
        <source>せん断中心Y</source>
        <translation>Shear centre Y</translation>
    </message>
    <message>
        <source>図心からのせん断中心X</source>
        <translation>Shear centre X from centroid</translation>
    </message>
    <message>
        <source>図心からのせん断中心Y</source>
        <translation>Shear centre Y from centroid</translation>
    </message>
    <message>
        <source>せん断中心X(Trefftz)</source>
        <translation>Shear centre X (Trefftz)</translation>
    </message>
    <message>
        <source>せん断中心Y(Trefftz)</source>
        <translation>Shear centre Y (Trefftz)</translation>
    </message>
    <message>
        <source>せん断断面積X</source>
        <translation>Shear area X</translation>
    </message>
    <message>
        <source>せん断断面積Y</source>
        <translation>Shear area Y</translation>
    </message>
    <message>
        <source>せん断断面積(主軸u)</source>
        <translation>Shear area (principal axis u)</translation>
    </message>
    <message>
        <source>せん断断面積(主軸v)</source>
        <translation>Shear area (principal axis v)</translation>
    </message>
    <message>
        <source>ポアソン比</source>
        <translation>Poisson&apos;s ratio</translation>
    </message>
    <message>
        <source>要素数</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>推定誤差(J)</source>
        <translation>Estimated error (J)</translation>
    </message>
    <message>
        <source>推定誤差(Iw)</source>
        <translation>Estimated error (Iw)</translation>
    </message>
    <message>
        <source>注記</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>ねじり定数の下限</source>
        <translation>Torsion constant, lower bound</translation>
    </message>
    <message>
        <source>ねじり定数の上限</source>
        <translation>Torsion constant, upper bound</translation>
    </message>
    <message>
        <source>推定誤差(せん断中心)</source>
        <translation>Estimated error (shear centre)</translation>
    </message>
    <message>
        <source>推定誤差(せん断断面積)</source>
        <translation>Estimated error (shear areas)</translation>
    </message>
    <message>
        <source>[複合断面]</source>
        <translation>[Several materials]</translation>
    </message>
    <message>
        <source>ヤング係数比</source>
        <translation>Modular ratio</translation>
    </message>
    <message>
        <source>基準ヤング係数</source>
        <translation>Reference Young&apos;s modulus</translation>
    </message>
    <message>
        <source>換算断面積</source>
        <translation>Transformed area</translation>
    </message>
    <message>
        <source>剛心X</source>
        <translation>Centroid of stiffness X</translation>
    </message>
    <message>
        <source>剛心Y</source>
        <translation>Centroid of stiffness Y</translation>
    </message>
    <message>
        <source>換算断面2次モーメントX</source>
        <translation>Transformed second moment X</translation>
    </message>
    <message>
        <source>換算断面2次モーメントY</source>
        <translation>Transformed second moment Y</translation>
    </message>
    <message>
        <source>換算断面相乗モーメント</source>
        <translation>Transformed product of inertia</translation>
    </message>
    <message>
        <source>換算主軸角</source>
        <translation>Transformed principal angle</translation>
    </message>
    <message>
        <source>換算主断面2次モーメントU</source>
        <translation>Transformed principal moment U</translation>
    </message>
    <message>
        <source>換算主断面2次モーメントV</source>
        <translation>Transformed principal moment V</translation>
    </message>
    <message>
        <source>軸剛性(N)</source>
        <translation>Axial stiffness (N)</translation>
    </message>
    <message>
        <source>曲げ剛性X(N·mm²)</source>
        <translation>Bending stiffness X (N·mm²)</translation>
    </message>
    <message>
        <source>曲げ剛性Y(N·mm²)</source>
        <translation>Bending stiffness Y (N·mm²)</translation>
    </message>
    <message>
        <source>単位長さ質量(kg/m)</source>
        <translation>Mass per metre (kg/m)</translation>
    </message>
    <message>
        <source>塑性中立軸X(耐力)</source>
        <translation>Plastic neutral axis X (strength)</translation>
    </message>
    <message>
        <source>塑性中立軸Y(耐力)</source>
        <translation>Plastic neutral axis Y (strength)</translation>
    </message>
    <message>
        <source>全塑性モーメントX(kN·m)</source>
        <translation>Plastic moment X (kN·m)</translation>
    </message>
    <message>
        <source>全塑性モーメントY(kN·m)</source>
        <translation>Plastic moment Y (kN·m)</translation>
    </message>
    <message>
        <source>全塑性モーメントU(kN·m)</source>
        <translation>Plastic moment U (kN·m)</translation>
    </message>
    <message>
        <source>全塑性モーメントV(kN·m)</source>
        <translation>Plastic moment V (kN·m)</translation>
    </message>
    <message>
        <source>降伏モーメントX(kN·m)</source>
        <translation>First-yield moment X (kN·m)</translation>
    </message>
    <message>
        <source>降伏モーメントY(kN·m)</source>
        <translation>First-yield moment Y (kN·m)</translation>
    </message>
    <message>
        <source>ねじり剛性(N·mm²)</source>
        <translation>Torsional stiffness GJ (N·mm²)</translation>
    </message>
    <message>
        <source>複合断面のせん断中心X</source>
        <translation>Composite shear centre X</translation>
    </message>
    <message>
        <source>複合断面のせん断中心Y</source>
        <translation>Composite shear centre Y</translation>
    </message>
    <message>
        <source>曲げねじり剛性(N·mm⁴)</source>
        <translation>Warping stiffness EIw (N·mm⁴)</translation>
    </message>
    <message>
        <source>せん断剛性X(N)</source>
        <translation>Shear stiffness X (N)</translation>
    </message>
    <message>
        <source>せん断剛性Y(N)</source>
        <translation>Shear stiffness Y (N)</translation>
    </message>
</context>
<context>
    <name>ResultTable</name>
    <message>
        <source>&lt;&lt;有効なデータがないか、計算にエラーがあり表示できません。&gt;&gt;</source>
        <translation>&lt;&lt;No valid data, or the calculation failed: nothing to show.&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>加算%1</source>
        <translation>Added %1</translation>
    </message>
    <message>
        <source>減算%1</source>
        <translation>Subtracted %1</translation>
    </message>
    <message>
        <source>総合</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>ファイル %1 に書き込めません（%2）。</source>
        <translation>Cannot write file %1 (%2).</translation>
    </message>
</context>
<context>
    <name>SectionStress</name>
    <message>
        <source>応力: 断面の輪郭がないため計算できません。</source>
        <translation>Stress: the section has no outline; no stresses can be computed.</translation>
    </message>
    <message>
        <source>応力: 断面積または Ix·Iy − Ixy² が正でないため計算できません。</source>
        <translation>Stress: the area or Ix·Iy − Ixy² is not positive; no stresses can be computed.</translation>
    </message>
    <message>
        <source>せん断応力: ねじり・せん断の解析結果がないため、Vx, Vy, T によるせん断応力とそれに依る成分は &quot;-&quot; です。</source>
        <translation>Shear stress: there is no torsion and shear analysis, so the shear stresses from Vx, Vy and T and the components that depend on them are &quot;-&quot;.</translation>
    </message>
    <message>
        <source>せん断応力: 断面が離れた複数の部分からなり、部分の間のせん断流が定まらないため、Vx, Vy, T によるせん断応力とそれに依る成分は &quot;-&quot; です。</source>
        <translation>Shear stress: the section consists of several separate parts and the shear flow between them is undefined, so the shear stresses from Vx, Vy and T and the components that depend on them are &quot;-&quot;.</translation>
    </message>
    <message>
        <source>せん断応力: 材料の異なる図形からなる断面のせん断応力はまだ計算されないため、Vx, Vy, T によるせん断応力とそれに依る成分は &quot;-&quot; です。</source>
        <translation>Shear stress: the shear stresses of a section of figures of different materials are not computed yet, so the shear stresses from Vx, Vy and T and the components that depend on them are &quot;-&quot;.</translation>
    </message>
    <message>
        <source>せん断応力: 要素分割から有限の値が得られないため、Vx, Vy, T によるせん断応力とそれに依る成分は &quot;-&quot; です。</source>
        <translation>Shear stress: the mesh gives no finite values, so the shear stresses from Vx, Vy and T and the components that depend on them are &quot;-&quot;.</translation>
    </message>
</context>
<context>
    <name>SelectionScalingDialog</name>
    <message>
        <source>基点及び尺度には数値を入力して下さい。</source>
        <translation>Enter numbers for the base point and the scale.</translation>
    </message>
</context>
<context>
    <name>ShapeCommands</name>
    <message>
        <source>選択行からデータを挿入します。
よろしいですか？</source>
        <translation>The data will be inserted at the selected row.
Are you sure?</translation>
    </message>
    <message>
        <source>矩形の挿入</source>
        <translation>Insert rectangle</translation>
    </message>
    <message>
        <source>円（円弧）の挿入</source>
        <translation>Insert circle (arc)</translation>
    </message>
    <message>
        <source>コーナーを選択してからコマンドを実行してください。</source>
        <translation>Select a corner first, then run the command.</translation>
    </message>
    <message>
        <source>長さ(増分)または角度が大きすぎるか数値でないため、線分を挿入できません。</source>
        <translation>Cannot insert the line: the length (increment) or the angle is too large or not a number.</translation>
    </message>
    <message>
        <source>座標が大きすぎるため、矩形を挿入できません。</source>
        <translation>Cannot insert the rectangle: the coordinates are too large.</translation>
    </message>
</context>
<context>
    <name>ShapeLibrary</name>
    <message>
        <source>登録図形の挿入</source>
        <translation>Insert library part</translation>
    </message>
    <message>
        <source>選択行からデータを挿入します。<byte value="xd"/>よろしいですか？</source>
        <translation>The data will be inserted at the selected row.<byte value="xd"/>Are you sure?</translation>
    </message>
    <message>
        <source>登録図形管理ファイル(pre.ini)の読込みにおいてエラーが発生しました。</source>
        <translation>An error occurred reading the library registry (pre.ini).</translation>
    </message>
    <message>
        <source>登録図形管理ファイル(pre.ini)への登録時にエラーが発生しました。</source>
        <translation>An error occurred writing to the library registry (pre.ini).</translation>
    </message>
    <message>
        <source>データファイル(csv)のアドレスが不正です。</source>
        <translation>The path of the data file (csv) is not valid.</translation>
    </message>
    <message>
        <source>登録名称にカンマ(,)や引用符(&quot;)は使えません。別の名称を入力して下さい。</source>
        <translation>The name cannot contain a comma (,) or a quotation mark (&quot;). Enter another name.</translation>
    </message>
    <message>
        <source>データファイルの名前にカンマ(,)や引用符(&quot;)があるため登録できません。名前を変えたファイルを選んで下さい。</source>
        <translation>The data file name contains a comma (,) or a quotation mark (&quot;) and cannot be registered. Choose a renamed file.</translation>
    </message>
    <message>
        <source>データファイルはライブラリのdataフォルダーにあるものしか登録できません（登録されるのはファイル名だけで、データはdataフォルダーから読まれます）。<byte value="xd"/>ファイルを次のフォルダーに置いてから登録して下さい。<byte value="xd"/></source>
        <translation>Only data files in the library&apos;s data folder can be registered (only the file name is registered; the data are read from the data folder).<byte value="xd"/>Put the file into the following folder, then register it.<byte value="xd"/></translation>
    </message>
    <message>
        <source>挿入座標が大きすぎるか数値でないため、挿入できません。</source>
        <translation>Cannot insert: the insertion point is too large or not a number.</translation>
    </message>
    <message>
        <source>エラーが発生しました。</source>
        <translation>An error occurred.</translation>
    </message>
    <message>
        <source>登録図形座標ファイル(</source>
        <translation>An error occurred reading the part coordinate file (</translation>
    </message>
    <message>
        <source>)の読込みにおいてエラーが発生しました。</source>
        <translation>).</translation>
    </message>
    <message>
        <source>を削除します。<byte value="xd"/>よろしいですか？(なお、csvデータは削除されません。)</source>
        <translation> will be removed.<byte value="xd"/>Are you sure? (The csv data file is not deleted.)</translation>
    </message>
</context>
<context>
    <name>ShippedLibrary</name>
    <message>
        <source>フォルダ %1 を作成できません。</source>
        <translation>Cannot create folder %1.</translation>
    </message>
</context>
<context>
    <name>StressExport</name>
    <message>
        <source>成分</source>
        <translation>Component</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>[応力 (MPa)]</source>
        <translation>[Stress (MPa)]</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>[応力の包絡 (MPa)]</source>
        <translation>[Stress envelope (MPa)]</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>ファイル %1 を読み込めません（%2）。</source>
        <translation>Cannot read file %1 (%2).</translation>
    </message>
</context>
<context>
    <name>TorsionAnalysis</name>
    <message>
        <source>ねじり・せん断: 計算できる断面がありません。</source>
        <translation>Torsion and shear: there is no section to compute.</translation>
    </message>
    <message>
        <source>ねじり・せん断: ポアソン比は0以上0.5未満で指定してください。</source>
        <translation>Torsion and shear: Poisson&apos;s ratio must be at least 0 and below 0.5.</translation>
    </message>
    <message>
        <source>ねじり・せん断: 減算図形が加算図形の外にはみ出しているため計算できません。</source>
        <translation>Torsion and shear: a subtracted figure reaches outside the added figures; cannot compute.</translation>
    </message>
    <message>
        <source>ねじり・せん断: 断面が大きすぎて要素分割できません。要素寸法を大きくしてください。</source>
        <translation>Torsion and shear: the section is too large to mesh. Use a larger element size.</translation>
    </message>
    <message>
        <source>ねじり・せん断: 計算を中止しました。</source>
        <translation>Torsion and shear: the calculation was cancelled.</translation>
    </message>
    <message>
        <source>ねじり・せん断: 計算できませんでした。</source>
        <translation>Torsion and shear: the calculation failed.</translation>
    </message>
    <message>
        <source>ねじり・せん断: 加算図形の重なった部分は二重に数えています。</source>
        <translation>Torsion and shear: overlapping parts of added figures are counted twice.</translation>
    </message>
    <message>
        <source>ねじり・せん断: 要素が多いため、推定誤差は計算していません。</source>
        <translation>Torsion and shear: the mesh is too large to refine, so the error is not estimated.</translation>
    </message>
    <message>
        <source>ねじり・せん断: 断面は%1つの離れた部分からなります。曲げねじり定数、せん断中心、せん断断面積は一つにつながった断面の値のため「-」とし、ねじり定数は各部分の和です。</source>
        <translation>Torsion and shear: the section consists of %1 separate parts. The warping constant, the shear centre and the shear areas belong to one connected section and are shown as &quot;-&quot;; the torsion constant is the sum of the parts&apos;.</translation>
    </message>
    <message>
        <source>ねじり・せん断: 減算図形が、同じ材料の加算図形の外にはみ出しているため計算できません。</source>
        <translation>Torsion and shear: cannot be computed because a subtracted figure reaches outside the added figures of its own material.</translation>
    </message>
    <message>
        <source>ねじり・せん断: 材料が指定されていない図形があるため計算できません。</source>
        <translation>Torsion and shear: cannot be computed because some figures have no material.</translation>
    </message>
    <message>
        <source>ねじり・せん断: 複数の材料からなる断面のため、ねじり定数、曲げねじり定数、せん断断面積は基準材料に換算した値で、図心は剛心です。剛性は[複合断面]に示します。</source>
        <translation>Torsion and shear: the section is of several materials, so the torsion constant, the warping constant and the shear areas are transformed to the reference material, and the centroid is the centroid of stiffness. The stiffnesses are in [Several materials].</translation>
    </message>
</context>
<context>
    <name>Transformations</name>
    <message>
        <source>選択座標(加算図形)&#x3000;：X=</source>
        <translation>Selected (added figures): X=</translation>
    </message>
    <message>
        <source>選択座標(減算図形)&#x3000;：X=</source>
        <translation>Selected (subtracted figures): X=</translation>
    </message>
</context>
<context>
    <name>ViewPanel</name>
    <message>
        <source>Ctrl+左クリックドラッグ</source>
        <translation>Ctrl + left drag</translation>
    </message>
    <message>
        <source>Ctrl+右クリックドラッグ</source>
        <translation>Ctrl + right drag</translation>
    </message>
    <message>
        <source>チェックを入れることにより手動にて尺度変更又は移動した表示をオートスケールに戻します。</source>
        <translation>Check to return a view that was zoomed or moved by hand to automatic scaling.</translation>
    </message>
    <message>
        <source>図形画面表示の尺度変更又は移動を行ないます。(マウスでも可)</source>
        <translation>Zooms or moves the figure view (the mouse can do it too).</translation>
    </message>
    <message>
        <source>座標グリッドの表示及び、フリーハンド描画モードにおける座標入力制限を行ないます。</source>
        <translation>Shows the coordinate grid and snaps the points of freehand drawing to it.</translation>
    </message>
    <message>
        <source>フリーハンド描画モードにて利用できます。</source>
        <translation>Available in freehand drawing mode.</translation>
    </message>
</context>
<context>
    <name>WindowEditing</name>
    <message>
        <source>上の行に頂点がないため、入力した長さの頂点を挿入できません。</source>
        <translation>There is no vertex in the row above, so no vertex at the entered length can be inserted.</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>断面</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>応力</source>
        <translation>Stress</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>座標データ(X,Y)でないデータがほかに%1組ありました。</source>
        <translation>There were %1 more pairs that are not coordinate data (X,Y).</translation>
    </message>
    <message>
        <source>省略したデータは合わせて%1組です。</source>
        <translation>%1 pairs were skipped in all.</translation>
    </message>
</context>
<context>
    <name>kuvanto</name>
    <message>
        <source>紙空間の要素</source>
        <translation>paper space entities</translation>
    </message>
    <message>
        <source>無いブロック「%1」の挿入</source>
        <translation>insertions of the missing block &quot;%1&quot;</translation>
    </message>
    <message>
        <source>図面の面にない%1</source>
        <translation>%1 outside the drawing&apos;s plane</translation>
    </message>
    <message>
        <source>形をなさない%1</source>
        <translation>degenerate %1</translation>
    </message>
    <message>
        <source>不正な%1</source>
        <translation>invalid %1</translation>
    </message>
    <message>
        <source>開いた輪郭の端</source>
        <translation>open ends</translation>
    </message>
    <message>
        <source>3本以上の線が集まる点</source>
        <translation>points where three or more lines meet</translation>
    </message>
    <message>
        <source>自己交差する輪郭</source>
        <translation>self-intersecting outlines</translation>
    </message>
    <message>
        <source>面積のない輪郭</source>
        <translation>outlines without area</translation>
    </message>
    <message>
        <source>検査できない複雑な輪郭</source>
        <translation>outlines too complex to check</translation>
    </message>
</context>
<context>
    <name>kuvanto::ArcDialog</name>
    <message>
        <source>円（円弧）の挿入</source>
        <translation>Insert circle (arc)</translation>
    </message>
    <message>
        <source>分割数を少なくするとことで多角形</source>
        <translation>Fewer divisions give a polygon</translation>
    </message>
    <message>
        <source>右回り</source>
        <translation>Clockwise</translation>
    </message>
    <message>
        <source>左回り</source>
        <translation>Counter-clockwise</translation>
    </message>
    <message>
        <source>中心座標</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>角度範囲</source>
        <translation>Angle range</translation>
    </message>
    <message>
        <source>角度1</source>
        <translation>Angle 1</translation>
    </message>
    <message>
        <source>角度2</source>
        <translation>Angle 2</translation>
    </message>
    <message>
        <source>円弧分割数</source>
        <translation>Arc divisions</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>div.</translation>
    </message>
    <message>
        <source>円弧分割数が低く、角度を正確に模擬できません。(角度ステップ=</source>
        <translation>Too few arc divisions to follow the angles exactly. (angle step = </translation>
    </message>
    <message>
        <source>°)
分割数を自動変更します。</source>
        <translation>°)
The number of divisions is changed automatically.</translation>
    </message>
    <message>
        <source>円弧分割数では角度範囲を等分できません。(角度ステップ=</source>
        <translation>The divisions do not split the angle range evenly. (angle step = </translation>
    </message>
    <message>
        <source>°)
最後のステップを短くして角度範囲の終わりで終えます。</source>
        <translation>°)
The last step is shortened so that the arc ends at the end of the range.</translation>
    </message>
    <message>
        <source>円弧分割数は0より大きく720未満の値を入力して下さい。</source>
        <translation>Enter a number of arc divisions above 0 and below 720.</translation>
    </message>
    <message>
        <source>角度1と角度2が等しく、角度ステップの倍数でもないため、円弧を挿入できません。</source>
        <translation>Cannot insert the arc: angle 1 equals angle 2 and is not a multiple of the angle step.</translation>
    </message>
    <message>
        <source>角度範囲または入力値が大きすぎるため、円弧を挿入できません。</source>
        <translation>Cannot insert the arc: the angle range or an input value is too large.</translation>
    </message>
</context>
<context>
    <name>kuvanto::ArcPicture</name>
    <message>
        <source>角度1</source>
        <translation>Angle 1</translation>
    </message>
    <message>
        <source>角度2</source>
        <translation>Angle 2</translation>
    </message>
</context>
<context>
    <name>kuvanto::ColorDialog</name>
    <message>
        <source>色設定</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>加算図形：</source>
        <translation>Added figures:</translation>
    </message>
    <message>
        <source>減算図形：</source>
        <translation>Subtracted figures:</translation>
    </message>
    <message>
        <source>補助Grid：</source>
        <translation>Grid:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>色設定を保存できませんでした。
%1
%2</source>
        <translation>The colour settings could not be saved.
%1
%2</translation>
    </message>
</context>
<context>
    <name>kuvanto::CoordInputDialog</name>
    <message>
        <source>座標入力</source>
        <translation>Coordinate input</translation>
    </message>
    <message>
        <source>相対座標は、現在座標に対するx,y増分を現します。</source>
        <translation>Relative coordinates are x, y increments from the current point.</translation>
    </message>
    <message>
        <source>直接座標入力</source>
        <translation>Enter coordinates</translation>
    </message>
    <message>
        <source>相対</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>絶対</source>
        <translation>Absolute</translation>
    </message>
    <message>
        <source>座標を入力して下さい。</source>
        <translation>Enter the coordinates.</translation>
    </message>
</context>
<context>
    <name>kuvanto::CornerRoundingDialog</name>
    <message>
        <source>円弧分割数は0より大きく720未満の値を入力して下さい。</source>
        <translation>Enter a number of arc divisions above 0 and below 720.</translation>
    </message>
    <message>
        <source>半径は正の値を入力して下さい。</source>
        <translation>Enter a positive radius.</translation>
    </message>
    <message>
        <source>コーナーと隣の座標が同じため、R付けできません。</source>
        <translation>Cannot round: the corner and its neighbour are the same point.</translation>
    </message>
    <message>
        <source>コーナーの前後の辺が一直線上にあるため、R付けできません。</source>
        <translation>Cannot round: the edges before and after the corner lie on one line.</translation>
    </message>
    <message>
        <source>円（円弧）の挿入</source>
        <translation>Insert circle (arc)</translation>
    </message>
    <message>
        <source>通過座標</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>始点&#x3000;X1</source>
        <translation>Start  X1</translation>
    </message>
    <message>
        <source>終点&#x3000;X2</source>
        <translation>End  X2</translation>
    </message>
    <message>
        <source>交点&#x3000;Xc</source>
        <translation>Corner  Xc</translation>
    </message>
    <message>
        <source>分割数を少なくするとことで多角形</source>
        <translation>Fewer divisions give a polygon</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>円弧分割数</source>
        <translation>Arc divisions</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>div.</translation>
    </message>
</context>
<context>
    <name>kuvanto::DirectEditDialog</name>
    <message>
        <source>直接編集</source>
        <translation>Edit as text</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kuvanto::DrawingPreview</name>
    <message>
        <source>(輪郭なし)</source>
        <translation>(no outlines)</translation>
    </message>
</context>
<context>
    <name>kuvanto::DxfImport</name>
    <message>
        <source>読み込まない要素 %1</source>
        <translation>entities not read: %1</translation>
    </message>
    <message>
        <source> 隙間 %1</source>
        <translation> gap %1</translation>
    </message>
    <message>
        <source> 他 %1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>画層「%1」: %2</source>
        <translation>layer &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>閉じた輪郭がすべて他の輪郭と交差しています（%1組）。重なった輪郭を一つの図形にするには結合を選んで下さい。</source>
        <translation>Every closed outline crosses another (%1 pairs). Choose joining to make overlapping outlines one figure.</translation>
    </message>
    <message>
        <source>閉じた輪郭がありません（開いた輪郭の端 %1 個）。</source>
        <translation>No closed outline (%1 open ends).</translation>
    </message>
    <message>
        <source>使える閉じた輪郭がありません（自己交差・面積のない輪郭など %1 個）。</source>
        <translation>No usable closed outline (%1 self-intersecting, without area or otherwise faulty).</translation>
    </message>
    <message>
        <source>読み込む画層が選ばれていません。</source>
        <translation>No layer is chosen.</translation>
    </message>
    <message>
        <source>モデル空間に図形がありません（紙空間の要素 %1 個は読みません）。</source>
        <translation>Nothing in model space (%1 paper space entities are not read).</translation>
    </message>
    <message>
        <source>輪郭になる図形がありません（読み込まない要素 %1 個）。</source>
        <translation>No entity that makes an outline (%1 entities not read).</translation>
    </message>
    <message>
        <source>図面に輪郭になる図形がありません。</source>
        <translation>The drawing has no entity that makes an outline.</translation>
    </message>
    <message>
        <source>図面は単位を示していません（$INSUNITS なし、または 0）。mm として読みます。</source>
        <translation>The drawing declares no unit ($INSUNITS missing or 0); it is read in mm.</translation>
    </message>
    <message>
        <source>図面の単位コード $INSUNITS %1 はDXFに定義されていません。mm として読みます。</source>
        <translation>The drawing&apos;s unit code $INSUNITS %1 is not defined by DXF; it is read in mm.</translation>
    </message>
    <message>
        <source>ファイルに終わりの印（0 EOF）がありません。最後のセクションまで読みました。</source>
        <translation>The file has no end mark (0 EOF); it was read up to its last section.</translation>
    </message>
    <message>
        <source>閉じた輪郭はすべてオフまたはフリーズの画層にあり、読みません。それらの画層も読むように選んで下さい。</source>
        <translation>Every closed outline lies on a layer that is off or frozen and is not read. Choose to read those layers too.</translation>
    </message>
    <message>
        <source>輪郭はすべて傾いた一つの面に描かれています。その面の座標で読みました。</source>
        <translation>Every outline is drawn in one tilted plane; they were read in that plane&apos;s own coordinates.</translation>
    </message>
</context>
<context>
    <name>kuvanto::DxfImportDialog</name>
    <message>
        <source>DXFファイルの読み込み</source>
        <translation>Import DXF file</translation>
    </message>
    <message>
        <source>ファイル: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>画層（閉じた輪郭の数）</source>
        <translation>Layers (closed outlines)</translation>
    </message>
    <message>
        <source>登録図形と同じ (1/4円を64分割)</source>
        <translation>As library parts (64 per quarter circle)</translation>
    </message>
    <message>
        <source>図面の単位</source>
        <translation>Drawing units</translation>
    </message>
    <message>
        <source>尺度</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>弦の誤差 (mm)</source>
        <translation>Chord tolerance (mm)</translation>
    </message>
    <message>
        <source>読み込み先</source>
        <translation>Import into</translation>
    </message>
    <message>
        <source>表を置き換える</source>
        <translation>Replace the tables</translation>
    </message>
    <message>
        <source>選択行に挿入する</source>
        <translation>Insert at the selected row</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> 除外 %1</source>
        <translation> excluded %1</translation>
    </message>
    <message>
        <source> 他の要素 %1</source>
        <translation> other entities %1</translation>
    </message>
    <message>
        <source>尺度と弦の誤差には正の数を入力して下さい。</source>
        <translation>Enter positive numbers for the scale and the chord tolerance.</translation>
    </message>
    <message>
        <source>加算図形 %1、減算図形 %2</source>
        <translation>Added figures %1, subtracted figures %2</translation>
    </message>
    <message>
        <source>読み込める閉じた輪郭がありません。</source>
        <translation>There are no closed outlines to import.</translation>
    </message>
    <message>
        <source>交差する輪郭を一つの図形に結合する</source>
        <translation>Join crossing outlines into one figure</translation>
    </message>
    <message>
        <source>組み立て断面のように重なった輪郭を和の一つの図形にします。外すと交差する輪郭は読み込みません。</source>
        <translation>Overlapping outlines become one figure, their union, as in a built-up section. Unchecked, crossing outlines are left out.</translation>
    </message>
    <message>
        <source>読み込まない輪郭（開いた輪郭・自己交差・交差・重複）</source>
        <translation>Left out (open, self-intersecting, crossing, repeated outlines)</translation>
    </message>
    <message>
        <source>オフ・フリーズの画層も読む</source>
        <translation>Read layers that are off or frozen</translation>
    </message>
    <message>
        <source> (オフ/フリーズ)</source>
        <translation> (off/frozen)</translation>
    </message>
</context>
<context>
    <name>kuvanto::EditCoordDialog</name>
    <message>
        <source>座標編集</source>
        <translation>Edit coordinates</translation>
    </message>
    <message>
        <source>新しい座標を入力して下さい。</source>
        <translation>Enter the new coordinates.</translation>
    </message>
</context>
<context>
    <name>kuvanto::HelpWindow</name>
    <message>
        <source>[図形又は座標のの選択]</source>
        <translation>[Selecting figures or vertices]</translation>
    </message>
    <message>
        <source>&#x3000;左クリック(各頂点で)&#x3000;&#x3000; &#x3000;&#x3000;&#x3000;：頂点選択</source>
        <translation>  Left click (on a vertex)        : select the vertex</translation>
    </message>
    <message>
        <source>&#x3000;Shift + 左クリック&#x3000;&#x3000;&#x3000; &#x3000;&#x3000;&#x3000;：連続図形選択</source>
        <translation>  Shift + left click               : select the whole figure</translation>
    </message>
    <message>
        <source>[座標編集]</source>
        <translation>[Editing coordinates]</translation>
    </message>
    <message>
        <source>&#x3000;左ダブルクリック(各頂点で) &#x3000;&#x3000;：座標編集</source>
        <translation>  Double click (on a vertex)       : edit the coordinates</translation>
    </message>
    <message>
        <source>[画面表示移動]</source>
        <translation>[Moving the view]</translation>
    </message>
    <message>
        <source>&#x3000;Ctrl + 左ドラッグ &#x3000;&#x3000;&#x3000; &#x3000;&#x3000;&#x3000;：画面表示 移動</source>
        <translation>  Ctrl + left drag                 : move the view</translation>
    </message>
    <message>
        <source>&#x3000;Ctrl + 右ドラッグ(上下)&#x3000;&#x3000;&#x3000;&#x3000;：画面表示 拡大/縮小</source>
        <translation>  Ctrl + right drag (up/down)      : zoom in/out</translation>
    </message>
    <message>
        <source>[フリーハンドモード]</source>
        <translation>[Freehand mode]</translation>
    </message>
    <message>
        <source>&#x3000;Shift + 左ドラッグ又はクリック ：直交モード</source>
        <translation>  Shift + left drag or click       : horizontal/vertical only</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>kuvanto::LanguageMenu</name>
    <message>
        <source>表示言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>表示言語は次回の起動から切り替わります。</source>
        <translation>The language changes when Kuvanto is next started.</translation>
    </message>
</context>
<context>
    <name>kuvanto::LibraryManageDialog</name>
    <message>
        <source>登録図形データファイルの管理</source>
        <translation>Library data files</translation>
    </message>
    <message>
        <source>データファイル登録</source>
        <translation>Register a data file</translation>
    </message>
    <message>
        <source>任意の名前を入力して下さい。</source>
        <translation>Enter any name.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>データファイル：</source>
        <translation>Data file:</translation>
    </message>
    <message>
        <source>登録名称：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>登録削除</source>
        <translation>Remove a registration</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>データファイルはcsv形式で、フォーマットが決まっています。<byte value="xd"/>又、登録場所(保存フィルダ)は以下の通りとしてください。<byte value="xd"/><byte value="xd"/></source>
        <translation>Data files are CSV files in a fixed format.<byte value="xd"/>Keep them in the following folder.<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>データファイルを選択して下さい。</source>
        <translation>Choose a data file.</translation>
    </message>
</context>
<context>
    <name>kuvanto::LineDialog</name>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
</context>
<context>
    <name>kuvanto::LinePicture</name>
    <message>
        <source>始点</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>終点</source>
        <translation>End</translation>
    </message>
</context>
<context>
    <name>kuvanto::MainWindow</name>
    <message>
        <source>加算図形</source>
        <translation>Added figures</translation>
    </message>
    <message>
        <source>減算図形</source>
        <translation>Subtracted figures</translation>
    </message>
    <message>
        <source>断面特性(結果)</source>
        <translation>Section properties (results)</translation>
    </message>
</context>
<context>
    <name>kuvanto::MassDialog</name>
    <message>
        <source>単位長さ当たりの質量</source>
        <translation>Mass per unit length</translation>
    </message>
    <message>
        <source>鉄：7.8、アルミ：2.7</source>
        <translation>Steel: 7.8, aluminium: 2.7</translation>
    </message>
    <message>
        <source>密度：</source>
        <translation>Density:</translation>
    </message>
    <message>
        <source>総合図形の単位長さ(m)当たりの質量；</source>
        <translation>Mass per unit length (m) of the whole section:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kuvanto::MaterialBar</name>
    <message>
        <source>現在の図形の材料</source>
        <translation>The current figure&apos;s material</translation>
    </message>
    <message>
        <source>材料一覧...</source>
        <translation>Materials...</translation>
    </message>
    <message>
        <source>材料一覧の編集</source>
        <translation>Edit the list of materials</translation>
    </message>
    <message>
        <source>図形%1の材料:</source>
        <translation>Material of figure %1:</translation>
    </message>
    <message>
        <source>材料:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>E = %1 N/mm², ν = %2, fy = %3 N/mm², ρ = %4 g/cm³</source>
        <translation>E = %1 N/mm², ν = %2, fy = %3 N/mm², ρ = %4 g/cm³</translation>
    </message>
</context>
<context>
    <name>kuvanto::MaterialListDialog</name>
    <message>
        <source>材料一覧</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>材料名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ヤング係数E (N/mm²)</source>
        <translation>Young&apos;s modulus E (N/mm²)</translation>
    </message>
    <message>
        <source>ポアソン比ν</source>
        <translation>Poisson&apos;s ratio ν</translation>
    </message>
    <message>
        <source>降伏強度fy (N/mm²)</source>
        <translation>Yield strength fy (N/mm²)</translation>
    </message>
    <message>
        <source>密度ρ (g/cm³)</source>
        <translation>Density ρ (g/cm³)</translation>
    </message>
    <message>
        <source>出典</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>変更</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source> (標準)</source>
        <translation> (shipped)</translation>
    </message>
    <message>
        <source>標準の材料は変更できません。コピーを作って編集してください。</source>
        <translation>A shipped material cannot be changed. Make a copy and edit that.</translation>
    </message>
    <message>
        <source>材料一覧を保存できませんでした。</source>
        <translation>The list of materials could not be saved.</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kuvanto::PrinterDialog</name>
    <message>
        <source>プリンタ選択</source>
        <translation>Choose printer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>出力するプリンタを選択してください。</source>
        <translation>Choose the printer to print on.</translation>
    </message>
</context>
<context>
    <name>kuvanto::RectangleDialog</name>
    <message>
        <source>矩形図形の挿入</source>
        <translation>Insert rectangle</translation>
    </message>
    <message>
        <source>始点</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>終点</source>
        <translation>End</translation>
    </message>
    <message>
        <source>対角座標を入力して下さい。</source>
        <translation>Enter two opposite corners.</translation>
    </message>
</context>
<context>
    <name>kuvanto::RectanglePicture</name>
    <message>
        <source>始点 (X, Y)</source>
        <translation>Start (X, Y)</translation>
    </message>
    <message>
        <source>終点 (X, Y)</source>
        <translation>End (X, Y)</translation>
    </message>
</context>
<context>
    <name>kuvanto::ReferenceMaterialChooser</name>
    <message>
        <source>基準材料:</source>
        <translation>Reference material:</translation>
    </message>
    <message>
        <source>最も多い材料(自動)</source>
        <translation>The most common material (automatic)</translation>
    </message>
</context>
<context>
    <name>kuvanto::SectionCanvas</name>
    <message>
        <source>原点表示</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>図心表示</source>
        <translation>Centroid</translation>
    </message>
    <message>
        <source>主軸表示</source>
        <translation>Principal axes</translation>
    </message>
    <message>
        <source>FreeHandモード解除</source>
        <translation>End freehand mode</translation>
    </message>
    <message>
        <source>せん断中心表示</source>
        <translation>Shear centre</translation>
    </message>
</context>
<context>
    <name>kuvanto::SectionDiagram</name>
    <message>
        <source>x_p</source>
        <translation>x_p</translation>
    </message>
    <message>
        <source>y_p</source>
        <translation>y_p</translation>
    </message>
    <message>
        <source>u</source>
        <translation>u</translation>
    </message>
    <message>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <source>θ = %1°</source>
        <translation>θ = %1°</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>kuvanto::SelectionMoveDialog</name>
    <message>
        <source>選択座標移動</source>
        <translation>Move selection</translation>
    </message>
    <message>
        <source>単純移動</source>
        <translation>Move by distance</translation>
    </message>
    <message>
        <source>移動距離を入力して下さい。</source>
        <translation>Enter the distance to move.</translation>
    </message>
    <message>
        <source>基点座標→目標座標</source>
        <translation>Base point → target point</translation>
    </message>
    <message>
        <source>基点座標を選択して下さい。</source>
        <translation>Choose the base point.</translation>
    </message>
    <message>
        <source>目標座標を入力して下さい。</source>
        <translation>Enter the target point.</translation>
    </message>
</context>
<context>
    <name>kuvanto::SelectionRotateDialog</name>
    <message>
        <source>選択座標回転</source>
        <translation>Rotate selection</translation>
    </message>
    <message>
        <source>中心 X</source>
        <translation>Centre X</translation>
    </message>
    <message>
        <source>角度 θ</source>
        <translation>Angle θ</translation>
    </message>
    <message>
        <source>回転中心座標および回転角度を入力して下さい。</source>
        <translation>Enter the centre and the angle of the rotation.</translation>
    </message>
</context>
<context>
    <name>kuvanto::SelectionScalingDialog</name>
    <message>
        <source>選択座標拡大･縮小</source>
        <translation>Scale selection</translation>
    </message>
    <message>
        <source>基点 X</source>
        <translation>Base X</translation>
    </message>
    <message>
        <source>尺度 α</source>
        <translation>Scale α</translation>
    </message>
    <message>
        <source>基点及び尺度を入力して下さい。</source>
        <translation>Enter the base point and the scale.</translation>
    </message>
</context>
<context>
    <name>kuvanto::ShapeInsertDialog</name>
    <message>
        <source>登録図形の挿入</source>
        <translation>Insert library part</translation>
    </message>
    <message>
        <source>青又は黄緑丸から挿入基点を選択</source>
        <translation>Pick the base point from the blue or green circles</translation>
    </message>
    <message>
        <source>基点座標 X：</source>
        <translation>Base point X:</translation>
    </message>
    <message>
        <source>, Y：</source>
        <translation>, Y:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>種別リスト</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>部品リスト</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>挿入座標</source>
        <translation>Insert at</translation>
    </message>
</context>
<context>
    <name>kuvanto::StressPanel</name>
    <message>
        <source>力</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>モーメント</source>
        <translation>Moment</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>読み込み...</source>
        <translation>Read...</translation>
    </message>
    <message>
        <source>書き出し...</source>
        <translation>Write...</translation>
    </message>
    <message>
        <source>符号 (右ねじ): 引張が正。Mx &gt; 0 (ベクトル +x 向き) は +y 側が引張、My &gt; 0 (ベクトル +y 向き) は +x 側が圧縮。Vx, Vy はせん断中心を通り、T &gt; 0 は +z から見て反時計回り。応力は MPa (座標 mm)。</source>
        <translation>Signs (right-hand rule): tension positive. Mx &gt; 0 (vector along +x) puts +y in tension, My &gt; 0 (vector along +y) puts +x in compression. Vx, Vy act through the shear centre; T &gt; 0 turns counter-clockwise seen from +z. Stresses in MPa (coordinates in mm).</translation>
    </message>
    <message>
        <source>荷重ケースファイルを選択して下さい。</source>
        <translation>Choose a load-case file.</translation>
    </message>
    <message>
        <source>荷重ケースファイルの書き出し</source>
        <translation>Write the load-case file</translation>
    </message>
    <message>
        <source>荷重ケースがありません。</source>
        <translation>No load cases.</translation>
    </message>
    <message>
        <source>断面の計算ができません。</source>
        <translation>The section cannot be computed.</translation>
    </message>
    <message>
        <source>全ケースの包絡 (%1): -</source>
        <translation>Envelope of all cases (%1): -</translation>
    </message>
    <message>
        <source>全ケースの包絡 (%1): 最大 %2 MPa (%3)、最小 %4 MPa (%5)</source>
        <translation>Envelope of all cases (%1): max %2 MPa (%3), min %4 MPa (%5)</translation>
    </message>
    <message>
        <source>せん断応力の矢印</source>
        <translation>Shear stress arrows</translation>
    </message>
    <message>
        <source>応力を計算しています...</source>
        <translation>Computing the stresses...</translation>
    </message>
    <message>
        <source>せん断応力: ねじり・せん断の解析の終了を待っています。</source>
        <translation>Shear stress: waiting for the torsion and shear analysis to end.</translation>
    </message>
    <message>
        <source>σzz 最大 %1、最小 %2 MPa</source>
        <translation>σzz max %1, min %2 MPa</translation>
    </message>
    <message>
        <source>%1 (n = %2): %3、σvM/fy = %4</source>
        <translation>%1 (n = %2): %3, σvM/fy = %4</translation>
    </message>
</context>
<context>
    <name>kuvanto::StressSheetPage</name>
    <message>
        <source>荷重ケース %1: </source>
        <translation>Load case %1: </translation>
    </message>
    <message>
        <source>力 N、モーメント N·mm、応力 MPa (座標 mm)</source>
        <translation>Forces in N, moments in N·mm, stresses in MPa (coordinates in mm)</translation>
    </message>
    <message>
        <source>成分</source>
        <translation>Component</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>At</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>応力の最大・最小</source>
        <translation>Largest and smallest stresses</translation>
    </message>
    <message>
        <source>全 %1 ケースの包絡</source>
        <translation>Envelope of all %1 cases</translation>
    </message>
    <message>
        <source>材料ごとの応力</source>
        <translation>Stresses per material</translation>
    </message>
    <message>
        <source>Kuvantoシート (%1) 応力 </source>
        <translation>Kuvanto sheet (%1) stresses </translation>
    </message>
</context>
<context>
    <name>kuvanto::StressView</name>
    <message>
        <source>%1 (MPa)</source>
        <translation>%1 (MPa)</translation>
    </message>
    <message>
        <source>断面がありません。</source>
        <translation>No section.</translation>
    </message>
    <message>
        <source>最大 %1</source>
        <translation>max %1</translation>
    </message>
    <message>
        <source>最小 %1</source>
        <translation>min %1</translation>
    </message>
    <message>
        <source>%1 で %2 = %3 MPa</source>
        <translation>%2 = %3 MPa at %1</translation>
    </message>
</context>
<context>
    <name>kuvanto::TorsionPanel</name>
    <message>
        <source>ポアソン比 ν</source>
        <translation>Poisson&apos;s ratio ν</translation>
    </message>
    <message>
        <source>せん断中心とせん断断面積の計算に使うポアソン比 (0以上0.5未満)</source>
        <translation>Poisson&apos;s ratio for the shear centre and the shear areas (0 or more, below 0.5)</translation>
    </message>
    <message>
        <source>ねじり・せん断 %p%</source>
        <translation>Torsion and shear %p%</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kuvanto::VersionDialog</name>
    <message>
        <source>バージョン情報</source>
        <translation>About Kuvanto</translation>
    </message>
    <message>
        <source>断面の幾何特性(断面積、図心、断面二次モーメント、断面係数、断面二次半径など)を計算します。
計算結果は設計の参考値です。使用者の責任で確認のうえお使いください。</source>
        <translation>Computes the geometric properties of cross-sections (area, centroid, second moments
of area, section moduli, radii of gyration and more). The results are for reference
in design; check them on your own responsibility before use.</translation>
    </message>
    <message>
        <source>ライセンス: GNU General Public License バージョン3以降 (%1)。
このプログラムは無保証です。</source>
        <translation>Licence: GNU General Public License, version 3 or later (%1).
This program comes with no warranty.</translation>
    </message>
    <message>
        <source>クリック又はキー入力で閉じます。</source>
        <translation>Click or press a key to close.</translation>
    </message>
</context>
<context>
    <name>kuvanto::ViewPanel</name>
    <message>
        <source>AutoScale</source>
        <translation>AutoScale</translation>
    </message>
    <message>
        <source>補助Grid</source>
        <translation>Grid</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>登録図形ライブラリをコピーできませんでした。
</source>
        <translation>The shape library could not be copied.
</translation>
    </message>
</context>
</TS>
