<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>iCloud データのダウンロードと分析には時間がかかります。スキャン時間は iCloud バックアップのサイズによって異なります。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>スキャン中はデバイスの接続を安定させてください。スキャン時間はデバイスのデータ量によって異なり、データが多いほど長くかかります。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>スキャン時間はデータ量によって異なります。データが多い場合は時間がかかります。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>注意：必要なデータが見つからない場合は、他の機能を試すか、別の種類のデータを選んでスキャンしてください。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>注意：必要なデータが見つからない場合は、「iTunes バックアップからデータを復元」を使うか、戻って別の種類のデータを選んで再スキャンしてください。</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>データが見つかりません！</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>デバイスが異常な状態です。先に修復してください...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>注意：デバイスが異常な状態で検出されました。まず &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS システム修復ツール&lt;/a&gt; でデバイスを正常な状態に戻すことをお勧めします。</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>iOS デバイスを PC に接続してください</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>注意：</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. デバイスのロックが解除されていることを確認してください。</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. スキャンするデバイスを 1 台だけ接続してください。</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;デバイスは接続されているのに認識されませんか？</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>デバイスが検出されませんか？以下の手順に従ってもう一度お試しください。</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>デバイス環境を分析</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>iOS デバイスのデータをバックアップ %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>データを復号 %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>エラーが発生し、デバイスの分析に失敗しました。もう一度お試しください！</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>デバイス：&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>デバイスを読み取れません。ロックを解除し、求められたら「信頼」をタップしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>空き容量が足りません！デバイスに 200MB 以上の空き容量があることを確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Apple のプライバシーポリシーにより、iOS 13 以降で通話履歴、FaceTime、Safari の履歴をスキャンするには暗号化バックアップが必要です。プログラムはバックアップパスワードを &lt;font color=&quot;#558AF8&quot;;&gt;%1（このパスワードを覚えておいてください）&lt;/font&gt; に設定します。時間がかかります。続行しますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation>バックアップ全体を復号するにはディスクの空き容量が足りません。続行しますか？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>申し訳ありません。エラーが発生しました(%1)。&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;解決方法を見る&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. iOS デバイスで「信頼」をタップしてください。</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. iOS デバイスでパスコードを入力してください。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>注意：信頼の確認が表示されない場合は、デバイスを接続し直してください。</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>%1(%2) デバイスでこのコンピュータを信頼してください。</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>デバイスを分析しています</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>続行するには iOS デバイスでパスコードを入力してください。</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. デバイスのロックを解除して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. デバイスを接続し直し、接続が安定していることを確認してください。 </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. デバイスとプログラムを再起動してから、デバイスを接続し直してください。</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. どれもうまくいきませんか？ &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS システム修復ツール&lt;/a&gt; でデバイスを修復してみてください。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>スキャン開始</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>デバイスの接続が切れました。接続し直してください。</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>データをバックアップ中です。プログラムを終了してもよろしいですか？</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; が接続されました！復元するデータの種類を選んでください。</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>アルバムのビデオ</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>ボイスメール</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>ボイスメモ</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari ブックマーク</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari 履歴</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通話履歴</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>アプリの写真</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>アプリのビデオ</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>アプリのオーディオ</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>アプリの書類</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>Select ALL</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>システムデータ</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>サードパーティ製アプリのデータ</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>iOS デバイスを分析しています。しばらくかかります....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>iTunes バックアップは暗号化されています。パスワードを入力してください。</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>パスワードを入力</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>復号</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;iTunes バックアップのパスワードをお忘れですか？</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>パスワードを確認しています。お待ちください...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>パスワードが違います</translation>
    </message>
</context>
</TS>
