<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
