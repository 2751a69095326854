<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translatorcomment>Glossary: backup = バックアップ; scan = スキャン; recover/restore = 復元; export = エクスポート; device = デバイス; attachment = 添付ファイル; decrypt = 復号; sign in/out = サインイン／サインアウト; contact = 連絡先; chat = チャット; data type/category = データの種類／カテゴリ; folder = フォルダー; export path = エクスポート先; computer = コンピュータ; notes = メモ; documents = 書類; videos = ビデオ; date column = 日時; Note: = 注意：; polite です／ます style; full-width punctuation (、。：？（）「」…); half-width space between Japanese and Latin words or numbers (iTunes バックアップ, 200MB 以上); WhatsApp system phrases are spliced after a name: &quot;Bob がグループを作成しました： &quot;Trip&quot;&quot;.</translatorcomment>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>通知日時</translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>リマインダー</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation>すべての行を選択</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation>その他の電話番号</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>携帯電話番号</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>自宅の電話番号</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>勤務先の電話番号</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>学校の電話番号</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>iPhone の電話番号</translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation>Apple Watch の電話番号</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>メインの電話番号</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>自宅の FAX 番号</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>勤務先の FAX 番号</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>ポケベル番号</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>その他のメール</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>自宅のメール</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>勤務先のメール</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>学校のメール</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>iCloud のメール</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>その他の URL</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>自宅の URL</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>勤務先の URL</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>学校の URL</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>その他の住所</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>自宅の住所</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>勤務先の住所</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>学校の住所</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>その他の日付</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>誕生日</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>誕生日（旧暦）</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>記念日</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>その他の関係</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>父</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>母</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>兄弟</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>姉妹</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>兄</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>姉</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>弟</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>妹</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>夫</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>妻</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>パートナー</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>息子</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>娘</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>友人</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>上司</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>同僚</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>その他のソーシャルプロフィール</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation>LinkedIn</translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation>Myspace</translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation>Sina Weibo</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>その他のインスタントメッセージ</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation>MSN Messenger</translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation>Google Talk</translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation>Facebook Messenger</translation>
    </message>
    <message>
        <source>AIM</source>
        <translation>AIM</translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation>Yahoo! Messenger</translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation>ICQ</translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation>Jabber</translation>
    </message>
    <message>
        <source>QQ</source>
        <translation>QQ</translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation>Gadu-Gadu</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>会社：</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>誕生日：</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>メモ：</translation>
    </message>
</context>
<context>
    <name>DeviceParser</name>
    <message>
        <source>You</source>
        <translation>あなた</translation>
    </message>
    <message>
        <source>you</source>
        <translation>あなた</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation>
            <numerusform>%1 ほか %n 件の連絡先</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Title of a starred WhatsApp message: who sent it, then the chat or person it went to.</extracomment>
        <translation>%1 → %2</translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation>アプリのオーディオ</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>アプリの書類</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>書類</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorModel</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>通話の種類</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>通話時間</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>着信</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>発信</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorView</name>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通話履歴</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation>過去 7 日間</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>過去 1 か月</translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation>過去 3 か月</translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation>過去 6 か月</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>過去 1 年</translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation>期間を指定</translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation>期間を選択</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>days</source>
        <translation>日前</translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation>開始（何日前から）</translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation>終了（何日前まで）</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>LineChat</name>
    <message>
        <source>Video call</source>
        <translation>ビデオ通話</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>音声通話</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>グループビデオ通話を開始しました。</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>グループ音声通話を開始しました。</translation>
    </message>
</context>
<context>
    <name>MediaTableView</name>
    <message>
        <source>Messages Attachment</source>
        <translation>メッセージの添付ファイル</translation>
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
        <source>Notes Attachment</source>
        <translation>メモの添付ファイル</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>カレンダーの添付ファイル</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>リマインダーの添付ファイル</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>アプリの写真</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>アプリのビデオ</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>写真</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation>このメモはロックされています。</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>添付ファイル</translation>
    </message>
</context>
<context>
    <name>NavigationItemDelegate</name>
    <message>
        <source>Contacts</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>メッセージの添付ファイル</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>ボイスメール</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>ボイスメモ</translation>
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
        <source>FaceTime</source>
        <translation>FaceTime</translation>
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
        <source>Notes</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>メモの添付ファイル</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通話履歴</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>カレンダーの添付ファイル</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>リマインダーの添付ファイル</translation>
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
        <source>WhatsApp Attachment</source>
        <translation>WhatsApp の添付ファイル</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>LINE の添付ファイル</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>システムデータ</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>サードパーティ製アプリのデータ</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>iOS デバイスのデータを完全に復元</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>iOS デバイスからデータを復元</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>メッセージ、連絡先、写真など、削除されたデータを iOS デバイスから直接復元できます。</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>iTunes バックアップからデータを復元</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>iTunes バックアップのデータをスキャンしてプレビューできます。</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>iCloud バックアップからデータを復元</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>iCloud に同期されたデータを復元できます。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>ガイド</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>ログフォルダーを開く</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don&apos;t open iTunes while the program is running, or the recovery will fail.</source>
        <translation>プログラムの実行中は iTunes を開かないでください。復元に失敗するおそれがあります。</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>表示するには、データをコンピュータにエクスポートしてください。</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) は、iPhone や iPad から失われたメッセージ、連絡先、写真、メモ、チャットなどを、デバイス本体、iTunes バックアップ、または iCloud バックアップから取り戻します。大切なデータを取り戻すためのツールを丁寧に作り続けている Quenrow チームが開発しました。</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow. All rights reserved.</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>すべて表示（%1）</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>既存のデータを表示（%1）</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>削除されたデータを表示（%1）</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Check box above a list of records that ticks every record shown.</extracomment>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Spoken name and tool tip of the funnel button that opens the date filter.</extracomment>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>種類 %1</translation>
    </message>
    <message>
        <source>Tab %1</source>
        <translation>タブ %1</translation>
    </message>
    <message>
        <source>Change data export path</source>
        <translation>エクスポート先を変更</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>このフォルダーは使用できません。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <extracomment>Spoken for the lock of a password-protected backup in the list of backups.</extracomment>
        <translation>暗号化済み</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>エクスポート先のフォルダーが存在しません。エクスポート先を変更してください。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;エクスポート先を変更</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>選択したフォルダーには読み取り／書き込みの権限がありません。エクスポート先を変更してください。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;エクスポート先を変更</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>新機能</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>後で通知する</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>お使いのバージョンは最新です。</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>新しいバージョンが利用可能です。</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>バージョン：%1 | サイズ：%2 | リリース日：%3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>アップデート情報を取得できませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>iCloud データのダウンロードと分析には時間がかかります。スキャンにかかる時間は iCloud バックアップのデータ量によって異なります。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>スキャン中はデバイスの接続を安定させてください。スキャンにかかる時間はデバイスのデータ量によって異なり、データが多いほど長くかかります。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>スキャンにかかる時間はデータ量によって異なります。データが多い場合は時間がかかります。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>注意：必要なデータが見つからない場合は、ほかの機能をお試しいただくか、別の種類のデータを選んでスキャンしてください。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>注意：必要なデータが見つからない場合は、「iTunes バックアップからデータを復元」をお使いいただくか、前の画面に戻って別の種類のデータを選び、もう一度スキャンしてください。</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>データが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>デバイスが正常な状態ではありません。先にデバイスを修復してください。</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>注意：デバイスが正常な状態ではないことが検出されました。先に &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS システム修復ツール&lt;/a&gt; でデバイスを正常な状態に戻すことをお勧めします。</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>iOS デバイスをコンピュータに接続してください</translation>
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
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;デバイスを接続しているのに認識されない場合</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>デバイスが検出されない場合は、以下の手順に従ってもう一度お試しください。</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>デバイスの環境を分析</translation>
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
        <translation>エラーが発生したため、デバイスを分析できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>デバイス：&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>デバイスを読み取れません。デバイスのロックを解除し、確認が表示されたら「信頼」をタップしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>空き容量が不足しています。デバイスに 200MB 以上の空き容量があることを確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Apple のプライバシーポリシーにより、iOS 13 以降で通話履歴、FaceTime、Safari の履歴をスキャンするには暗号化バックアップが必要です。バックアップのパスワードは &lt;font color=&quot;#558AF8&quot;;&gt;%1（このパスワードを控えておいてください）&lt;/font&gt; に設定されます。時間がかかりますが、続行しますか？</translation>
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
        <translation>申し訳ありません。エラーが発生しました（%1）。&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;解決方法を確認&lt;/a&gt;</translation>
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
        <translation>注意：「信頼」の確認が表示されない場合は、デバイスを接続し直してください。</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>%1(%2) でこのコンピュータを信頼してください。</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>デバイスを分析しています</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>続行するには、iOS デバイスでパスコードを入力してください。</translation>
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
        <translation>4. それでも解決しない場合は、&lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS システム修復ツール&lt;/a&gt; でデバイスを修復してみてください。</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button that leaves the scan results for the previous page; about 12 characters fit.</extracomment>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <extracomment>Button that starts reading the chosen categories from the device or backup; about 14 characters fit.</extracomment>
        <translation>スキャン開始</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>デバイスの接続が切れました。接続し直してください。</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>データをバックアップしています。プログラムを終了してもよろしいですか？</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; が接続されました。復元するデータの種類を選択してください。</translation>
    </message>
    <message>
        <source>Photos</source>
        <extracomment>Category of pictures; also a tab of chat attachments and the name of an exported folder.</extracomment>
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
        <translation>iOS デバイスを分析しています。しばらくお待ちください…</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>この iTunes バックアップは暗号化されています。パスワードを入力してください。</translation>
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
        <translation>パスワードを確認しています。しばらくお待ちください…</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>パスワードが正しくありません</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>会話</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[ビデオ]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[オーディオ]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[写真]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[添付ファイル]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>宛先： </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Unsent</source>
        <extracomment>State of a chat message that never left the phone, shown beside it in the exported page.</extracomment>
        <translation>未送信</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>書類</translation>
    </message>
    <message>
        <source>Individual message</source>
        <translation>個別メッセージ</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>グループメッセージ</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>スター付きメッセージ</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>LINE Keep の種類</translation>
    </message>
    <message>
        <source>Texts</source>
        <extracomment>Kinds of LINE Keep items, as tabs above the list: texts, photos, videos, files, links, other.</extracomment>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>送信できませんでした</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>引用：</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>続きを読む</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>連絡先カード</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>データを復元する前に、ファイルをダウンロードしてください。</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>このファイルは有効期限が切れています。</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>このメッセージは削除されました。</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>サポートされていないデータ形式です。</translation>
    </message>
    <message>
        <source>You</source>
        <translation>あなた</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[音声メッセージ]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[音声通話]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[連絡先カード]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[位置情報]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[書類]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[スタンプ]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[絵文字]</translation>
    </message>
    <message>
        <source>&apos;s LINE Chat</source>
        <translation>のLINE チャット</translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation>個別メッセージ</translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation>の個別メッセージ</translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation>グループメッセージ</translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation>のグループメッセージ</translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation>のLINE Keep</translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation>のWhatsApp チャット</translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation>スター付きメッセージ</translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation>のスター付きメッセージ</translation>
    </message>
    <message>
        <source>You created group</source>
        <translation>あなたがグループを作成しました：</translation>
    </message>
    <message>
        <source>careated group</source>
        <translation>がグループを作成しました：</translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation>あなたがこのグループのアイコンを変更しました</translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation>がこのグループのアイコンを変更しました</translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation>あなたがグループ名を変更しました：</translation>
    </message>
    <message>
        <source> to </source>
        <translation> → </translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation>がグループ名を変更しました：</translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation>あなたがこのグループの招待リンクから参加しました</translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation>がこのグループの招待リンクから参加しました</translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation>あなたがグループの説明を変更しました：</translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation>がグループの説明を変更しました：</translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>あなたが消えるメッセージをオンにしました。このチャットの新しいメッセージは、すべて送信から 24 時間後に消えます</translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>が消えるメッセージをオンにしました。このチャットの新しいメッセージは、すべて送信から 24 時間後に消えます</translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation>が消えるメッセージをオフにしました</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation>がグループの設定を変更し、管理者のみがグループ情報を編集できるようにしました</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation>がグループの設定を変更し、管理者のみがこのグループにメッセージを送信できるようにしました</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation>がグループの設定を変更し、すべての参加者がグループ情報を編集できるようにしました</translation>
    </message>
    <message>
        <source>You were added</source>
        <translation>あなたが追加されました</translation>
    </message>
    <message>
        <source>You was added</source>
        <translation>あなたが追加されました</translation>
    </message>
    <message>
        <source>was added</source>
        <translation>が追加されました</translation>
    </message>
    <message>
        <source>were added</source>
        <translation>が追加されました</translation>
    </message>
    <message>
        <source> added you</source>
        <translation> があなたを追加しました</translation>
    </message>
    <message>
        <source> added You</source>
        <translation> があなたを追加しました</translation>
    </message>
    <message>
        <source>You added </source>
        <translation>あなたがメンバーを追加しました： </translation>
    </message>
    <message>
        <source> added </source>
        <translation> がメンバーを追加しました： </translation>
    </message>
    <message>
        <source>You removed </source>
        <translation>あなたがメンバーを削除しました： </translation>
    </message>
    <message>
        <source> removed </source>
        <translation> がメンバーを削除しました： </translation>
    </message>
    <message>
        <source>You left</source>
        <translation>あなたが退出しました</translation>
    </message>
    <message>
        <source> left</source>
        <translation> が退出しました</translation>
    </message>
    <message>
        <source> has joined</source>
        <translation> が参加しました</translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation>が次のように変更されました：</translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation>あなたが通話を開始しました</translation>
    </message>
    <message>
        <source>started a call</source>
        <translation>が通話を開始しました</translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation>あなたがビデオ通話を開始しました</translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation>がビデオ通話を開始しました</translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation>この連絡先をブロックしました</translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation>この連絡先のブロックを解除しました</translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation>あなたが管理者になりました</translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation>が管理者になりました</translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation>あなたは管理者ではなくなりました</translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation>が管理者ではなくなりました</translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation>あなたがブロードキャストリストを作成しました</translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation>がブロードキャストリストを作成しました</translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation>あなたがブロードキャストリストを作成しました（宛先</translation>
    </message>
    <message>
        <source> recipients</source>
        <translation> 人）</translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation>がブロードキャストリストを作成しました（宛先</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation>がグループの設定を変更し、すべての参加者がこのグループにメッセージを送信できるようにしました</translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation>グループ通話が終了しました</translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation>音声通話が終了しました</translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation>検索するには「Ctrl」+「F」キーを押してください。</translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation>この会話を PDF として保存するには、ブラウザー右上の「…」（3 つの点）→「印刷」を選び、プリンターで「PDF として保存」を選択してください。</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>発信</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>着信</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Priority of a reminder (High, Middle, Low, None).</extracomment>
        <translation>高</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>State of a reminder in its detail row and the exported reminders.</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>未完了</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>ミドルネーム</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>会社</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部署</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>誕生日</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>役職</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>ニックネーム</translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation>iTunes バックアップの一覧を取得しています…</translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation>iTunes バックアップを復号しています…</translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation>注意：しばらく時間がかかります。そのままお待ちください。</translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation>iTunes バックアップを復号しています。キャンセルしますか？</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>パスワードを表示</translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation>復元するデータの種類を選択してください。</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>デバイス名</translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation>バックアップ日時</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation>iTunes バックアップ</translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation>注意：バックアップが一覧に表示されない場合は、別のフォルダーからバックアップを&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;選択&lt;/a&gt;して復元できます。</translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation>このフォルダーには iTunes バックアップがありません。別のバックアップを選択してください。</translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation>申し訳ありません。このバックアップを復号するには約 %1 の空き容量が必要です。ディスクの空き容量を増やしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation>申し訳ありません。バックアップを復号できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation>申し訳ありません。iTunes バックアップが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation>iCloud にサインイン</translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation>注意：
1. iCloud のデータが変更されないよう、デバイスをコンピュータに接続しないでください。
2. お客様のプライバシーとセキュリティを重視しており、Apple アカウントの情報を保存することはありません。
3. 現在、電話番号でのサインインには対応していません。メールアドレスで iCloud にサインインしてください。
</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Apple ID またはパスワードをお忘れですか？</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation>Apple ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation>インターネット接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation>Apple ID またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation>このプラットフォームでは iCloud を利用できません。</translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation>原因不明のエラーによりサインインできませんでした。&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;解決方法&lt;/a&gt;をご確認ください。</translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation>このアカウントでは 2 ファクタ認証が有効になっています。デバイスに届いた確認コードを入力してください。</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple のサポート情報</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>%1 桁目</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS でコードを送信%2</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;コードを再送信%2</translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation>SMS でコードを送信</translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation>コードを再送信</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;確認の回数が多すぎます。しばらくしてからお試しください。&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;確認コードが正しくありません。&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;（サインアウト）</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation>前の画面に戻りますか？戻ると、iCloud にもう一度サインインする必要があります。</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation>スキャンする iTunes バックアップを選択してください。</translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation>復元するデータの種類を選択してください。</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>メッセージの添付ファイル</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>メモの添付ファイル</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>カレンダーの添付ファイル</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>リマインダーの添付ファイル</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation>WhatsApp の添付ファイル</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>LINE の添付ファイル</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation>復元</translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation>データをダウンロードできませんでした。もう一度お試しいただくか、別の Apple ID でサインインしてください。</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation>前の画面に戻りますか？戻ると、データをもう一度ダウンロードする必要があります。</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation>データをスキャンしています。前の画面に戻ってもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation>前の画面に戻りますか？戻ると、もう一度スキャンする必要があります。</translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation>iCloud バックアップからデータをダウンロードしています。今すぐ停止しますか？停止すると、データをすべてダウンロードすることはできません。</translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation>停止してもよろしいですか？停止すると、一部のデータはスキャンできません。</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation>データをスキャンしています。プログラムを終了してもよろしいですか？</translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation>スキャンが完了しました。終了してもよろしいですか？終了すると、スキャン結果は保存されません。</translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation>デバイス（&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;）の接続が切れたため、スキャンが中断されました。スキャンできたデータを解析して表示します。</translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation>デバイス（&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;）の接続が切れました。一部の種類のデータは復元できません。</translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation>復元するデータを選択してください。</translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation>空き容量が不足しているため、データをエクスポートできませんでした。ディスクに 100MB 以上の空き容量があることを確認してください。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n 件のデータをダウンロードしました。できるだけ早くデータを復元してください。&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;注意：必要なデータが見つからない場合は、前の画面に戻ってもう一度ダウンロードしてください。&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n 件のデータのスキャンが完了しました。できるだけ早くデータを復元してください。&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;注意：削除されたデータは、デバイスを使い続けるうちに上書きされやすいため、スキャンのたびに結果が変わることがあります。削除されたデータが見つかった場合は、できるだけ早く復元することをお勧めします。&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s Messages</source>
        <translation>%1 のメッセージ</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>a contact&apos;s note</comment>
        <translation>メモ</translation>
    </message>
    <message>
        <source>(%1s)</source>
        <extracomment>Seconds left before a new code can be asked for, after the link&apos;s text.</extracomment>
        <translation>（%1 秒）</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation>Apple Watch の電話番号</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>自宅の電話番号</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>自宅の FAX 番号</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>メインの電話番号</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>携帯電話番号</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>ポケベル番号</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>学校の電話番号</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>勤務先の電話番号</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>勤務先の FAX 番号</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>iPhone の電話番号</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>自宅のメール</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>学校のメール</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>勤務先のメール</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>iCloud のメール</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>自宅の URL</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>学校の URL</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>勤務先の URL</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>自宅の住所</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>学校の住所</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>勤務先の住所</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>記念日</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>誕生日</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>誕生日（旧暦）</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>兄弟</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>同僚</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>娘</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>兄</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>姉</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>父</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>友人</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>夫</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>母</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>パートナー</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>姉妹</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>息子</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>上司</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>妻</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>弟</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>妹</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation>LinkedIn</translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation>Myspace</translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation>Sina Weibo</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>AIM</source>
        <translation>AIM</translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation>Facebook Messenger</translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation>Gadu-Gadu</translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation>Google Talk</translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation>ICQ</translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation>Jabber</translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation>MSN Messenger</translation>
    </message>
    <message>
        <source>QQ</source>
        <translation>QQ</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation>Yahoo! Messenger</translation>
    </message>
    <message>
        <source>Other Number</source>
        <translation>その他の電話番号</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>その他のメール</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>その他の URL</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>その他の住所</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>その他の日付</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>その他の関係</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>その他のソーシャルプロフィール</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>その他のインスタントメッセージ</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>添付ファイル</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>通話の種類</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>通話時間</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>作成日</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>通知日時</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>ミドルネーム</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>会社</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部署</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>役職</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>ニックネーム</translation>
    </message>
</context>
<context>
    <name>RecoverNoticeDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RecoverPathunreadabilityDialog</name>
    <message>
        <source>If you wan to change the file export path, go to &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Settings&lt;/a&gt;.</source>
        <translation>エクスポート先を変更するには、&lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;設定&lt;/a&gt;を開いてください。</translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation>データをエクスポートしています</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation>データをエクスポートしています %1 %2 %3</translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation>データをエクスポートしています。停止してもよろしいですか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation>復元できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation>%1 件のデータを復元しましたが、%2 件のデータは復元できませんでした。
デバイスの接続を安定させて、しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation>%1 件のデータを復元しましたが、%2 件のデータは復元できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation>
            <numerusform>%n 件のデータを復元しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation>Safari 履歴</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari ブックマーク</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>mailName</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>電話番号</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation>ボイスメモ</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>ボイスメール</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>添付ファイル</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>作成日</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>通知日時</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>優先順位</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
</context>
</TS>
