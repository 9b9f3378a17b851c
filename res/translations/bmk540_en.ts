<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>バージョン情報</source>
        <translation>About Brindlemark</translation>
    </message>
    <message>
        <source>ORV Quillstrike 540QZ7</source>
        <translation>ORV Quillstrike 540QZ7</translation>
    </message>
    <message>
        <source>ブリンドルマーク</source>
        <translation>Brindlemark</translation>
    </message>
    <message>
        <source>Version 2.000</source>
        <translation>Version 2.000</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DataCheck</name>
    <message>
        <source>%1 から %2 までの整数を入力してください。</source>
        <translation>Enter a whole number from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>FieldLabels</name>
    <message>
        <source>コマンド開始</source>
        <translation>Command introducer</translation>
    </message>
    <message>
        <source>コマンド</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>コマンドパラメータ</source>
        <translation>Command parameter</translation>
    </message>
    <message>
        <source>MSW1</source>
        <translation>MSW1</translation>
    </message>
    <message>
        <source>MSW2</source>
        <translation>MSW2</translation>
    </message>
    <message>
        <source>MSW3</source>
        <translation>MSW3</translation>
    </message>
    <message>
        <source>MSW4</source>
        <translation>MSW4</translation>
    </message>
    <message>
        <source>フォント１</source>
        <translation>Font 1</translation>
    </message>
    <message>
        <source>フォント２</source>
        <translation>Font 2</translation>
    </message>
    <message>
        <source>漢字コード表</source>
        <translation>Kanji code table</translation>
    </message>
    <message>
        <source>ハガキ印刷モード</source>
        <translation>Postcard print mode</translation>
    </message>
    <message>
        <source>用紙セット位置</source>
        <translation>Paper set position</translation>
    </message>
    <message>
        <source>用紙吸入時ヘッドセンタリング位置 カット紙（桁）</source>
        <translation>Head centring at loading, cut sheet (columns)</translation>
    </message>
    <message>
        <source>用紙吸入時ヘッドセンタリング位置 フロントトラクタ（桁）</source>
        <translation>Head centring at loading, front tractor (columns)</translation>
    </message>
    <message>
        <source>用紙吸入時ヘッドセンタリング位置 リアトラクタ（桁）</source>
        <translation>Head centring at loading, rear tractor (columns)</translation>
    </message>
    <message>
        <source>書式０ 用紙長（行）</source>
        <translation>Format 0 paper length (lines)</translation>
    </message>
    <message>
        <source>書式０ フロントトラクタ吸入位置</source>
        <translation>Format 0 front tractor loading position</translation>
    </message>
    <message>
        <source>書式０ リアトラクタ吸入位置</source>
        <translation>Format 0 rear tractor loading position</translation>
    </message>
    <message>
        <source>書式０ シートガイド吸入位置</source>
        <translation>Format 0 sheet guide loading position</translation>
    </message>
    <message>
        <source>書式０ シートフィーダ吸入位置</source>
        <translation>Format 0 sheet feeder loading position</translation>
    </message>
    <message>
        <source>書式０ はがき吸入位置</source>
        <translation>Format 0 postcard loading position</translation>
    </message>
    <message>
        <source>２ビンシートフィーダのホッパ選択</source>
        <translation>Sheet feeder bin</translation>
    </message>
    <message>
        <source>書体選択</source>
        <translation>Typeface</translation>
    </message>
    <message>
        <source>縮小印刷の選択</source>
        <translation>Reduced printing</translation>
    </message>
    <message>
        <source>予約</source>
        <translation>Reserved</translation>
    </message>
    <message>
        <source>書式選択</source>
        <translation>Format in use</translation>
    </message>
    <message>
        <source>書式１ 用紙長（行）</source>
        <translation>Format 1 paper length (lines)</translation>
    </message>
    <message>
        <source>書式１ レフトマージン幅（桁）</source>
        <translation>Format 1 left margin (columns)</translation>
    </message>
    <message>
        <source>書式１ ライトマージン幅（桁）</source>
        <translation>Format 1 right margin (columns)</translation>
    </message>
    <message>
        <source>書式１ フロントトラクタ吸入位置</source>
        <translation>Format 1 front tractor loading position</translation>
    </message>
    <message>
        <source>書式１ リアトラクタ吸入位置</source>
        <translation>Format 1 rear tractor loading position</translation>
    </message>
    <message>
        <source>書式１ シートガイド吸入位置</source>
        <translation>Format 1 sheet guide loading position</translation>
    </message>
    <message>
        <source>書式１ シートフィーダ吸入位置</source>
        <translation>Format 1 sheet feeder loading position</translation>
    </message>
    <message>
        <source>書式１ はがき吸入位置</source>
        <translation>Format 1 postcard loading position</translation>
    </message>
    <message>
        <source>書式２ 用紙長（行）</source>
        <translation>Format 2 paper length (lines)</translation>
    </message>
    <message>
        <source>書式２ レフトマージン幅（桁）</source>
        <translation>Format 2 left margin (columns)</translation>
    </message>
    <message>
        <source>書式２ ライトマージン幅（桁）</source>
        <translation>Format 2 right margin (columns)</translation>
    </message>
    <message>
        <source>書式２ フロントトラクタ吸入位置</source>
        <translation>Format 2 front tractor loading position</translation>
    </message>
    <message>
        <source>書式２ リアトラクタ吸入位置</source>
        <translation>Format 2 rear tractor loading position</translation>
    </message>
    <message>
        <source>書式２ シートガイド吸入位置</source>
        <translation>Format 2 sheet guide loading position</translation>
    </message>
    <message>
        <source>書式２ シートフィーダ吸入位置</source>
        <translation>Format 2 sheet feeder loading position</translation>
    </message>
    <message>
        <source>書式２ はがき吸入位置</source>
        <translation>Format 2 postcard loading position</translation>
    </message>
    <message>
        <source>書式３ 用紙長（行）</source>
        <translation>Format 3 paper length (lines)</translation>
    </message>
    <message>
        <source>書式３ レフトマージン幅（桁）</source>
        <translation>Format 3 left margin (columns)</translation>
    </message>
    <message>
        <source>書式３ ライトマージン幅（桁）</source>
        <translation>Format 3 right margin (columns)</translation>
    </message>
    <message>
        <source>書式３ フロントトラクタ吸入位置</source>
        <translation>Format 3 front tractor loading position</translation>
    </message>
    <message>
        <source>書式３ リアトラクタ吸入位置</source>
        <translation>Format 3 rear tractor loading position</translation>
    </message>
    <message>
        <source>書式３ シートガイド吸入位置</source>
        <translation>Format 3 sheet guide loading position</translation>
    </message>
    <message>
        <source>書式３ シートフィーダ吸入位置</source>
        <translation>Format 3 sheet feeder loading position</translation>
    </message>
    <message>
        <source>書式３ はがき吸入位置</source>
        <translation>Format 3 postcard loading position</translation>
    </message>
    <message>
        <source>連続紙カット位置からの自動戻り時間</source>
        <translation>Auto return time from tear-off position</translation>
    </message>
    <message>
        <source>シートガイドからの用紙吸入時間（秒）</source>
        <translation>Sheet guide loading time (seconds)</translation>
    </message>
    <message>
        <source>ＬＦピッチ補正 フロントトラクタ</source>
        <translation>LF pitch adjustment, front tractor</translation>
    </message>
    <message>
        <source>ＬＦピッチ補正 リアトラクタ</source>
        <translation>LF pitch adjustment, rear tractor</translation>
    </message>
    <message>
        <source>ＬＦピッチ補正 シートガイド</source>
        <translation>LF pitch adjustment, sheet guide</translation>
    </message>
    <message>
        <source>ＬＦピッチ補正 シートフィーダ</source>
        <translation>LF pitch adjustment, sheet feeder</translation>
    </message>
    <message>
        <source>コマンド終了</source>
        <translation>Command terminator</translation>
    </message>
    <message>
        <source>埋め</source>
        <translation>Padding</translation>
    </message>
</context>
<context>
    <name>FormatSettingsDialog</name>
    <message>
        <source>吸入位置</source>
        <translation>Loading position</translation>
    </message>
    <message>
        <source>用紙長(&amp;N)</source>
        <translation>Paper le&amp;ngth</translation>
    </message>
    <message>
        <source>行</source>
        <translation>lines</translation>
    </message>
    <message>
        <source>レフトマージン幅(&amp;L)</source>
        <translation>&amp;Left margin</translation>
    </message>
    <message>
        <source>桁</source>
        <translation>columns</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ライトマージン幅(&amp;R)</source>
        <translation>&amp;Right margin</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MemorySwitch1Page</name>
    <message>
        <source>各国文字の切り替え(&amp;C) （MSW1-1/2/3） </source>
        <translation>&amp;International character set (MSW1-1/2/3)</translation>
    </message>
    <message>
        <source>データ受信方法の切り替え</source>
        <translation>Data reception mode</translation>
    </message>
    <message>
        <source>（MSW1-4）</source>
        <translation>(MSW1-4)</translation>
    </message>
    <message>
        <source>従来互換(&amp;J)</source>
        <translation>Com&amp;patible</translation>
    </message>
    <message>
        <source>高速受信(&amp;K)</source>
        <translation>High-&amp;speed</translation>
    </message>
    <message>
        <source>DC1/DC3コード処理の切り替え</source>
        <translation>DC1/DC3 code handling</translation>
    </message>
    <message>
        <source>（MSW1-5）</source>
        <translation>(MSW1-5)</translation>
    </message>
    <message>
        <source>有効(&amp;O)</source>
        <translation>&amp;Enabled</translation>
    </message>
    <message>
        <source>無効(&amp;U)</source>
        <translation>&amp;Disabled</translation>
    </message>
    <message>
        <source>自動復帰改行の切り替え</source>
        <translation>Automatic CR/LF</translation>
    </message>
    <message>
        <source>（MSW1-6）</source>
        <translation>(MSW1-6)</translation>
    </message>
    <message>
        <source>復帰改行(&amp;L)</source>
        <translation>CR + &amp;LF</translation>
    </message>
    <message>
        <source>復帰のみ(&amp;T)</source>
        <translation>CR &amp;only</translation>
    </message>
    <message>
        <source>CR機能の切り替え</source>
        <translation>CR function</translation>
    </message>
    <message>
        <source>（MSW1-8）</source>
        <translation>(MSW1-8)</translation>
    </message>
    <message>
        <source>復帰のみ(&amp;N)</source>
        <translation>CR o&amp;nly</translation>
    </message>
    <message>
        <source>復帰改行(&amp;V)</source>
        <translation>C&amp;R + LF</translation>
    </message>
    <message>
        <source>印刷指令コード切り替え</source>
        <translation>Print command codes</translation>
    </message>
    <message>
        <source>（MSW1-7）</source>
        <translation>(MSW1-7)</translation>
    </message>
    <message>
        <source>ＣＲのみ(&amp;D)</source>
        <translation>&amp;CR only</translation>
    </message>
    <message>
        <source>ＣＲ，ＬＦ，ＶＴ，ＦＦ，ＵＳ，
ＥＳＣ ａ，ＥＳＣ ｂ (&amp;E)</source>
        <translation>CR, LF, VT, FF, &amp;US,
ESC a, ESC b</translation>
    </message>
    <message>
        <source>MSW1</source>
        <translation>MSW1</translation>
    </message>
</context>
<context>
    <name>MemorySwitch2Page</name>
    <message>
        <source>数字「0」の字体にスラッシュを付ける（1バイトコード系）(&amp;K)</source>
        <translation>Slashed &amp;zero (1-byte codes)</translation>
    </message>
    <message>
        <source>（MSW2-1）</source>
        <translation>(MSW2-1)</translation>
    </message>
    <message>
        <source>シートガイド用紙無し検出</source>
        <translation>Sheet guide paper-out detection</translation>
    </message>
    <message>
        <source>（MSW2-2）</source>
        <translation>(MSW2-2)</translation>
    </message>
    <message>
        <source>印刷時(&amp;S)</source>
        <translation>While &amp;printing</translation>
    </message>
    <message>
        <source>常時(&amp;A)</source>
        <translation>&amp;Always</translation>
    </message>
    <message>
        <source>ドット対応グラフィックドット数</source>
        <translation>Bit-image dot count</translation>
    </message>
    <message>
        <source>（MSW2-3）</source>
        <translation>(MSW2-3)</translation>
    </message>
    <message>
        <source>ネイティブモード(&amp;N)</source>
        <translation>&amp;Native mode</translation>
    </message>
    <message>
        <source>コピーモード(&amp;C)</source>
        <translation>&amp;Copy mode</translation>
    </message>
    <message>
        <source>印刷モードの初期設定</source>
        <translation>Initial print mode</translation>
    </message>
    <message>
        <source>（MSW2-5）</source>
        <translation>(MSW2-5)</translation>
    </message>
    <message>
        <source>ＨＤパイカ(&amp;D)</source>
        <translation>H&amp;D pica</translation>
    </message>
    <message>
        <source>ＨＳパイカ(&amp;E)</source>
        <translation>H&amp;S pica</translation>
    </message>
    <message>
        <source>７／８ビットデータの切り替え</source>
        <translation>7/8-bit data</translation>
    </message>
    <message>
        <source>（MSW2-6）</source>
        <translation>(MSW2-6)</translation>
    </message>
    <message>
        <source>８ビット(&amp;8)</source>
        <translation>&amp;8-bit</translation>
    </message>
    <message>
        <source>７ビット(&amp;7)</source>
        <translation>&amp;7-bit</translation>
    </message>
    <message>
        <source>印刷桁数の切り替え</source>
        <translation>Print columns</translation>
    </message>
    <message>
        <source>（MSW2-7）</source>
        <translation>(MSW2-7)</translation>
    </message>
    <message>
        <source>１３６桁(&amp;L)</source>
        <translation>&amp;136 columns</translation>
    </message>
    <message>
        <source>８０桁(&amp;O)</source>
        <translation>8&amp;0 columns</translation>
    </message>
    <message>
        <source>印刷方向の初期設定</source>
        <translation>Initial print direction</translation>
    </message>
    <message>
        <source>（MSW2-8）</source>
        <translation>(MSW2-8)</translation>
    </message>
    <message>
        <source>両方向最短(&amp;2)</source>
        <translation>&amp;Logic seeking</translation>
    </message>
    <message>
        <source>片方向(&amp;1)</source>
        <translation>&amp;Unidirectional</translation>
    </message>
    <message>
        <source>MSW2</source>
        <translation>MSW2</translation>
    </message>
</context>
<context>
    <name>MemorySwitch3Page</name>
    <message>
        <source>PCモード/情処モード切り替え</source>
        <translation>PC / info-processing mode</translation>
    </message>
    <message>
        <source>（MSW3-2）</source>
        <translation>(MSW3-2)</translation>
    </message>
    <message>
        <source>PCモード(&amp;P)</source>
        <translation>&amp;PC mode</translation>
    </message>
    <message>
        <source>情処モード(&amp;J)</source>
        <translation>&amp;Info-processing mode</translation>
    </message>
    <message>
        <source>用紙吸入位置の記憶</source>
        <translation>Paper loading position memory</translation>
    </message>
    <message>
        <source>（MSW3-3）</source>
        <translation>(MSW3-3)</translation>
    </message>
    <message>
        <source>記憶する(&amp;R)</source>
        <translation>&amp;Remember</translation>
    </message>
    <message>
        <source>記憶しない(&amp;S)</source>
        <translation>Do &amp;not remember</translation>
    </message>
    <message>
        <source>シートフィーダの吸入コード</source>
        <translation>Sheet feeder loading codes</translation>
    </message>
    <message>
        <source>（MSW3-4）</source>
        <translation>(MSW3-4)</translation>
    </message>
    <message>
        <source>ＥＳＣ ａのみ(&amp;E)</source>
        <translation>ESC a &amp;only</translation>
    </message>
    <message>
        <source>ＥＳＣ ａ，ＬＦ，ＵＳ，ＶＴ(&amp;T)</source>
        <translation>ESC a, LF, US, &amp;VT</translation>
    </message>
    <message>
        <source>自動カット位置送り機能</source>
        <translation>Auto tear-off</translation>
    </message>
    <message>
        <source>（MSW3-5）</source>
        <translation>(MSW3-5)</translation>
    </message>
    <message>
        <source>無効(&amp;U)</source>
        <translation>&amp;Disabled</translation>
    </message>
    <message>
        <source>有効(&amp;O)</source>
        <translation>&amp;Enabled</translation>
    </message>
    <message>
        <source>数字「0」の字体にスラッシュを付ける（2バイトコード系）(&amp;Z)</source>
        <translation>Slashed &amp;zero (2-byte codes)</translation>
    </message>
    <message>
        <source>（MSW3-7）</source>
        <translation>(MSW3-7)</translation>
    </message>
    <message>
        <source>ミシン目スキップの初期設定</source>
        <translation>Initial perforation skip</translation>
    </message>
    <message>
        <source>（MSW3-8）</source>
        <translation>(MSW3-8)</translation>
    </message>
    <message>
        <source>スキップしない(&amp;G)</source>
        <translation>No s&amp;kip</translation>
    </message>
    <message>
        <source>スキップする(&amp;K)</source>
        <translation>&amp;Skip</translation>
    </message>
    <message>
        <source>MSW3</source>
        <translation>MSW3</translation>
    </message>
</context>
<context>
    <name>MemorySwitch4Page</name>
    <message>
        <source>用紙外側への印刷防止機能</source>
        <translation>Off-paper printing guard</translation>
    </message>
    <message>
        <source>（MSW4-1）</source>
        <translation>(MSW4-1)</translation>
    </message>
    <message>
        <source>有効(&amp;U)</source>
        <translation>&amp;Enabled</translation>
    </message>
    <message>
        <source>無効(&amp;O)</source>
        <translation>&amp;Disabled</translation>
    </message>
    <message>
        <source>カット位置送り機能の用紙送り量</source>
        <translation>Tear-off feed amount</translation>
    </message>
    <message>
        <source>（MSW4-3）</source>
        <translation>(MSW4-3)</translation>
    </message>
    <message>
        <source>固定長(&amp;K)</source>
        <translation>Fi&amp;xed length</translation>
    </message>
    <message>
        <source>TOF＋固定長(&amp;P)</source>
        <translation>&amp;TOF + fixed length</translation>
    </message>
    <message>
        <source>ドット列印刷モードの印刷方向</source>
        <translation>Bit-image print direction</translation>
    </message>
    <message>
        <source>（MSW4-4）</source>
        <translation>(MSW4-4)</translation>
    </message>
    <message>
        <source>片方向(&amp;1)</source>
        <translation>&amp;Unidirectional</translation>
    </message>
    <message>
        <source>両方向(&amp;2)</source>
        <translation>&amp;Bidirectional</translation>
    </message>
    <message>
        <source>高速印刷モードの初期設定</source>
        <translation>Initial high-speed mode</translation>
    </message>
    <message>
        <source>（MSW4-5）</source>
        <translation>(MSW4-5)</translation>
    </message>
    <message>
        <source>通常印刷(&amp;E)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>高速印刷(&amp;D)</source>
        <translation>High-s&amp;peed</translation>
    </message>
    <message>
        <source>シートガイドのローディング方法</source>
        <translation>Sheet guide loading</translation>
    </message>
    <message>
        <source>（MSW4-8）</source>
        <translation>(MSW4-8)</translation>
    </message>
    <message>
        <source>オート(&amp;A)</source>
        <translation>&amp;Auto</translation>
    </message>
    <message>
        <source>マニュアル(&amp;Z)</source>
        <translation>Manua&amp;l</translation>
    </message>
    <message>
        <source>MSW4</source>
        <translation>MSW4</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>ORV Quillstrike 540QZ7 ブリンドルマーク</source>
        <translation>ORV Quillstrike 540QZ7 Brindlemark</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>メニュー(&amp;M)</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>設定ファイルの読み込み(&amp;O)...</source>
        <translation>&amp;Open Settings File...</translation>
    </message>
    <message>
        <source>設定ファイルへの書き込み(&amp;S)...</source>
        <translation>&amp;Save Settings File...</translation>
    </message>
    <message>
        <source>設定値をプリンタへ送信(&amp;W)</source>
        <translation>Send Settings to &amp;Printer</translation>
    </message>
    <message>
        <source>工場出荷設定を表示(&amp;I)</source>
        <translation>Show &amp;Factory Settings</translation>
    </message>
    <message>
        <source>プリンタの選択(&amp;C)...</source>
        <translation>&amp;Choose Printer...</translation>
    </message>
    <message>
        <source>終了(&amp;X)	Alt+F4</source>
        <translation>E&amp;xit	Alt+F4</translation>
    </message>
    <message>
        <source>ヘルプ目次(&amp;H)</source>
        <translation>&amp;Help Contents</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About Brindlemark...</translation>
    </message>
    <message>
        <source>設定ファイルの読み込み</source>
        <translation>Open settings file</translation>
    </message>
    <message>
        <source>設定ファイルへの書き込み</source>
        <translation>Save settings file</translation>
    </message>
    <message>
        <source>設定値をプリンタへ送信</source>
        <translation>Send settings to printer</translation>
    </message>
    <message>
        <source>工場出荷設定を表示</source>
        <translation>Show factory settings</translation>
    </message>
    <message>
        <source>プリンタの選択</source>
        <translation>Choose Printer</translation>
    </message>
    <message>
        <source>設定が変更されています。
コマンドを続行すると設定の変更は破棄されます。</source>
        <translation>The settings have been changed.
If you continue, the changes will be discarded.</translation>
    </message>
    <message>
        <source>このファイルは設定ファイルではありません。</source>
        <translation>This file is not a settings file.</translation>
    </message>
    <message>
        <source>設定ファイルの書き込みに失敗しました。
このディレクトリに保存するアクセス許可がない可能性があります。
設定ファイルの保存先を変更してやり直してください。</source>
        <translation>The settings file could not be written.
You may not have permission to save in this folder.
Save the settings file somewhere else and try again.</translation>
    </message>
    <message>
        <source>設定ファイルの書き込みに失敗しました。</source>
        <translation>The settings file could not be written.</translation>
    </message>
    <message>
        <source>BM設定ファイル (*.dat)</source>
        <translation>Brindlemark settings files (*.dat)</translation>
    </message>
    <message>
        <source>プリンタが選択されていません。
プリンタを選択してください。</source>
        <translation>No printer is selected.
Please choose a printer.</translation>
    </message>
    <message>
        <source>接続先がFILEのため設定値を送信できません。</source>
        <translation>The settings cannot be sent because the printer&apos;s port is FILE.</translation>
    </message>
    <message>
        <source>指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。</source>
        <translation>The chosen printer is not connected at present, or you are not permitted to use it.</translation>
    </message>
    <message>
        <source>プリンタに設定値を送信しました。</source>
        <translation>The settings were sent to the printer.</translation>
    </message>
    <message>
        <source>使用可能なプリンタがありませんでした。プリンタドライバを確認してからやり直してください。

Brindlemarkを終了します。</source>
        <translation>No usable printer was found. Check the printer driver and try again.

Brindlemark will now close.</translation>
    </message>
    <message>
        <source>インストールされているプリンタの接続先がFILEのため設定値を送信できません。
プリンタ設定を確認してやり直してください。

Brindlemarkを終了します。</source>
        <translation>The settings cannot be sent because the port of the installed printers is FILE.
Check the printer setup and try again.

Brindlemark will now close.</translation>
    </message>
    <message>
        <source>接続先がFILEのため設定値を送信できません。
プリンタ設定を確認してやり直してください。

Brindlemarkを終了します。</source>
        <translation>The settings cannot be sent because the printer&apos;s port is FILE.
Check the printer setup and try again.

Brindlemark will now close.</translation>
    </message>
    <message>
        <source>接続先がFILEのため設定値を送信できません。
プリンタ設定を変更するか、他のプリンタに変更してください。</source>
        <translation>The settings cannot be sent because the printer&apos;s port is FILE.
Change the printer setup or choose another printer.</translation>
    </message>
    <message>
        <source>未保存の設定</source>
        <translation>Unsaved settings</translation>
    </message>
    <message>
        <source>設定値が変更されています。
プリンタを切り替える前に、設定値をプリンタへ送信しますか？</source>
        <translation>The settings have been changed.
Send them to the printer before switching printers?</translation>
    </message>
    <message>
        <source>設定値が変更されています。
プリンタを切り替える前に、設定ファイルへ保存しますか？</source>
        <translation>The settings have been changed.
Save them to a settings file before switching printers?</translation>
    </message>
    <message>
        <source>現在の設定値は破棄されます、
工場出荷設定値に変更しますか？</source>
        <translation>The current settings will be discarded.
Change to the factory settings?</translation>
    </message>
    <message>
        <source>工場出荷設定値を表示しました。</source>
        <translation>The factory settings are now shown.</translation>
    </message>
    <message>
        <source>Brindlemark を終了する前に、設定値をプリンタへ送信しますか？</source>
        <translation>Send the settings to the printer before closing Brindlemark?</translation>
    </message>
    <message>
        <source>Brindlemark を終了する前に、設定ファイルへ保存しますか？</source>
        <translation>Save the settings to a settings file before closing Brindlemark?</translation>
    </message>
    <message>
        <source>ヘルプファイルが見つかりません。</source>
        <translation>The help file cannot be found.</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>キーワード</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>キーワードを入力してください</source>
        <translation>Type in the keyword to find:</translation>
    </message>
    <message>
        <source>表示(&amp;D)</source>
        <translation>&amp;Display</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>ホーム</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>ページが見つかりません</source>
        <translation>Page Not Found</translation>
    </message>
    <message>
        <source>%1 はヘルプファイルにありません。</source>
        <translation>%1 is not in the help file.</translation>
    </message>
    <message>
        <source>整数を入力してください。</source>
        <translation>Enter a whole number.</translation>
    </message>
    <message>
        <source>用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。
適正値に変更します。</source>
        <translation>The head centring position at loading is out of range.
It will be changed to a valid value.</translation>
    </message>
    <message>
        <source>パラメータ設定－用紙吸入時ヘッドセンタリング位置</source>
        <translation>Parameters 1 - Head Centring Position at Loading</translation>
    </message>
    <message>
        <source>%1の設定(&amp;D)</source>
        <translation>%1 se&amp;ttings</translation>
    </message>
    <message>
        <source>書式の設定： %1</source>
        <translation>Format Settings: %1</translation>
    </message>
    <message>
        <source>レフトマージン幅</source>
        <translation>Left Margin</translation>
    </message>
    <message>
        <source>レフトマージン幅はライトマージン幅より小さくしてください。
適正値に変更します。</source>
        <translation>The left margin must be less than the right margin.
It will be changed to a valid value.</translation>
    </message>
    <message>
        <source>ライトマージン幅</source>
        <translation>Right Margin</translation>
    </message>
    <message>
        <source>ライトマージン幅はレフトマージン幅より大きくしてください。
適正値に変更します。</source>
        <translation>The right margin must be greater than the left margin.
It will be changed to a valid value.</translation>
    </message>
    <message>
        <source>フロントトラクタ(&amp;F)</source>
        <translation>Fr&amp;ont tractor</translation>
    </message>
    <message>
        <source>リアトラクタ(&amp;B)</source>
        <translation>R&amp;ear tractor</translation>
    </message>
    <message>
        <source>シートガイド(&amp;G)</source>
        <translation>Sheet &amp;guide</translation>
    </message>
    <message>
        <source>シートフィーダ(&amp;S)</source>
        <translation>&amp;Sheet feeder</translation>
    </message>
    <message>
        <source>はがき(&amp;P)</source>
        <translation>&amp;Postcard</translation>
    </message>
    <message>
        <source>フロントトラクタ</source>
        <translation>Front tractor</translation>
    </message>
    <message>
        <source>リアトラクタ</source>
        <translation>Rear tractor</translation>
    </message>
    <message>
        <source>シートガイド</source>
        <translation>Sheet guide</translation>
    </message>
    <message>
        <source>シートフィーダ</source>
        <translation>Sheet feeder</translation>
    </message>
    <message>
        <source>はがき</source>
        <translation>Postcard</translation>
    </message>
    <message>
        <source>インチ</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>/120インチ</source>
        <translation>/120 inch</translation>
    </message>
    <message>
        <source>%1吸入位置</source>
        <translation>%1 Loading Position</translation>
    </message>
    <message>
        <source>%1の吸入位置の値が下限を超えています。
設定値を変更します。</source>
        <translation>The %1 loading position is below its lower limit.
The value will be changed.</translation>
    </message>
    <message>
        <source>プリンタ名： %1</source>
        <translation>Printer: %1</translation>
    </message>
    <message>
        <source>接続先： %1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>最終受信： %1</source>
        <translation>Last received: %1</translation>
    </message>
    <message>
        <source>増やす</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>減らす</source>
        <translation>Decrease</translation>
    </message>
    <message>
        <source>%1 から %2 まで</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1mm、1/2インチ、1インチ</source>
        <translation>%1 mm, 1/2 inch, 1 inch</translation>
    </message>
</context>
<context>
    <name>PageTable</name>
    <message>
        <source>機能選択</source>
        <translation>Function Select</translation>
    </message>
    <message>
        <source>機能選択(&amp;K)</source>
        <translation>&amp;Function Select</translation>
    </message>
    <message>
        <source>パラメータ設定１</source>
        <translation>Parameters 1</translation>
    </message>
    <message>
        <source>パラメータ設定１（&amp;P）</source>
        <translation>&amp;Parameters 1</translation>
    </message>
    <message>
        <source>パラメータ設定２</source>
        <translation>Parameters 2</translation>
    </message>
    <message>
        <source>パラメータ設定２（&amp;L）</source>
        <translation>P&amp;arameters 2</translation>
    </message>
    <message>
        <source>ＭＳＷ１</source>
        <translation>MSW1</translation>
    </message>
    <message>
        <source>メモリスイッチ１(&amp;1)</source>
        <translation>Memory Switch &amp;1</translation>
    </message>
    <message>
        <source>ＭＳＷ２</source>
        <translation>MSW2</translation>
    </message>
    <message>
        <source>メモリスイッチ２(&amp;2)</source>
        <translation>Memory Switch &amp;2</translation>
    </message>
    <message>
        <source>ＭＳＷ３</source>
        <translation>MSW3</translation>
    </message>
    <message>
        <source>メモリスイッチ３(&amp;3)</source>
        <translation>Memory Switch &amp;3</translation>
    </message>
    <message>
        <source>ＭＳＷ４</source>
        <translation>MSW4</translation>
    </message>
    <message>
        <source>メモリスイッチ４(&amp;4)</source>
        <translation>Memory Switch &amp;4</translation>
    </message>
</context>
<context>
    <name>PanelWords</name>
    <message>
        <source>標準</source>
        <translation>Roman</translation>
    </message>
    <message>
        <source>イタリック</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>クーリエ</source>
        <translation>Courier</translation>
    </message>
    <message>
        <source>ゴシック</source>
        <translation>Sans serif</translation>
    </message>
    <message>
        <source>OCR-B</source>
        <translation>OCR-B</translation>
    </message>
    <message>
        <source>JIS1978年版</source>
        <translation>JIS C 6226-1978</translation>
    </message>
    <message>
        <source>JIS1983年版</source>
        <translation>JIS X 0208-1983</translation>
    </message>
    <message>
        <source>JIS1990年版</source>
        <translation>JIS X 0208-1990</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>On</translation>
    </message>
    <message>
        <source>センタ</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>レフト</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>ホッパ１</source>
        <translation>Bin 1</translation>
    </message>
    <message>
        <source>ホッパ２</source>
        <translation>Bin 2</translation>
    </message>
    <message>
        <source>明朝体</source>
        <translation>Mincho</translation>
    </message>
    <message>
        <source>ゴシック体</source>
        <translation>Gothic</translation>
    </message>
    <message>
        <source>書式０</source>
        <translation>Format 0</translation>
    </message>
    <message>
        <source>書式１</source>
        <translation>Format 1</translation>
    </message>
    <message>
        <source>書式２</source>
        <translation>Format 2</translation>
    </message>
    <message>
        <source>書式３</source>
        <translation>Format 3</translation>
    </message>
    <message>
        <source>縮小なし</source>
        <translation>No reduction</translation>
    </message>
    <message>
        <source>２／３縮小（左基準）</source>
        <translation>2/3, left-aligned</translation>
    </message>
    <message>
        <source>２／３縮小（中央基準）</source>
        <translation>2/3, centred</translation>
    </message>
    <message>
        <source>４／５縮小（左基準）</source>
        <translation>4/5, left-aligned</translation>
    </message>
    <message>
        <source>４／５縮小（中央基準）</source>
        <translation>4/5, centred</translation>
    </message>
    <message>
        <source>日本</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>アメリカ</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>イギリス</source>
        <translation>UK</translation>
    </message>
    <message>
        <source>ドイツ</source>
        <translation>Germany</translation>
    </message>
    <message>
        <source>スウェーデン</source>
        <translation>Sweden</translation>
    </message>
    <message>
        <source>自動戻り無し</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>８秒</source>
        <translation>8 seconds</translation>
    </message>
    <message>
        <source>１５秒</source>
        <translation>15 seconds</translation>
    </message>
    <message>
        <source>各国文字の切り替え</source>
        <translation>International character set</translation>
    </message>
    <message>
        <source>データ受信方法の切り替え</source>
        <translation>Data reception mode</translation>
    </message>
    <message>
        <source>従来互換</source>
        <translation>Compatible</translation>
    </message>
    <message>
        <source>高速受信</source>
        <translation>High-speed</translation>
    </message>
    <message>
        <source>DC1/DC3コード処理の切り替え</source>
        <translation>DC1/DC3 code handling</translation>
    </message>
    <message>
        <source>有効</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>無効</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>自動復帰改行の切り替え</source>
        <translation>Automatic CR/LF</translation>
    </message>
    <message>
        <source>復帰改行</source>
        <translation>CR + LF</translation>
    </message>
    <message>
        <source>復帰のみ</source>
        <translation>CR only</translation>
    </message>
    <message>
        <source>印刷指令コード切り替え</source>
        <translation>Print command codes</translation>
    </message>
    <message>
        <source>ＣＲのみ</source>
        <translation>CR only</translation>
    </message>
    <message>
        <source>ＣＲ，ＬＦ，ＶＴ，ＦＦ，ＵＳ，ＥＳＣ ａ，ＥＳＣ ｂ</source>
        <translation>CR, LF, VT, FF, US, ESC a, ESC b</translation>
    </message>
    <message>
        <source>CR機能の切り替え</source>
        <translation>CR function</translation>
    </message>
    <message>
        <source>数字「0」の字体にスラッシュを付ける（1バイトコード系）</source>
        <translation>Slashed zero (1-byte codes)</translation>
    </message>
    <message>
        <source>付けない</source>
        <translation>Not slashed</translation>
    </message>
    <message>
        <source>付ける</source>
        <translation>Slashed</translation>
    </message>
    <message>
        <source>シートガイド用紙無し検出</source>
        <translation>Sheet guide paper-out detection</translation>
    </message>
    <message>
        <source>印刷時</source>
        <translation>While printing</translation>
    </message>
    <message>
        <source>常時</source>
        <translation>Always</translation>
    </message>
    <message>
        <source>ドット対応グラフィックドット数</source>
        <translation>Bit-image dot count</translation>
    </message>
    <message>
        <source>ネイティブモード</source>
        <translation>Native mode</translation>
    </message>
    <message>
        <source>コピーモード</source>
        <translation>Copy mode</translation>
    </message>
    <message>
        <source>印刷モードの初期設定</source>
        <translation>Initial print mode</translation>
    </message>
    <message>
        <source>ＨＤパイカ</source>
        <translation>HD pica</translation>
    </message>
    <message>
        <source>ＨＳパイカ</source>
        <translation>HS pica</translation>
    </message>
    <message>
        <source>７／８ビットデータの切り替え</source>
        <translation>7/8-bit data</translation>
    </message>
    <message>
        <source>８ビット</source>
        <translation>8-bit</translation>
    </message>
    <message>
        <source>７ビット</source>
        <translation>7-bit</translation>
    </message>
    <message>
        <source>印刷桁数の切り替え</source>
        <translation>Print columns</translation>
    </message>
    <message>
        <source>１３６桁</source>
        <translation>136 columns</translation>
    </message>
    <message>
        <source>８０桁</source>
        <translation>80 columns</translation>
    </message>
    <message>
        <source>印刷方向の初期設定</source>
        <translation>Initial print direction</translation>
    </message>
    <message>
        <source>両方向最短</source>
        <translation>Logic seeking</translation>
    </message>
    <message>
        <source>片方向</source>
        <translation>Unidirectional</translation>
    </message>
    <message>
        <source>PCモード/情処モード切り替え</source>
        <translation>PC / info-processing mode</translation>
    </message>
    <message>
        <source>PCモード</source>
        <translation>PC mode</translation>
    </message>
    <message>
        <source>情処モード</source>
        <translation>Info-processing mode</translation>
    </message>
    <message>
        <source>用紙吸入位置の記憶</source>
        <translation>Paper loading position memory</translation>
    </message>
    <message>
        <source>記憶する</source>
        <translation>Remember</translation>
    </message>
    <message>
        <source>記憶しない</source>
        <translation>Do not remember</translation>
    </message>
    <message>
        <source>シートフィーダの吸入コード</source>
        <translation>Sheet feeder loading codes</translation>
    </message>
    <message>
        <source>ＥＳＣ ａのみ</source>
        <translation>ESC a only</translation>
    </message>
    <message>
        <source>ＥＳＣ ａ，ＬＦ，ＵＳ，ＶＴ</source>
        <translation>ESC a, LF, US, VT</translation>
    </message>
    <message>
        <source>自動カット位置送り機能</source>
        <translation>Auto tear-off</translation>
    </message>
    <message>
        <source>数字「0」の字体にスラッシュを付ける（2バイトコード系）</source>
        <translation>Slashed zero (2-byte codes)</translation>
    </message>
    <message>
        <source>ミシン目スキップの初期設定</source>
        <translation>Initial perforation skip</translation>
    </message>
    <message>
        <source>スキップしない</source>
        <translation>No skip</translation>
    </message>
    <message>
        <source>スキップする</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>用紙外側への印刷防止機能</source>
        <translation>Off-paper printing guard</translation>
    </message>
    <message>
        <source>カット位置送り機能の用紙送り量</source>
        <translation>Tear-off feed amount</translation>
    </message>
    <message>
        <source>固定長</source>
        <translation>Fixed length</translation>
    </message>
    <message>
        <source>TOF＋固定長</source>
        <translation>TOF + fixed length</translation>
    </message>
    <message>
        <source>ドット列印刷モードの印刷方向</source>
        <translation>Bit-image print direction</translation>
    </message>
    <message>
        <source>両方向</source>
        <translation>Bidirectional</translation>
    </message>
    <message>
        <source>高速印刷モードの初期設定</source>
        <translation>Initial high-speed mode</translation>
    </message>
    <message>
        <source>通常印刷</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>高速印刷</source>
        <translation>High-speed</translation>
    </message>
    <message>
        <source>シートガイドのローディング方法</source>
        <translation>Sheet guide loading</translation>
    </message>
    <message>
        <source>オート</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>マニュアル</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>Param2Page</name>
    <message>
        <source>ＬＦピッチ補正</source>
        <translation>LF pitch adjustment</translation>
    </message>
    <message>
        <source>シートガイド(&amp;G)</source>
        <translation>Sheet &amp;guide</translation>
    </message>
    <message>
        <source>シートフィーダ(&amp;S)</source>
        <translation>&amp;Sheet feeder</translation>
    </message>
    <message>
        <source>フロントトラクタ(&amp;F)</source>
        <translation>Fr&amp;ont tractor</translation>
    </message>
    <message>
        <source>リアトラクタ(&amp;R)</source>
        <translation>&amp;Rear tractor</translation>
    </message>
    <message>
        <source>連続紙カット位置からの自動戻り時間(&amp;P)</source>
        <translation>Auto return from &amp;tear-off position</translation>
    </message>
    <message>
        <source>シートガイドからの用紙吸入時間(&amp;J)</source>
        <translation>Sheet guide &amp;loading time</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>パラメータ設定</source>
        <translation>Parameter settings</translation>
    </message>
</context>
<context>
    <name>ParamPage</name>
    <message>
        <source>用紙吸入時ヘッドセンタリング位置</source>
        <translation>Head centring position at loading</translation>
    </message>
    <message>
        <source>カット紙(&amp;C)</source>
        <translation>&amp;Cut sheet</translation>
    </message>
    <message>
        <source>桁</source>
        <translation>columns</translation>
    </message>
    <message>
        <source>フロントトラクタ(&amp;T)</source>
        <translation>Front &amp;tractor</translation>
    </message>
    <message>
        <source>リアトラクタ(&amp;R)</source>
        <translation>&amp;Rear tractor</translation>
    </message>
    <message>
        <source>漢字コード表(&amp;K)</source>
        <translation>&amp;Kanji code table</translation>
    </message>
    <message>
        <source>フォント選択</source>
        <translation>Font selection</translation>
    </message>
    <message>
        <source>フォント１(&amp;1)</source>
        <translation>Font &amp;1</translation>
    </message>
    <message>
        <source>フォント２(&amp;2)</source>
        <translation>Font &amp;2</translation>
    </message>
    <message>
        <source>用紙セット位置</source>
        <translation>Paper set position</translation>
    </message>
    <message>
        <source>センタ(&amp;S)</source>
        <translation>C&amp;entre</translation>
    </message>
    <message>
        <source>レフト(&amp;L)</source>
        <translation>&amp;Left</translation>
    </message>
    <message>
        <source>ハガキ印刷モード</source>
        <translation>Postcard print mode</translation>
    </message>
    <message>
        <source>OFF(&amp;N)</source>
        <translation>&amp;Off</translation>
    </message>
    <message>
        <source>ON(&amp;Y)</source>
        <translation>O&amp;n</translation>
    </message>
    <message>
        <source>パラメータ設定</source>
        <translation>Parameter settings</translation>
    </message>
</context>
<context>
    <name>PrinterSelectDialog</name>
    <message>
        <source>プリンタの選択</source>
        <translation>Choose Printer</translation>
    </message>
    <message>
        <source>プリンタを選択してください。</source>
        <translation>Choose a printer.</translation>
    </message>
    <message>
        <source>プリンタ名</source>
        <translation>Printer name</translation>
    </message>
    <message>
        <source>接続先</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>最終送信</source>
        <translation>Last sent</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>プリンタ一覧</source>
        <translation>Printer list</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>書体選択</source>
        <translation>Typeface</translation>
    </message>
    <message>
        <source>明朝体(&amp;R)</source>
        <translation>M&amp;incho</translation>
    </message>
    <message>
        <source>ゴシック体(&amp;G)</source>
        <translation>&amp;Gothic</translation>
    </message>
    <message>
        <source>２ビンシートフィーダのホッパ選択</source>
        <translation>Sheet feeder bin</translation>
    </message>
    <message>
        <source>ホッパ１(&amp;N)</source>
        <translation>Bin &amp;1</translation>
    </message>
    <message>
        <source>ホッパ２(&amp;Y)</source>
        <translation>Bin &amp;2</translation>
    </message>
    <message>
        <source>縮小印刷の選択(&amp;P)</source>
        <translation>Reduced &amp;printing</translation>
    </message>
    <message>
        <source>書式選択(&amp;S)</source>
        <translation>Format &amp;selection</translation>
    </message>
    <message>
        <source>書式の設定(&amp;D)...</source>
        <translation>Format se&amp;ttings...</translation>
    </message>
</context>
</TS>
