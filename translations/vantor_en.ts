<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="%1は無圧縮Zipではないので、処理できません。">
        <source></source>
        <translation>%1 is a compressed ZIP archive; only uncompressed (stored) archives can be played.</translation>
    </message>
    <message id="Line : %1 「%2」は有効なコマンドではありません">
        <source></source>
        <translation>Line %1: "%2" is not a valid skin command.</translation>
    </message>
    <message id="ファイル(&amp;F)">
        <source></source>
        <translation>&amp;File</translation>
    </message>
    <message id="新たに開く(&amp;N)">
        <source></source>
        <translation>&amp;Open Files...</translation>
    </message>
    <message id="リストに追加する(&amp;A)">
        <source></source>
        <translation>&amp;Add to Playlist...</translation>
    </message>
    <message id="フォルダを開く(&amp;R)">
        <source></source>
        <translation>Open Fol&amp;der...</translation>
    </message>
    <message id="フォルダを追加する(&amp;P)">
        <source></source>
        <translation>Add Folder to &amp;Playlist...</translation>
    </message>
    <message id="開いたファイルを自動再生(&amp;D)">
        <source></source>
        <translation>Play Opened Files A&amp;utomatically</translation>
    </message>
    <message id="サブフォルダも検索(&amp;S)">
        <source></source>
        <translation>Include &amp;Subfolders</translation>
    </message>
    <message id="Audio CDを開く(&amp;C)">
        <source></source>
        <translation>Open Audio &amp;CD...</translation>
    </message>
    <message id="演奏制御(&amp;P)">
        <source></source>
        <translation>&amp;Playback</translation>
    </message>
    <message id="前の曲へ(&amp;R)">
        <source></source>
        <translation>P&amp;revious Track</translation>
    </message>
    <message id="再生(&amp;P)">
        <source></source>
        <translation>&amp;Play</translation>
    </message>
    <message id="一時停止(&amp;A)">
        <source></source>
        <translation>P&amp;ause</translation>
    </message>
    <message id="停止(&amp;S)">
        <source></source>
        <translation>&amp;Stop</translation>
    </message>
    <message id="次の曲へ(&amp;N)">
        <source></source>
        <translation>&amp;Next Track</translation>
    </message>
    <message id="PlayMode(&amp;M)">
        <source></source>
        <translation>Play &amp;Mode</translation>
    </message>
    <message id="Loop(&amp;L)">
        <source></source>
        <translation>&amp;Loop</translation>
    </message>
    <message id="Random(&amp;R)">
        <source></source>
        <translation>&amp;Random</translation>
    </message>
    <message id="Non-Stop MegaMix Mode(&amp;N)">
        <source></source>
        <translation>&amp;Non-Stop Mix</translation>
    </message>
    <message id="オプション(&amp;O)">
        <source></source>
        <translation>&amp;Options</translation>
    </message>
    <message id="設定(&amp;C)">
        <source></source>
        <translation>&amp;Settings...</translation>
    </message>
    <message id="Skinを変更する(&amp;S)">
        <source></source>
        <translation>Change S&amp;kin...</translation>
    </message>
    <message id="スキンブラウザー(&amp;B)">
        <source></source>
        <translation>Skin &amp;Browser...</translation>
    </message>
    <message id="常に手前に表示(&amp;A)">
        <source></source>
        <translation>&amp;Always on Top</translation>
    </message>
    <message id="アナライザー(&amp;U)">
        <source></source>
        <translation>Anal&amp;yser</translation>
    </message>
    <message id="FFTアナライザー">
        <source></source>
        <translation>Spectrum Analyser</translation>
    </message>
    <message id="オシロスコープ">
        <source></source>
        <translation>Oscilloscope</translation>
    </message>
    <message id="レベル増幅を有効にする">
        <source></source>
        <translation>Amplify Levels</translation>
    </message>
    <message id="PanControl(&amp;C)">
        <source></source>
        <translation>Balan&amp;ce</translation>
    </message>
    <message id="左(&amp;L)">
        <source></source>
        <translation>&amp;Left</translation>
    </message>
    <message id="中央(&amp;C)">
        <source></source>
        <translation>&amp;Centre</translation>
    </message>
    <message id="右(&amp;R)">
        <source></source>
        <translation>&amp;Right</translation>
    </message>
    <message id="PitchControl(&amp;P)">
        <source></source>
        <translation>P&amp;itch</translation>
    </message>
    <message id="VolumeControl(&amp;V)">
        <source></source>
        <translation>&amp;Volume</translation>
    </message>
    <message id="メインウィンドウ(&amp;W)">
        <source></source>
        <translation>Main &amp;Window</translation>
    </message>
    <message id="プレイリストエディター(&amp;E)">
        <source></source>
        <translation>Playlist &amp;Editor</translation>
    </message>
    <message id="タグエディター(&amp;T)">
        <source></source>
        <translation>&amp;Tag Editor</translation>
    </message>
    <message id="プレイリストを再描画(&amp;R)">
        <source></source>
        <translation>Re&amp;draw Playlist</translation>
    </message>
    <message id="プレイリストをリンクする(&amp;L)">
        <source></source>
        <translation>Lin&amp;k Playlist</translation>
    </message>
    <message id="About(&amp;A)">
        <source></source>
        <translation>A&amp;bout Vantor</translation>
    </message>
    <message id="終了(&amp;E)">
        <source></source>
        <translation>E&amp;xit</translation>
    </message>
    <message id="フォントを変更する(&amp;F)">
        <source></source>
        <translation>Change &amp;Font...</translation>
    </message>
    <message id="フォルダの選択">
        <source></source>
        <translation>Choose a Folder</translation>
    </message>
    <message id="Skinファイルを開く">
        <source></source>
        <translation>Open a Skin</translation>
    </message>
    <message id="Skin File">
        <source></source>
        <translation>Skins</translation>
    </message>
    <message id="削除">
        <source></source>
        <translation>Remove</translation>
    </message>
    <message id="ファイル情報">
        <source></source>
        <translation>File Information</translation>
    </message>
    <message id="No CD\DVD devices found!">
        <source></source>
        <translation>No CD or DVD drives found.</translation>
    </message>
    <message id="どっかーん">
        <source></source>
        <translation>Something went wrong with the CD drive.</translation>
    </message>
    <message id="CDイメージを開く">
        <source></source>
        <translation>Open a CD Image</translation>
    </message>
    <message id="CD Image">
        <source></source>
        <translation>CD images</translation>
    </message>
    <message id="GetFreeIndex Error">
        <source></source>
        <translation>No track is left to pick at random.</translation>
    </message>
    <message id="どかん！！">
        <source></source>
        <translation>Error</translation>
    </message>
    <message id="次のファイルは見つからないか再生できないので、追加しませんでした：">
        <source></source>
        <translation>These files were not added because they could not be found or cannot be played:</translation>
    </message>
    <message id="2重起動はできません">
        <source></source>
        <translation>Vantor is already running.</translation>
    </message>
    <message id="No errors">
        <source></source>
        <translation>No error.</translation>
    </message>
    <message id="Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.">
        <source></source>
        <translation>The sound output is already running; close it before changing this.</translation>
    </message>
    <message id="This command failed because FSOUND_Init was not called">
        <source></source>
        <translation>The sound output has not been started.</translation>
    </message>
    <message id="Error initializing output device.">
        <source></source>
        <translation>The output device could not be initialised.</translation>
    </message>
    <message id="The output device is already in use and cannot be reused.">
        <source></source>
        <translation>The output device is already in use.</translation>
    </message>
    <message id="Playing the sound failed.">
        <source></source>
        <translation>The sound could not be played.</translation>
    </message>
    <message id="Soundcard does not support the features needed for this soundsystem (16bit stereo output)">
        <source></source>
        <translation>The sound card cannot play 16-bit stereo sound.</translation>
    </message>
    <message id="Error setting cooperative level for hardware.">
        <source></source>
        <translation>The sound hardware could not be shared with other programs.</translation>
    </message>
    <message id="Error creating hardware sound buffer.">
        <source></source>
        <translation>The sound buffer could not be created.</translation>
    </message>
    <message id="File not found">
        <source></source>
        <translation>File not found.</translation>
    </message>
    <message id="Unknown file format">
        <source></source>
        <translation>Unknown file format.</translation>
    </message>
    <message id="Error loading file">
        <source></source>
        <translation>The file could not be loaded.</translation>
    </message>
    <message id="Not enough memory ">
        <source></source>
        <translation>Not enough memory.</translation>
    </message>
    <message id="The version number of this file format is not supported">
        <source></source>
        <translation>This version of the file format is not supported.</translation>
    </message>
    <message id="An invalid parameter was passed to this function">
        <source></source>
        <translation>An invalid value was given to the sound engine.</translation>
    </message>
    <message id="Tried to use an EAX command on a non EAX enabled channel or output.">
        <source></source>
        <translation>This effect is not available on this channel or output.</translation>
    </message>
    <message id="Failed to allocate a new channel">
        <source></source>
        <translation>No free sound channel is left.</translation>
    </message>
    <message id="Recording is not supported on this machine">
        <source></source>
        <translation>Recording is not supported on this computer.</translation>
    </message>
    <message id="Required Mediaplayer codec is not installed">
        <source></source>
        <translation>The codec needed for this file is not installed.</translation>
    </message>
    <message id="An error occured trying to open the specified CD device">
        <source></source>
        <translation>The CD drive could not be opened.</translation>
    </message>
    <message id="Unknown error">
        <source></source>
        <translation>Unknown error.</translation>
    </message>
    <message id="サウンド出力の初期化に失敗しました">
        <source></source>
        <translation>Failed to initialise the sound output.</translation>
    </message>
    <message id="Error : SetSoundControl">
        <source></source>
        <translation>The sound controls could not be applied.</translation>
    </message>
    <message id="オーディオ出力の設定が変更されたので再起動します">
        <source></source>
        <translation>The audio output settings have changed. Vantor will now restart.</translation>
    </message>
    <message id="Play Song">
        <source></source>
        <translation>Playing a Song</translation>
    </message>
    <message id="Play Stream">
        <source></source>
        <translation>Playing a Stream</translation>
    </message>
    <message id="Error while opening file">
        <source></source>
        <translation>The file could not be opened.</translation>
    </message>
    <message id="The preset could not be written.">
        <source></source>
        <translation>The preset could not be saved.</translation>
    </message>
    <message id="EqualizerConfigFile">
        <source></source>
        <translation>Equaliser presets</translation>
    </message>
    <message id="イコライザーコンフィグファイルを開く">
        <source></source>
        <translation>Open an Equaliser Preset</translation>
    </message>
    <message id="イコライザーコンフィグファイルを保存する">
        <source></source>
        <translation>Save the Equaliser Preset</translation>
    </message>
    <message id="Errorにより、情報取得に失敗しました。">
        <source></source>
        <translation>The file information could not be read.</translation>
    </message>
    <message id="All song types">
        <source></source>
        <translation>All supported files</translation>
    </message>
    <message id="ZipArchiveFile">
        <source></source>
        <translation>ZIP archives</translation>
    </message>
    <message id="PlayListFile">
        <source></source>
        <translation>Playlists</translation>
    </message>
    <message id="All Files">
        <source></source>
        <translation>All files</translation>
    </message>
    <message id="Error : SubFindFile">
        <source></source>
        <translation>The folder could not be searched.</translation>
    </message>
    <message id="エラーメッセージを報告してください">
        <source></source>
        <translation>Please Report This Error</translation>
    </message>
    <message id="ファイルを開く">
        <source></source>
        <translation>Open Files</translation>
    </message>
    <message id="ファイルをリストに追加">
        <source></source>
        <translation>Add Files to Playlist</translation>
    </message>
    <message id="PlayListを開く">
        <source></source>
        <translation>Open a Playlist</translation>
    </message>
    <message id="PlayListを保存する">
        <source></source>
        <translation>Save the Playlist</translation>
    </message>
    <message id="DorvanPlayListFile">
        <source></source>
        <translation>DVL playlists</translation>
    </message>
    <message id="このファイルからは曲を読み込めませんでした。">
        <source></source>
        <translation>No songs could be read from this file.</translation>
    </message>
    <message id="Error : SavePlaylistFile">
        <source></source>
        <translation>The playlist could not be saved.</translation>
    </message>
    <message id="フォルダを指定する">
        <source></source>
        <translation>Choose a Folder</translation>
    </message>
    <message id="アナライザーパターンファイルを開く">
        <source></source>
        <translation>Open an Analyser Pattern</translation>
    </message>
    <message id="Graphics File">
        <source></source>
        <translation>Pictures</translation>
    </message>
    <message id="設定エラー">
        <source></source>
        <translation>Invalid Setting</translation>
    </message>
    <message id="オシロスコープの描画幅は1未満に設定できません。">
        <source></source>
        <translation>The oscilloscope line width must be at least 1.</translation>
    </message>
    <message id="バッファーサイズは50ms以下は設定できません。">
        <source></source>
        <translation>The buffer size must be more than 50 ms.</translation>
    </message>
    <message id="Error : ConfigSet">
        <source></source>
        <translation>The settings could not be applied.</translation>
    </message>
    <message id="一般設定">
        <source></source>
        <translation>General</translation>
    </message>
    <message id="プレイオプション">
        <source></source>
        <translation>Playback</translation>
    </message>
    <message id="エフェクト">
        <source></source>
        <translation>Effects</translation>
    </message>
    <message id="イコライザー">
        <source></source>
        <translation>Equaliser</translation>
    </message>
    <message id="オーディオ出力">
        <source></source>
        <translation>Audio Output</translation>
    </message>
    <message id="表示設定">
        <source></source>
        <translation>Appearance</translation>
    </message>
    <message id="本体">
        <source></source>
        <translation>Main Window</translation>
    </message>
    <message id="プレイリスト">
        <source></source>
        <translation>Playlist</translation>
    </message>
    <message id="アナライザー">
        <source></source>
        <translation>Analyser</translation>
    </message>
    <message id="関連付け">
        <source></source>
        <translation>File Types</translation>
    </message>
    <message id="その他">
        <source></source>
        <translation>Other</translation>
    </message>
    <message id="スキンブラウザー">
        <source></source>
        <translation>Skin Browser</translation>
    </message>
    <message id="設定">
        <source></source>
        <translation>Settings</translation>
    </message>
    <message id="指定されたSkinファイルは存在しません">
        <source></source>
        <translation>The chosen skin file does not exist.</translation>
    </message>
    <message id="Skinファイルが有効ではありません">
        <source></source>
        <translation>This skin file is not valid.</translation>
    </message>
    <message id="CreateRgnFromPictureに失敗しました">
        <source></source>
        <translation>The window shape could not be made from the skin's picture.</translation>
    </message>
    <message id="エラーだよ">
        <source></source>
        <translation>The window shape could not be made.</translation>
    </message>
    <message id="閉じる">
        <source></source>
        <translation>Close</translation>
    </message>
    <message id="コピー">
        <source></source>
        <translation>Copy</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="バージョン情報">
        <source></source>
        <translation>About Vantor</translation>
    </message>
    <message id="取り出し">
        <source></source>
        <translation>Eject</translation>
    </message>
    <message id="再読み込み">
        <source></source>
        <translation>Reload</translation>
    </message>
    <message id="イメージを開く...">
        <source></source>
        <translation>Open Image...</translation>
    </message>
    <message id="全て選択">
        <source></source>
        <translation>Select All</translation>
    </message>
    <message id="全て解除">
        <source></source>
        <translation>Select None</translation>
    </message>
    <message id="再生">
        <source></source>
        <translation>Play</translation>
    </message>
    <message id="追加">
        <source></source>
        <translation>Add</translation>
    </message>
    <message id="詳細表示">
        <source></source>
        <translation>List View</translation>
    </message>
    <message id="グループ表示">
        <source></source>
        <translation>Group View</translation>
    </message>
    <message id="関連付けるファイルの種類">
        <source></source>
        <translation>File types to open with Vantor</translation>
    </message>
    <message id="すべて選択">
        <source></source>
        <translation>Select All</translation>
    </message>
    <message id="すべて解除">
        <source></source>
        <translation>Select None</translation>
    </message>
    <message id="ローパスフィルター">
        <source></source>
        <translation>Low-pass filter</translation>
    </message>
    <message id="エコー">
        <source></source>
        <translation>Echo</translation>
    </message>
    <message id="リバーブ">
        <source></source>
        <translation>Reverb</translation>
    </message>
    <message id="プリバーブ">
        <source></source>
        <translation>Pre-reverb</translation>
    </message>
    <message id="ロボットフィルター">
        <source></source>
        <translation>Robot voice</translation>
    </message>
    <message id="カットオフ">
        <source></source>
        <translation>Cut-off</translation>
    </message>
    <message id="レゾナンス">
        <source></source>
        <translation>Resonance</translation>
    </message>
    <message id="エコーレベル">
        <source></source>
        <translation>Echo level</translation>
    </message>
    <message id="ピッチ・再生速度・バランス">
        <source></source>
        <translation>Pitch, Speed and Balance</translation>
    </message>
    <message id="ピッチ">
        <source></source>
        <translation>Pitch</translation>
    </message>
    <message id="周波数">
        <source></source>
        <translation>Frequency</translation>
    </message>
    <message id="タイムストレッチ">
        <source></source>
        <translation>Time stretch</translation>
    </message>
    <message id="バランス">
        <source></source>
        <translation>Balance</translation>
    </message>
    <message id="イコライザーを有効にする">
        <source></source>
        <translation>Enable the equaliser</translation>
    </message>
    <message id="プリアンプ">
        <source></source>
        <translation>Preamp</translation>
    </message>
    <message id="開く...">
        <source></source>
        <translation>Open...</translation>
    </message>
    <message id="保存...">
        <source></source>
        <translation>Save...</translation>
    </message>
    <message id="プリセット">
        <source></source>
        <translation>Preset</translation>
    </message>
    <message id="Vantor 設定">
        <source></source>
        <translation>Vantor Settings</translation>
    </message>
    <message id="キャンセル">
        <source></source>
        <translation>Cancel</translation>
    </message>
    <message id="適用">
        <source></source>
        <translation>Apply</translation>
    </message>
    <message id="左の一覧から設定する項目を選んでください。">
        <source></source>
        <translation>Choose what to set up from the list on the left.</translation>
    </message>
    <message id="設定は次のファイルに保存されます:">
        <source></source>
        <translation>The settings are kept in this file:</translation>
    </message>
    <message id="プレイリストは終了するときに次のファイルに保存され、次に起動したときに読み込まれます:">
        <source></source>
        <translation>The playlist is saved to this file when Vantor exits and loaded again when it starts:</translation>
    </message>
    <message id="行の表示形式は「表示設定 - プレイリスト」で設定します。">
        <source></source>
        <translation>The look of the playlist rows is set under "Appearance - Playlist".</translation>
    </message>
    <message id="参照...">
        <source></source>
        <translation>Browse...</translation>
    </message>
    <message id="再生モード">
        <source></source>
        <translation>Play mode</translation>
    </message>
    <message id="ループ再生">
        <source></source>
        <translation>Loop</translation>
    </message>
    <message id="ランダム再生">
        <source></source>
        <translation>Random order</translation>
    </message>
    <message id="ノンストップミックス">
        <source></source>
        <translation>Non-stop mix</translation>
    </message>
    <message id="曲の重なり">
        <source></source>
        <translation>Overlap between songs</translation>
    </message>
    <message id="ファイルの追加">
        <source></source>
        <translation>Adding files</translation>
    </message>
    <message id="ファイルを追加したら自動的に再生する">
        <source></source>
        <translation>Play files as soon as they are added</translation>
    </message>
    <message id="フォルダの追加でサブフォルダも検索する">
        <source></source>
        <translation>Include subfolders when adding a folder</translation>
    </message>
    <message id="出力デバイス">
        <source></source>
        <translation>Output device</translation>
    </message>
    <message id="出力">
        <source></source>
        <translation>Output</translation>
    </message>
    <message id="ドライバー">
        <source></source>
        <translation>Driver</translation>
    </message>
    <message id="ミキサー">
        <source></source>
        <translation>Mixer</translation>
    </message>
    <message id="出力周波数">
        <source></source>
        <translation>Sample rate</translation>
    </message>
    <message id="ストリームバッファー">
        <source></source>
        <translation>Stream buffer</translation>
    </message>
    <message id="ウィンドウが非アクティブでも音を出す">
        <source></source>
        <translation>Keep playing sound when the window is in the background</translation>
    </message>
    <message id="MIDIをソフトウェアで再生する">
        <source></source>
        <translation>Play MIDI with the software synthesiser</translation>
    </message>
    <message id="オーディオ出力の設定を変更して適用すると、プレイヤーが再起動します。">
        <source></source>
        <translation>Applying changed audio output settings restarts the player.</translation>
    </message>
    <message id="曲情報">
        <source></source>
        <translation>Song information</translation>
    </message>
    <message id="フォント">
        <source></source>
        <translation>Font</translation>
    </message>
    <message id="文字色">
        <source></source>
        <translation>Text colour</translation>
    </message>
    <message id="表示形式 (%1～%7)">
        <source></source>
        <translation>Format (%1 to %7)</translation>
    </message>
    <message id="曲情報をスクロールしない">
        <source></source>
        <translation>Do not scroll the song information</translation>
    </message>
    <message id="スクロール間隔">
        <source></source>
        <translation>Scroll interval</translation>
    </message>
    <message id="スキンのフォント設定を無視する">
        <source></source>
        <translation>Ignore the skin's font settings</translation>
    </message>
    <message id="ウィンドウ">
        <source></source>
        <translation>Window</translation>
    </message>
    <message id="ボリュームをアニメーションする">
        <source></source>
        <translation>Animate volume changes</translation>
    </message>
    <message id="アニメーション間隔">
        <source></source>
        <translation>Animation interval</translation>
    </message>
    <message id="最小化したらトレイアイコンにする">
        <source></source>
        <translation>Minimise to the system tray</translation>
    </message>
    <message id="常に手前に表示">
        <source></source>
        <translation>Always on top</translation>
    </message>
    <message id="プレイリストの行">
        <source></source>
        <translation>Playlist rows</translation>
    </message>
    <message id="トラック番号を表示する">
        <source></source>
        <translation>Show track numbers</translation>
    </message>
    <message id="演奏時間を表示する">
        <source></source>
        <translation>Show track lengths</translation>
    </message>
    <message id="動作">
        <source></source>
        <translation>Behaviour</translation>
    </message>
    <message id="ホイールのスクロール量">
        <source></source>
        <translation>Mouse wheel scrolls by</translation>
    </message>
    <message id="行">
        <source></source>
        <translation>rows</translation>
    </message>
    <message id="タグ読み込み間隔">
        <source></source>
        <translation>Tag reading interval</translation>
    </message>
    <message id="表示">
        <source></source>
        <translation>Display</translation>
    </message>
    <message id="FFTアナライザー %1">
        <source></source>
        <translation>Spectrum analyser %1</translation>
    </message>
    <message id="更新間隔">
        <source></source>
        <translation>Update interval</translation>
    </message>
    <message id="アナライザーを停止する">
        <source></source>
        <translation>Turn the analyser off</translation>
    </message>
    <message id="パターンファイル">
        <source></source>
        <translation>Pattern file</translation>
    </message>
    <message id="スキンのパターン設定を無視する">
        <source></source>
        <translation>Ignore the skin's pattern settings</translation>
    </message>
    <message id="線の色">
        <source></source>
        <translation>Line colour</translation>
    </message>
    <message id="描画幅">
        <source></source>
        <translation>Line width</translation>
    </message>
    <message id="スキンのオシロスコープ設定を無視する">
        <source></source>
        <translation>Ignore the skin's oscilloscope settings</translation>
    </message>
    <message id="MPEGファイルを正確に解析する">
        <source></source>
        <translation>Analyse MPEG files exactly</translation>
    </message>
    <message id="使っていないメモリーをシステムに返す">
        <source></source>
        <translation>Give unused memory back to the system</translation>
    </message>
    <message id="スキンフォルダ">
        <source></source>
        <translation>Skin folder</translation>
    </message>
    <message id="このスキンを使う">
        <source></source>
        <translation>Use This Skin</translation>
    </message>
    <message id="スキンを選ぶと説明が表示されます">
        <source></source>
        <translation>Choose a skin to see its description</translation>
    </message>
    <message id="リプレイゲイン">
        <source></source>
        <translation>ReplayGain</translation>
    </message>
    <message id="音量の補正">
        <source></source>
        <translation>Loudness correction</translation>
    </message>
    <message id="しない">
        <source></source>
        <translation>Off</translation>
    </message>
    <message id="トラックゲイン">
        <source></source>
        <translation>Track gain</translation>
    </message>
    <message id="アルバムゲイン">
        <source></source>
        <translation>Album gain</translation>
    </message>
</context>
</TS>
