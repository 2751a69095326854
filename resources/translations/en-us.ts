<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Starts</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Reminder Date</translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation>Calendars</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Reminders</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation>Check all rows</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation>Other Number</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Mobile Number</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Home Number</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Work Number</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>School Number</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>iPhone Number</translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation>Apple Watch number</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Main Number</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Home Fax Number</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Work Fax Number</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Pager Number</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Other Email</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>Home Email</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>Work Email</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>School Email</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>iCloud Email</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Other URL</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>Home URL</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>Work URL</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>School URL</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Other Address</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Home Address</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Work Address</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>School Address</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Other dates</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Birthday</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Chinese Birthdays</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversary</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Other relationships</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Father</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Mother</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Brother</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Sister</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Elder Brother</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Elder Sister</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Younger Brother</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Younger Sister</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Husband</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Wife</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Daughter</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Friend</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Supervisor</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Co-worker</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Other social profile</translation>
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
        <translation>Other instant message</translation>
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
        <translation>%1:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Birthday:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes:</translation>
    </message>
</context>
<context>
    <name>DeviceParser</name>
    <message>
        <source>You</source>
        <translation>You</translation>
    </message>
    <message>
        <source>you</source>
        <translation>you</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation>
            <numerusform>%1 and %n other contact</numerusform>
            <numerusform>%1 and %n other contacts</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Title of a starred WhatsApp message: who sent it, then the chat or person it went to.</extracomment>
        <translation>%1 to %2</translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation>App Audios</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>App Documents</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation>Audios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Phone Number</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Call Type</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Incoming Call</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Outgoing Call</translation>
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
        <translation>Call History</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation>Last 7 Days</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Last Month</translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation>Last three Months</translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation>Last Six Months</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Last Year</translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation>Custom Range</translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation>Select Time</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>days</source>
        <translation>days</translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation>From (days)</translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation>To (days)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
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
        <translation>Video call</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>Voice call</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Group video started.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Group voice started.</translation>
    </message>
</context>
<context>
    <name>MediaTableView</name>
    <message>
        <source>Messages Attachment</source>
        <translation>Messages Attachment</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Video in album</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Notes Attachment</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Calendars Attachment</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Reminders Attachment</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>App Photos</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>App Videos</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation>This note is locked!</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Attachments</translation>
    </message>
</context>
<context>
    <name>NavigationItemDelegate</name>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Messages Attachment</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Voicemails</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Voice Memos</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Video in album</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari Bookmarks</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari History</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Notes Attachment</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Call History</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendars</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Calendars Attachment</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Reminders</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Reminders Attachment</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>App Photos</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>App Videos</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>App Audios</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>App Documents</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation>WhatsApp Attachment</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>LINE Attachment</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>System Data</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Third-party App Data</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation>Select ALL</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categories</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>Recover Your Data from iOS Device Completely</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>Recover Data from iOS Device</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Recover Data from iTunes Backup</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Support to scan and preview data from iTunes backup.</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>Recover Data from iCloud Backup</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>Support to recover data that synced to iCloud.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Open Log Folder</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don&apos;t open iTunes while the program is running, or the recovery will fail.</source>
        <translation>Don&apos;t open iTunes while the program is running, or the recovery will fail.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Please export the data locally for viewing.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow. All rights reserved.</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>Show All (%1)</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>Show Existing (%1)</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>Show Deleted (%1)</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Check box above a list of records that ticks every record shown.</extracomment>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Spoken name and tool tip of the funnel button that opens the date filter.</extracomment>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>Tab %1</source>
        <translation>Tab %1</translation>
    </message>
    <message>
        <source>Change data export path</source>
        <translation>Change data export path</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>The path is invalid, please choose again.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <extracomment>Spoken for the lock of a password-protected backup in the list of backups.</extracomment>
        <translation>Encrypted</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>What&apos;s New</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Remind Me Later</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Upgrade Now</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Waiting for checking...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Current version is up to date.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>A new version is available!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version: %1 | Size: %2 | Release Date: %3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>Fetch update info failed. Please try again later..</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>No data found!</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Your device is detected in an abnormal state, please fix it first...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Please connect your iOS device to PC</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. Make sure your device is unlocked.</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. Make sure connect one device to scan.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>No device detected? Please follow the steps below to try again.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Analyze device environment</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>Back up iOS device data %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>Decrypt data %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>An error was encountered and the analysis device failed. Please try again!</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation>There is not enough disk space to decrypt all backup. Do you want to continue?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Please tap &quot;Trust&quot; on your iOS device.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Please enter your passcode on iOS device.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Note: If you don&apos;t see the trust prompt, please re-plug your device.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Please trust this computer on %1(%2) device.</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>Analysing Your Device</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>Please enter passcode on your iOS device to continue.</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. Unlock the device and try again.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Re-plug your device and make sure the connection is reliable. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Restart your device and program then reconnect your device.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button that leaves the scan results for the previous page; about 12 characters fit.</extracomment>
        <translation>Back</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <extracomment>Button that starts reading the chosen categories from the device or backup; about 14 characters fit.</extracomment>
        <translation>Start Scan</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>Your device is disconnected, please reconnect.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>Backing up data, are you sure you want to exit the program?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</translation>
    </message>
    <message>
        <source>Photos</source>
        <extracomment>Category of pictures; also a tab of chat attachments and the name of an exported folder.</extracomment>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Video in album</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Voicemails</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Reminders</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendars</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Voice Memos</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari Bookmarks</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari History</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Call History</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>App Photos</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>App Videos</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>App Audios</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>App Documents</translation>
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
        <translation>Select ALL</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>System Data</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Third-party App Data</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>Analyzing your iOS device, it will take some time....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>It detected your iTunes backup is encrypted, please enter your password.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Enter password</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Decrypt</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>Verifying password, please wait...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>Conversations</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Videos]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Audios]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Photos]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[Attachment]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>To: </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Unsent</source>
        <extracomment>State of a chat message that never left the phone, shown beside it in the exported page.</extracomment>
        <translation>Unsent</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Audios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Individual message</source>
        <translation>Individual message</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Group message</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>Starred message</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>LINE Keep types</translation>
    </message>
    <message>
        <source>Texts</source>
        <extracomment>Kinds of LINE Keep items, as tabs above the list: texts, photos, videos, files, links, other.</extracomment>
        <translation>Texts</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Failed to send</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Quote:</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>Read more</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>Contact Card</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>Before restoring data, please download the file first!</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>This file has expired!</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>This message has been deleted!</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Unsupported data type!</translation>
    </message>
    <message>
        <source>You</source>
        <translation>You</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Voice]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Voice Call]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Contact Card]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Location]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Documents]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[Sticker]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[Emojis]</translation>
    </message>
    <message>
        <source>&apos;s LINE Chat</source>
        <translation>&apos;s LINE Chat</translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation>Single Messages</translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation>&apos;s Single Messages</translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation>Group Messages</translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation>&apos;s Group Messages</translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation>&apos;s LINE Keep</translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation>&apos;s WhatsApp Chat</translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation>Starred Messages</translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation>&apos;s Starred Messages</translation>
    </message>
    <message>
        <source>You created group</source>
        <translation>You created group</translation>
    </message>
    <message>
        <source>careated group</source>
        <translation>created group</translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation>You changed this group&apos;s icon</translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation>changed this group&apos;s icon</translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation>You changed the subject from</translation>
    </message>
    <message>
        <source> to </source>
        <translation> to </translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation>changed the subject from</translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation>You joined using this group&apos;s invite link</translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation>joined using this group&apos;s invite link</translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation>You changed the group description</translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation>changed the group description</translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation>turned off disappearing messages</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation>changed this group&apos;s settings to allow only admins to edit this group&apos;s info</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation>changed this group&apos;s settings to allow only admins to send messages to this group</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</translation>
    </message>
    <message>
        <source>You were added</source>
        <translation>You were added</translation>
    </message>
    <message>
        <source>You was added</source>
        <translation>You were added</translation>
    </message>
    <message>
        <source>was added</source>
        <translation>was added</translation>
    </message>
    <message>
        <source>were added</source>
        <translation>were added</translation>
    </message>
    <message>
        <source> added you</source>
        <translation> added you</translation>
    </message>
    <message>
        <source> added You</source>
        <translation> added You</translation>
    </message>
    <message>
        <source>You added </source>
        <translation>You added </translation>
    </message>
    <message>
        <source> added </source>
        <translation> added </translation>
    </message>
    <message>
        <source>You removed </source>
        <translation>You removed </translation>
    </message>
    <message>
        <source> removed </source>
        <translation> removed </translation>
    </message>
    <message>
        <source>You left</source>
        <translation>You left</translation>
    </message>
    <message>
        <source> left</source>
        <translation> left</translation>
    </message>
    <message>
        <source> has joined</source>
        <translation> has joined</translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation>has been changed to</translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation>You started a call</translation>
    </message>
    <message>
        <source>started a call</source>
        <translation>started a call</translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation>You started a video call</translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation>started a video call</translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation>You blocked this contact</translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation>You unblocked this contact</translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation>You’re now an admin</translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation>became an admin</translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation>You’re no longer an admin</translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation>became a non-admin</translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation>You created a broadcast list</translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation>created a broadcast list</translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation>You created a broadcast list with</translation>
    </message>
    <message>
        <source> recipients</source>
        <translation> recipients</translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation>created a broadcast list with</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation>changed this group&apos;s settings to allow all participants to send messages to this group</translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation>Group call ended</translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation>Voice call ended</translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Outgoing Call</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Incoming Call</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Priority of a reminder (High, Middle, Low, None).</extracomment>
        <translation>High</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>State of a reminder in its detail row and the exported reminders.</extracomment>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Unfinished</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Middle name</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Birthday</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Job Title</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Nickname</translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation>Getting iTunes backup list....</translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation>Decrypting iTunes backup....</translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation>Note: This will take some time, please be patient.</translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation>You are decrypting your iTunes backup, do you want to cancel?</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Show password</translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation>Please select the data type you need to recover.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Device Name</translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation>Backup Time</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Device Model</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation>iTunes backups</translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation>There is no iTunes backup file in this folder, please select another backup.</translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation>Sorry, the backup could not be decrypted. Please try again.</translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation>Sorry, your iTunes backup file was not found.</translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation>Sign into iCloud</translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation>Apple ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation>Please check your internet connection and try again!</translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation>Your Apple ID or password is incorrect!</translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation>iCloud is not available on this platform.</translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Digit %1</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation>SMS code</translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation>Resend a code</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation>Are you sure you want to return? You will need to re-sign into iCloud after returning.</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation>Next</translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation>Please select an iTunes backup to scan.</translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation>Please select the data types you want to recover.</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Messages Attachment</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Notes Attachment</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Calendars Attachment</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Reminders Attachment</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation>WhatsApp Attachment</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>LINE Attachment</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation>Recover</translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation>Failed to download data! Please try again or sign in with another Apple ID.</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation>Are you sure you want to return? You will need to re-download the data after returning.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation>Scanning data, are you sure you want to return?</translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation>Are you sure you want to return? If you do, you need to scan data again.</translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation>Are you sure you want to stop? If you do, some of the data scanning will fail.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation>Scanning data, are you sure you want to exit the program?</translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation>Please select the data you want to recover.</translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece of data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n pieces of data have been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s Messages</source>
        <translation>%1&apos;s Messages</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>a contact&apos;s note</comment>
        <translation>Notes</translation>
    </message>
    <message>
        <source>(%1s)</source>
        <extracomment>Seconds left before a new code can be asked for, after the link&apos;s text.</extracomment>
        <translation>(%1s)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation>Apple Watch number</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Home Number</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Home Fax Number</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Main Number</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Mobile Number</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Pager Number</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>School Number</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Work Number</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Work Fax Number</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>iPhone Number</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>Home Email</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>School Email</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>Work Email</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>iCloud Email</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>Home URL</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>School URL</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>Work URL</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Home Address</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>School Address</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Work Address</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversary</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Birthday</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Chinese Birthdays</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Brother</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Co-worker</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Daughter</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Elder Brother</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Elder Sister</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Father</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Friend</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Husband</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Mother</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Sister</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Supervisor</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Wife</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Younger Brother</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Younger Sister</translation>
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
        <translation>Other Number</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Other Email</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Other URL</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Other Address</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Other dates</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Other relationships</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Other social profile</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>Other instant message</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Starts</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Ends</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Attachments</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Call Type</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Creation Date</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Reminder Date</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Middle name</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Job Title</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Nickname</translation>
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
        <translation>If you wan to change the file export path, go to &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Settings&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation>Exporting data</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation>Exporting data %1 %2 %3</translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation>Exporting data, are you sure you want to stop?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation>Recover failed! Please try again.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation>%1 data restored successful, but %2 data restored failed.</translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation>
            <numerusform>%n data restored successfully!</numerusform>
            <numerusform>%n data restored successfully!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation>Safari History</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari Bookmarks</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation>memoName</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>mailName</source>
        <translation>mailName</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation>Voice Memos</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Voicemails</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Starts</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Ends</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Attachments</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Creation Date</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Reminder Date</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>List</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
</context>
</TS>
