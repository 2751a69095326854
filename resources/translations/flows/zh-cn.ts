<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>下载并分析 iCloud 数据需要一段时间。扫描时间取决于 iCloud 备份的数据大小，请耐心等待！</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>扫描过程中请保持设备连接稳定。扫描时间取决于设备的数据大小，数据越多，耗时越长。请稍候。</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>扫描时间取决于您的数据大小。如果数据很多，扫描需要较长时间，请耐心等待。</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>注意：如果找不到需要的数据，请尝试其他功能，或选择其他类型的数据进行扫描。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>注意：如果没有找到想要的数据，请使用“从 iTunes 备份恢复数据”，或返回选择其他数据类型重新扫描。</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>未找到数据！</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>检测到您的设备处于异常状态，请先修复...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>注意：检测到您的设备处于异常状态。建议先使用 &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS 系统修复工具&lt;/a&gt; 将设备修复到正常状态。</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>请将您的 iOS 设备连接到电脑</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>注意：</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. 请确保设备已解锁。</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. 请只连接一台设备进行扫描。</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;设备已连接但无法识别？</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>未检测到设备？请按以下步骤重试。</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>分析设备环境</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>备份 iOS 设备数据 %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>解密数据 %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>遇到错误，设备分析失败。请重试！</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>设备：&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>无法读取您的设备。请解锁设备，如有提示请点击“信任”，然后重试。</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>空间不足！请确保设备上有超过 200MB 的可用空间，然后重试。</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>根据 Apple 的隐私政策，iOS 13 及以上版本需要加密备份才能扫描通话记录、FaceTime 和 Safari 历史记录。程序将把备份密码设置为 &lt;font color=&quot;#558AF8&quot;;&gt;%1（请记住此密码）&lt;/font&gt;。这需要较长时间，确定继续吗？</translation>
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
        <translation>磁盘空间不足，无法解密全部备份。是否继续？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>抱歉，发生错误(%1)。&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;查看解决方法&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. 请在 iOS 设备上点击“信任”。</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. 请在 iOS 设备上输入密码。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>注意：如果没有看到信任提示，请重新插拔设备。</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>请在 %1(%2) 设备上信任此电脑。</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>正在分析您的设备</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>请在 iOS 设备上输入密码以继续。</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. 解锁设备后重试。</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. 重新插拔设备，并确保连接可靠。 </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. 重启设备和程序，然后重新连接设备。</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. 以上方法都无效？请尝试使用 &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS 系统修复工具&lt;/a&gt; 修复设备。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>开始扫描</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>设备已断开，请重新连接。</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>正在备份数据，确定要退出程序吗？</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; 已连接！请选择要恢复的数据类型。</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>相簿视频</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>通讯录</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>语音信箱</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备忘录</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>提醒事项</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>日历</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>语音备忘录</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari 书签</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari 历史记录</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通话记录</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>应用照片</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>应用视频</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>应用音频</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>应用文档</translation>
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
        <translation>全选</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>系统数据</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>第三方应用数据</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>正在分析您的 iOS 设备，需要一些时间....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>检测到您的 iTunes 备份已加密，请输入密码。</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>输入密码</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>解密</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;忘记 iTunes 备份密码？</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>正在验证密码，请稍候...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>密码错误</translation>
    </message>
</context>
</TS>
