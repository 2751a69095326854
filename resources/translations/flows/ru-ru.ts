<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>Загрузка и анализ данных iCloud занимают некоторое время. Длительность сканирования зависит от размера резервной копии iCloud. Пожалуйста, подождите!</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Во время сканирования не отключайте устройство. Длительность сканирования зависит от объёма данных на устройстве. Чем больше данных, тем дольше. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>Длительность сканирования зависит от объёма ваших данных. Если данных много, сканирование займёт много времени. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Примечание: если нужные данные не найдены, попробуйте другие функции или выберите для сканирования другие типы данных.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Примечание: если нужные данные не найдены, воспользуйтесь функцией «Восстановить данные из резервной копии iTunes» или вернитесь и выберите другие типы данных для повторного сканирования.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>Данные не найдены!</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Устройство находится в нештатном состоянии, сначала исправьте его...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Примечание: устройство обнаружено в нештатном состоянии. Сначала лучше воспользоваться &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;средством восстановления системы iOS&lt;/a&gt;, чтобы вернуть устройство в нормальное состояние.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Подключите устройство iOS к компьютеру</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. Убедитесь, что устройство разблокировано.</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. Для сканирования подключите только одно устройство.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Устройство подключено, но не распознано?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>Устройство не обнаружено? Выполните шаги ниже и попробуйте снова.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Анализ окружения устройства</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>Резервное копирование данных устройства iOS %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>Расшифровка данных %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>Произошла ошибка, анализ устройства не удался. Попробуйте ещё раз!</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Устройство: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Не удаётся прочитать устройство. Разблокируйте его, нажмите «Доверять», если оно спросит, и попробуйте снова.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Недостаточно места! Убедитесь, что на устройстве свободно более 200 МБ, и попробуйте снова.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Согласно политике конфиденциальности Apple, в iOS 13 и новее для сканирования журнала вызовов, FaceTime и истории Safari нужны зашифрованные резервные копии. Программа установит пароль резервной копии &lt;font color=&quot;#558AF8&quot;;&gt;%1 (запомните этот пароль)&lt;/font&gt;. Это займёт много времени. Продолжить?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation>Недостаточно места на диске, чтобы расшифровать всю резервную копию. Продолжить?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>Произошла ошибка(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Посмотреть решения&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Нажмите «Доверять» на устройстве iOS.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Введите код-пароль на устройстве iOS.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Примечание: если запрос доверия не появился, переподключите устройство.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Доверьтесь этому компьютеру на устройстве %1(%2).</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>Анализ устройства</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>Чтобы продолжить, введите код-пароль на устройстве iOS.</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. Разблокируйте устройство и попробуйте снова.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Переподключите устройство и убедитесь, что соединение надёжно. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Перезапустите устройство и программу, затем снова подключите устройство.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. Ничего не помогло? Попробуйте исправить устройство с помощью &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;средства восстановления системы iOS&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Начать сканирование</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>Устройство отключено, подключите его снова.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>Идёт резервное копирование. Вы действительно хотите выйти из программы?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; подключено! Выберите типы данных для восстановления.</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Видео в альбоме</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Голосовая почта</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Календари</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Диктофон</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Закладки Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>История Safari</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Журнал вызовов</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>Фото приложений</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>Видео приложений</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>Аудио приложений</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>Документы приложений</translation>
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
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Системные данные</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Данные сторонних приложений</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>Идёт анализ устройства iOS, это займёт некоторое время....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>Резервная копия iTunes зашифрована, введите пароль.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Расшифровать</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Забыли пароль резервной копии iTunes?</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>Проверка пароля, подождите...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Неверный пароль</translation>
    </message>
</context>
</TS>
