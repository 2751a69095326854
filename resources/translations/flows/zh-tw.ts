<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>QObject</name>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>下載並分析 iCloud 資料需要一段時間。掃描時間取決於 iCloud 備份的資料大小，請耐心等候！</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>掃描過程中請保持裝置連線穩定。掃描時間取決於裝置的資料大小，資料越多，耗時越長。請稍候。</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>掃描時間取決於您的資料大小。如果資料很多，掃描需要較長時間，請耐心等候。</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>注意：如果找不到需要的資料，請嘗試其他功能，或選擇其他類型的資料進行掃描。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>注意：如果沒有找到想要的資料，請使用「從 iTunes 備份復原資料」，或返回選擇其他資料類型重新掃描。</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>未找到資料！</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>偵測到您的裝置處於異常狀態，請先修復...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>注意：偵測到您的裝置處於異常狀態。建議先使用 &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS 系統修復工具&lt;/a&gt; 將裝置修復到正常狀態。</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>請將您的 iOS 裝置連接到電腦</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>注意：</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. 請確認裝置已解鎖。</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. 請只連接一台裝置進行掃描。</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;裝置已連接但無法辨識？</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>未偵測到裝置？請依照以下步驟重試。</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>分析裝置環境</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>備份 iOS 裝置資料 %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>解密資料 %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>發生錯誤，裝置分析失敗。請重試！</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>裝置：&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>無法讀取您的裝置。請解鎖裝置，如有提示請點選「信任」，然後重試。</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>空間不足！請確認裝置上有超過 200MB 的可用空間，然後重試。</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>根據 Apple 的隱私權政策，iOS 13 及以上版本需要加密備份才能掃描通話記錄、FaceTime 和 Safari 瀏覽記錄。程式將把備份密碼設定為 &lt;font color=&quot;#558AF8&quot;;&gt;%1（請記住此密碼）&lt;/font&gt;。這需要較長時間，確定繼續嗎？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation>磁碟空間不足，無法解密全部備份。是否繼續？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>抱歉，發生錯誤(%1)。&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;查看解決方法&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. 請在 iOS 裝置上點選「信任」。</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. 請在 iOS 裝置上輸入密碼。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>注意：如果沒有看到信任提示，請重新插拔裝置。</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>請在 %1(%2) 裝置上信任此電腦。</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>正在分析您的裝置</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>請在 iOS 裝置上輸入密碼以繼續。</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. 解鎖裝置後重試。</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. 重新插拔裝置，並確認連線可靠。 </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. 重新啟動裝置和程式，然後重新連接裝置。</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. 以上方法都無效？請嘗試使用 &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS 系統修復工具&lt;/a&gt; 修復裝置。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>開始掃描</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>裝置已中斷連線，請重新連接。</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>正在備份資料，確定要結束程式嗎？</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; 已連接！請選擇要復原的資料類型。</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>相簿影片</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>聯絡人</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>訊息</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>語音信箱</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備忘錄</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>提醒事項</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>行事曆</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>語音備忘錄</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari 書籤</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari 瀏覽記錄</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通話記錄</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>App 照片</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>App 影片</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>App 音訊</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>App 文件</translation>
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
        <translation>全選</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>系統資料</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>第三方 App 資料</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>正在分析您的 iOS 裝置，需要一些時間....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>偵測到您的 iTunes 備份已加密，請輸入密碼。</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>輸入密碼</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>解密</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;忘記 iTunes 備份密碼？</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>正在驗證密碼，請稍候...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>密碼錯誤</translation>
    </message>
</context>
</TS>
