<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Board</name>
    <message>
        <source>ａ</source>
        <translation>a</translation>
    </message>
    <message>
        <source>ｂ</source>
        <translation>b</translation>
    </message>
    <message>
        <source>ｃ</source>
        <translation>c</translation>
    </message>
    <message>
        <source>ｄ</source>
        <translation>d</translation>
    </message>
    <message>
        <source>ｅ</source>
        <translation>e</translation>
    </message>
    <message>
        <source>ｆ</source>
        <translation>f</translation>
    </message>
    <message>
        <source>ｇ</source>
        <translation>g</translation>
    </message>
    <message>
        <source>ｈ</source>
        <translation>h</translation>
    </message>
    <message>
        <source>１</source>
        <translation>1</translation>
    </message>
    <message>
        <source>２</source>
        <translation>2</translation>
    </message>
    <message>
        <source>３</source>
        <translation>3</translation>
    </message>
    <message>
        <source>４</source>
        <translation>4</translation>
    </message>
    <message>
        <source>５</source>
        <translation>5</translation>
    </message>
    <message>
        <source>６</source>
        <translation>6</translation>
    </message>
    <message>
        <source>７</source>
        <translation>7</translation>
    </message>
    <message>
        <source>８</source>
        <translation>8</translation>
    </message>
    <message>
        <source>ポーン</source>
        <translation>pawn</translation>
    </message>
    <message>
        <source>ナイト</source>
        <translation>knight</translation>
    </message>
    <message>
        <source>ビショップ</source>
        <translation>bishop</translation>
    </message>
    <message>
        <source>ルーク</source>
        <translation>rook</translation>
    </message>
    <message>
        <source>クィーン</source>
        <translation>queen</translation>
    </message>
    <message>
        <source>キング</source>
        <translation>king</translation>
    </message>
    <message>
        <source>%1 手目</source>
        <translation>move %1</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段</source>
        <translation>Handicap: 6 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段</source>
        <translation>Handicap: 5 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段</source>
        <translation>Handicap: 4 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段</source>
        <translation>Handicap: 3 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段</source>
        <translation>Handicap: 2 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段</source>
        <translation>Handicap: 1 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級</source>
        <translation>Handicap: 1 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級</source>
        <translation>Handicap: 2 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級</source>
        <translation>Handicap: 3 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級</source>
        <translation>Handicap: 4 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級</source>
        <translation>Handicap: 5 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級</source>
        <translation>Handicap: 6 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級</source>
        <translation>Handicap: 7 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級</source>
        <translation>Handicap: 8 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級</source>
        <translation>Handicap: 9 kyu</translation>
    </message>
    <message>
        <source>手目</source>
        <translation>move</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>思考中</source>
        <translation>Thinking</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Play White</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Play Black</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer level</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Start position</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip board</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>書込</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>畳</source>
        <translation>Tatami</translation>
    </message>
    <message>
        <source>竹</source>
        <translation>Bamboo</translation>
    </message>
    <message>
        <source>宇宙</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>煉瓦</source>
        <translation>Brick</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Move guidance</translation>
    </message>
    <message>
        <source>BGM</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation>言語 / Language</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>解説</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>エンジン…</source>
        <translation>Engine…</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>引き分け規則</source>
        <translation>Draw rules</translation>
    </message>
    <message>
        <source>50手ルール</source>
        <translation>Fifty-move rule</translation>
    </message>
    <message>
        <source>駒不足</source>
        <translation>Insufficient material</translation>
    </message>
    <message>
        <source>前回の対局を再開</source>
        <translation>Resume the last game</translation>
    </message>
    <message>
        <source>PGNをｺﾋﾟｰ</source>
        <translation>Copy as PGN</translation>
    </message>
    <message>
        <source>FENをｺﾋﾟｰ</source>
        <translation>Copy position as FEN</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste game or position</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>これ以上の手は棋譜に記録できません（最大500手）。<byte value="xd"/><byte value="xd"/>局面→最初にして下さい</source>
        <translation>No more moves fit into the record (at most 500).<byte value="xd"/><byte value="xd"/>Choose Position → Start position</translation>
    </message>
    <message>
        <source>局面がありません</source>
        <translation>there is no position</translation>
    </message>
    <message>
        <source>最初の局面がチェスの局面ではありません</source>
        <translation>the first position is not a chess position</translation>
    </message>
    <message>
        <source>%1手目の局面が指し手と合いません</source>
        <translation>the position after move %1 does not match its move</translation>
    </message>
    <message>
        <source>%1手目はチェスの規則では指せない手です</source>
        <translation>move %1 is not allowed by the rules of chess</translation>
    </message>
    <message>
        <source>PGNﾌｧｲﾙではありません</source>
        <translation>This is not a PGN file</translation>
    </message>
    <message>
        <source>手数が多すぎるため読み込めません（最大500手）</source>
        <translation>Too many moves to load (at most 500)</translation>
    </message>
    <message>
        <source>FENの局面が正しくありません</source>
        <translation>The FEN position is not valid</translation>
    </message>
    <message>
        <source>黒番から始まる局面は読み込めません</source>
        <translation>A position with Black to move cannot be loaded</translation>
    </message>
    <message>
        <source>PGNﾌｧｲﾙの %1 行目のタグが正しくありません</source>
        <translation>Line %1 of the PGN file: a tag is not valid</translation>
    </message>
    <message>
        <source>PGNﾌｧｲﾙの %1 行目のコメントが閉じていません</source>
        <translation>Line %1 of the PGN file: a comment is not closed</translation>
    </message>
    <message>
        <source>PGNﾌｧｲﾙの %1 行目の変化手順が閉じていません</source>
        <translation>Line %1 of the PGN file: a variation is not closed</translation>
    </message>
    <message>
        <source>PGNﾌｧｲﾙの %1 行目が正しくありません</source>
        <translation>Line %1 of the PGN file is not valid</translation>
    </message>
    <message>
        <source>PGNﾌｧｲﾙの %1 行目に読めない文字があります</source>
        <translation>Line %1 of the PGN file has a character that cannot be read</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>%1の%2手目「%3」は読めない手のため読み込めません</source>
        <translation>%1&apos;s move %2 “%3” cannot be read, so the file cannot be loaded</translation>
    </message>
    <message>
        <source>%1の%2手目「%3」は指せない手のため読み込めません</source>
        <translation>%1&apos;s move %2 “%3” is not a legal move, so the file cannot be loaded</translation>
    </message>
    <message>
        <source>%1の%2手目「%3」はどの駒の手か決まらないため読み込めません</source>
        <translation>%1&apos;s move %2 “%3” fits more than one piece, so the file cannot be loaded</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙではありません</source>
        <translation>This is not a record file</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙの %1 行目が空行です</source>
        <translation>Line %1 of the record file is empty</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙの %1 行目の長さが正しくありません</source>
        <translation>Line %1 of the record file has the wrong length</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙの %1 行目の駒ｺｰﾄﾞが正しくありません</source>
        <translation>Line %1 of the record file has a wrong piece code</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙの %1 行目の座標が正しくありません</source>
        <translation>Line %1 of the record file has a wrong square</translation>
    </message>
    <message>
        <source>反転後は書き込みできません</source>
        <translation>The record cannot be saved after the board was flipped</translation>
    </message>
    <message>
        <source>棋譜書込</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません</source>
        <translation>The record cannot be saved after a handicap was set</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>No file name was entered</translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation>There is nothing to save</translation>
    </message>
    <message>
        <source>棋譜保存</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>上書きしますか？</source>
        <translation>Replace the file that is there?</translation>
    </message>
    <message>
        <source>棋譜を書き込みました</source>
        <translation>The record was saved</translation>
    </message>
    <message>
        <source>%1。以降の%2手はPGNに含めていません</source>
        <translation>The game was saved, but %1: the %2 moves from there on are left out of the PGN file</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source>
        <translation>The record file holds no moves</translation>
    </message>
    <message>
        <source> 読み込みました</source>
        <translation>The record was loaded</translation>
    </message>
    <message>
        <source>棋譜を &apos;進 &apos;で進めて下さい</source>
        <translation>Step through the record with “Forward”</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽが準備できていません</source>
        <translation>The device is not ready</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名に使えない文字（/ \ や制御文字）が含まれています</source>
        <translation>The file name has characters that cannot be used (/, \ or control characters)</translation>
    </message>
    <message>
        <source>「.」で始まるﾌｧｲﾙ名は隠しﾌｧｲﾙになるため使えません</source>
        <translation>A file name starting with “.” would make a hidden file and cannot be used</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が長すぎます</source>
        <translation>The file name is too long</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを開けません</source>
        <translation>The record file cannot be opened</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを読む権限がありません</source>
        <translation>You may not read this record file</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを読み込めませんでした</source>
        <translation>The record file could not be read</translation>
    </message>
    <message>
        <source>このﾌｫﾙﾀﾞには書き込めません</source>
        <translation>This folder cannot be written to</translation>
    </message>
    <message>
        <source>読み取り専用のﾌｧｲﾙには上書きできません</source>
        <translation>A read-only file cannot be replaced</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸの空きが足りないため書き込めません</source>
        <translation>There is not enough free disk space to save</translation>
    </message>
    <message>
        <source>保存先のﾌｫﾙﾀﾞが見つかりません</source>
        <translation>The folder to save in cannot be found</translation>
    </message>
    <message>
        <source>同じ名前のﾌｫﾙﾀﾞがあるため書き込めません</source>
        <translation>A folder of the same name is in the way</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを書き込めませんでした</source>
        <translation>The record file could not be written</translation>
    </message>
    <message>
        <source>設定ﾌｧｲﾙが読み取り専用です</source>
        <translation>the settings file is read-only</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸの空きが足りません</source>
        <translation>there is not enough free disk space</translation>
    </message>
    <message>
        <source>同じ名前のﾌｫﾙﾀﾞなどがあります</source>
        <translation>a folder or other file of the same name is in the way</translation>
    </message>
    <message>
        <source>書き込みに失敗しました</source>
        <translation>writing failed</translation>
    </message>
    <message>
        <source>設定を保存できません（%1）。
変更したｵﾌﾟｼｮﾝはこのまま使えますが、次の起動には引き継がれません。</source>
        <translation>The settings cannot be saved (%1).
The options you changed stay in use, but the next start will not have them.</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>The sound output cannot be opened.</translation>
    </message>
    <message>
        <source>サウンドファイル「%1」を読むメモリが足りません。</source>
        <translation>There is not enough memory to read the sound file “%1”.</translation>
    </message>
    <message>
        <source>サウンドファイル「%1」は正しいWAVファイルではありません。</source>
        <translation>The sound file “%1” is not a valid WAV file.</translation>
    </message>
    <message>
        <source>サウンドファイル「%1」が読めません。</source>
        <translation>The sound file “%1” cannot be read.</translation>
    </message>
    <message>
        <source>サウンドファイル「%1」が空です。</source>
        <translation>The sound file “%1” is empty.</translation>
    </message>
    <message>
        <source>ステールメイト</source>
        <translation>Stalemate</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>アンパッサンします！</source>
        <translation>En passant!</translation>
    </message>
    <message>
        <source>アンパッサン</source>
        <translation>En passant</translation>
    </message>
    <message>
        <source>よし！!</source>
        <translation>Yes!!</translation>
    </message>
    <message>
        <source>チェックメイト ?</source>
        <translation>Checkmate?</translation>
    </message>
    <message>
        <source>   ** チェック **</source>
        <translation>   ** Check **</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません</source>
        <translation>Not possible while a record is shown</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip board</translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation>White wins</translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation>Black wins</translation>
    </message>
    <message>
        <source>引き分けです</source>
        <translation>It is a draw</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>続けますか？</source>
        <translation>Play again?</translation>
    </message>
    <message>
        <source>再ゲーム</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>White to move</translation>
    </message>
    <message>
        <source>対局途中ではできません</source>
        <translation>Not possible during a game</translation>
    </message>
    <message>
        <source>反転後ではできません</source>
        <translation>Not possible after the board was flipped</translation>
    </message>
    <message>
        <source>局面→最初にして下さい</source>
        <translation>Choose Position → Start position first</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Start a game from the “Game” menu</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation>Ready?</translation>
    </message>
    <message>
        <source>再開</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>キングには成れません</source>
        <translation>A pawn cannot become a king</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>マウスの右をクリックして下さい</source>
        <translation>Click with the right mouse button to promote</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>自殺できません</source>
        <translation>That move would leave your king in check</translation>
    </message>
    <message>
        <source>チェックです</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>取りますか？</source>
        <translation>Capture en passant?</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>Not possible</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>End of the record</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞを開けません</source>
        <translation>The folder cannot be opened</translation>
    </message>
    <message>
        <source>同一局面が３回現れました</source>
        <translation>The same position has appeared three times</translation>
    </message>
    <message>
        <source>50手ルール</source>
        <translation>Fifty-move rule</translation>
    </message>
    <message>
        <source>駒不足</source>
        <translation>Insufficient material</translation>
    </message>
    <message>
        <source>引き分け規則</source>
        <translation>Draw rules</translation>
    </message>
    <message>
        <source>前回の対局</source>
        <translation>Last game</translation>
    </message>
    <message>
        <source>前回の対局はありません</source>
        <translation>There is no last game to resume</translation>
    </message>
    <message>
        <source>ﾌﾞﾗｳｻﾞを開けませんでした。
解説はこのﾌｧｲﾙにあります：
%1</source>
        <translation>No web browser could be opened.
The help page is this file:
%1</translation>
    </message>
    <message>
        <source>解説</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>同じ名前のﾌｧｲﾙがあります。上書きしますか、対局を追加しますか？</source>
        <translation>A file of that name exists. Overwrite it, or add the game to it?</translation>
    </message>
    <message>
        <source>%1。PGNには書き出せません</source>
        <translation>%1. It cannot be written as PGN.</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙには次のものが保存されません:%1<byte value="xd"/><byte value="xd"/>保存しますか？</source>
        <translation>A record file cannot keep the following:%1<byte value="xd"/><byte value="xd"/>Save anyway?</translation>
    </message>
    <message>
        <source>1局が4MBを超えるため読み込めません</source>
        <translation>A game larger than 4 MB cannot be read</translation>
    </message>
    <message>
        <source>「%1」の Shift-JIS にない文字は「?」になります</source>
        <translation>Characters of &quot;%1&quot; outside Shift-JIS become &quot;?&quot;</translation>
    </message>
    <message>
        <source>コメントと注釈記号は書けません</source>
        <translation>Comments and annotation symbols cannot be kept</translation>
    </message>
    <message>
        <source>変化手順は書けません</source>
        <translation>Variations cannot be kept</translation>
    </message>
    <message>
        <source>タグ %1 は書けません</source>
        <translation>The tags %1 cannot be kept</translation>
    </message>
    <message>
        <source>最初の局面 %1 は %2 として読み直されます</source>
        <translation>The start position %1 would be read back as %2</translation>
    </message>
    <message>
        <source>指せる手がありません</source>
        <translation>There is no move to play</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>エンジン</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>コンピュータの思考中です</source>
        <translation>The computer is thinking</translation>
    </message>
    <message>
        <source>思考中</source>
        <translation>Thinking</translation>
    </message>
    <message>
        <source>エンジンが応答しません</source>
        <translation>The engine does not answer</translation>
    </message>
    <message>
        <source>エンジンが時間内に指し手を返しません</source>
        <translation>The engine did not answer with a move in time</translation>
    </message>
    <message>
        <source>エンジンが異常終了しました</source>
        <translation>The engine ended unexpectedly</translation>
    </message>
    <message>
        <source>エンジンの出力が読めません</source>
        <translation>The engine&apos;s output cannot be read</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>LEVEL3で対局を続けます</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>The game goes on at LEVEL3.</translation>
    </message>
    <message>
        <source>エンジンの指し手 %1 はこの局面では指せません<byte value="xd"/><byte value="xd"/>この手はLEVEL3が指します</source>
        <translation>The engine&apos;s move %1 cannot be played in this position.<byte value="xd"/><byte value="xd"/>LEVEL3 plays this move.</translation>
    </message>
    <message>
        <source>エンジン %1 を起動できません<byte value="xd"/><byte value="xd"/>この手はLEVEL3が指します</source>
        <translation>The engine %1 cannot be started.<byte value="xd"/><byte value="xd"/>LEVEL3 plays this move.</translation>
    </message>
    <message>
        <source>UCIエンジンとして応答しません（uciok がありません）<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>This program does not answer as a UCI engine (no uciok).<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>FENの欄の数が正しくありません（6欄）</source>
        <translation>The FEN does not have the right number of fields (6)</translation>
    </message>
    <message>
        <source>FENの第1欄（駒の配置）が正しくありません</source>
        <translation>Field 1 of the FEN (piece placement) is not valid</translation>
    </message>
    <message>
        <source>FENの第1欄（駒の配置）：１段目と８段目にはポーンを置けません</source>
        <translation>Field 1 of the FEN (piece placement): pawns cannot stand on rank 1 or rank 8</translation>
    </message>
    <message>
        <source>FENの第1欄（駒の配置）：キングは白と黒に１つずつ必要です</source>
        <translation>Field 1 of the FEN (piece placement): White and Black need one king each</translation>
    </message>
    <message>
        <source>FENの第2欄（手番）は w か b です</source>
        <translation>Field 2 of the FEN (side to move) must be w or b</translation>
    </message>
    <message>
        <source>FENの第3欄（キャスリング）が正しくありません</source>
        <translation>Field 3 of the FEN (castling) is not valid</translation>
    </message>
    <message>
        <source>FENの第4欄（アンパッサン）が正しくありません</source>
        <translation>Field 4 of the FEN (en passant) is not valid</translation>
    </message>
    <message>
        <source>FENの第5欄（50手ルールの手数）が正しくありません</source>
        <translation>Field 5 of the FEN (fifty-move count) is not valid</translation>
    </message>
    <message>
        <source>FENの第6欄（手数）が正しくありません</source>
        <translation>Field 6 of the FEN (move number) is not valid</translation>
    </message>
    <message>
        <source>FENの第2欄（手番）：手番でない側のキングがチェックされています</source>
        <translation>Field 2 of the FEN (side to move): the king of the side not to move is in check</translation>
    </message>
    <message>
        <source>上書き</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Promotion</name>
    <message>
        <source> 黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>  白</source>
        <translation>White</translation>
    </message>
</context>
<context>
    <name>RecordPanel</name>
    <message>
        <source>ﾌｧｲﾙ名 ：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>後    手 ：</source>
        <translation>Black:</translation>
    </message>
    <message>
        <source>先    手 ：</source>
        <translation>White:</translation>
    </message>
    <message>
        <source>対 局 名：</source>
        <translation>Event:</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>大会</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>手数</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>読めない理由</source>
        <translation>Why it cannot be read</translation>
    </message>
    <message>
        <source>絞り込み（対局者・大会）</source>
        <translation>Filter (players, event)</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>バージョン情報</source>
        <translation>About Zarvo Chess</translation>
    </message>
    <message>
        <source>ホームページ</source>
        <translation>Home page</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Zarvo チェス</source>
        <translation>Zarvo Chess</translation>
    </message>
</context>
</TS>
