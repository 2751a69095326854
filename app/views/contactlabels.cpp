#include "contactlabels.h"

#include <QCoreApplication>
#include <QMap>
#include <QRegularExpression>
#include <QVector>

namespace ContactLabels {

namespace {

struct Table
{
    const char *fallback;
    QMap<QString, const char *> keys; // ascending order
};

const char *const Context = "ContactView";

const QVector<Table> &tables()
{
    static const QVector<Table> all{
        {QT_TRANSLATE_NOOP("ContactView", "Other Number"),
         {{"_$!<Mobile>!$_", QT_TRANSLATE_NOOP("ContactView", "Mobile Number")},
          {"_$!<Home>!$_", QT_TRANSLATE_NOOP("ContactView", "Home Number")},
          {"_$!<Work>!$_", QT_TRANSLATE_NOOP("ContactView", "Work Number")},
          {"_$!<School>!$_", QT_TRANSLATE_NOOP("ContactView", "School Number")},
          {"_$!<iPhone>!$_", QT_TRANSLATE_NOOP("ContactView", "iPhone Number")},
          {"iPhone", QT_TRANSLATE_NOOP("ContactView", "iPhone Number")},
          {"_$!<Apple Watch>!$_", QT_TRANSLATE_NOOP("ContactView", "Apple Watch number")},
          {"Apple Watch", QT_TRANSLATE_NOOP("ContactView", "Apple Watch number")},
          {"_$!<Main>!$_", QT_TRANSLATE_NOOP("ContactView", "Main Number")},
          {"_$!<HomeFax>!$_", QT_TRANSLATE_NOOP("ContactView", "Home Fax Number")},
          {"_$!<WorkFax>!$_", QT_TRANSLATE_NOOP("ContactView", "Work Fax Number")},
          {"_$!<Pager>!$_", QT_TRANSLATE_NOOP("ContactView", "Pager Number")}}},
        {QT_TRANSLATE_NOOP("ContactView", "Other Email"),
         {{"_$!<Home>!$_", QT_TRANSLATE_NOOP("ContactView", "Home Email")},
          {"_$!<Work>!$_", QT_TRANSLATE_NOOP("ContactView", "Work Email")},
          {"_$!<School>!$_", QT_TRANSLATE_NOOP("ContactView", "School Email")},
          {"_$!<iCloud>!$_", QT_TRANSLATE_NOOP("ContactView", "iCloud Email")}}},
        {QT_TRANSLATE_NOOP("ContactView", "Other URL"),
         {{"_$!<Homepage>!$_", QT_TRANSLATE_NOOP("ContactView", "Homepage")},
          {"_$!<Home>!$_", QT_TRANSLATE_NOOP("ContactView", "Home URL")},
          {"_$!<Work>!$_", QT_TRANSLATE_NOOP("ContactView", "Work URL")},
          {"_$!<School>!$_", QT_TRANSLATE_NOOP("ContactView", "School URL")}}},
        {QT_TRANSLATE_NOOP("ContactView", "Other Address"),
         {{"_$!<Home>!$_", QT_TRANSLATE_NOOP("ContactView", "Home Address")},
          {"_$!<Work>!$_", QT_TRANSLATE_NOOP("ContactView", "Work Address")},
          {"_$!<School>!$_", QT_TRANSLATE_NOOP("ContactView", "School Address")}}},
        {QT_TRANSLATE_NOOP("ContactView", "Other dates"),
         {{"_$!<Birthday>!$_", QT_TRANSLATE_NOOP("ContactView", "Birthday")},
          {"_$!<Chinese>!$_", QT_TRANSLATE_NOOP("ContactView", "Chinese Birthdays")},
          {"_$!<Anniversary>!$_", QT_TRANSLATE_NOOP("ContactView", "Anniversary")}}},
        {QT_TRANSLATE_NOOP("ContactView", "Other relationships"),
         {{"_$!<Father>!$_", QT_TRANSLATE_NOOP("ContactView", "Father")},
          {"_$!<Mother>!$_", QT_TRANSLATE_NOOP("ContactView", "Mother")},
          {"_$!<Brother>!$_", QT_TRANSLATE_NOOP("ContactView", "Brother")},
          {"_$!<Sister>!$_", QT_TRANSLATE_NOOP("ContactView", "Sister")},
          {"_$!<ElderBrother>!$_", QT_TRANSLATE_NOOP("ContactView", "Elder Brother")},
          {"_$!<ElderSister>!$_", QT_TRANSLATE_NOOP("ContactView", "Elder Sister")},
          {"_$!<YoungerBrother>!$_", QT_TRANSLATE_NOOP("ContactView", "Younger Brother")},
          {"_$!<YoungerSister>!$_", QT_TRANSLATE_NOOP("ContactView", "Younger Sister")},
          {"_$!<Husband>!$_", QT_TRANSLATE_NOOP("ContactView", "Husband")},
          {"_$!<Wife>!$_", QT_TRANSLATE_NOOP("ContactView", "Wife")},
          {"_$!<Partner>!$_", QT_TRANSLATE_NOOP("ContactView", "Partner")},
          {"_$!<Son>!$_", QT_TRANSLATE_NOOP("ContactView", "Son")},
          {"_$!<Daughter>!$_", QT_TRANSLATE_NOOP("ContactView", "Daughter")},
          {"_$!<Friend>!$_", QT_TRANSLATE_NOOP("ContactView", "Friend")},
          {"_$!<Supervisor>!$_", QT_TRANSLATE_NOOP("ContactView", "Supervisor")},
          {"_$!<Colleague>!$_", QT_TRANSLATE_NOOP("ContactView", "Co-worker")}}},
        {QT_TRANSLATE_NOOP("ContactView", "Other social profile"),
         {{"_$!<Twitter>!$_", QT_TRANSLATE_NOOP("ContactView", "Twitter")},
          {"Twitter", QT_TRANSLATE_NOOP("ContactView", "Twitter")},
          {"_$!<Facebook>!$_", QT_TRANSLATE_NOOP("ContactView", "Facebook")},
          {"Facebook", QT_TRANSLATE_NOOP("ContactView", "Facebook")},
          {"_$!<Flickr>!$_", QT_TRANSLATE_NOOP("ContactView", "Flickr")},
          {"Flickr", QT_TRANSLATE_NOOP("ContactView", "Flickr")},
          {"_$!<LinkedIn>!$_", QT_TRANSLATE_NOOP("ContactView", "LinkedIn")},
          {"LinkedIn", QT_TRANSLATE_NOOP("ContactView", "LinkedIn")},
          {"_$!<Myspace>!$_", QT_TRANSLATE_NOOP("ContactView", "Myspace")},
          {"Myspace", QT_TRANSLATE_NOOP("ContactView", "Myspace")},
          {"_$!<SinaWeibo>!$_", QT_TRANSLATE_NOOP("ContactView", "Sina Weibo")},
          {"SinaWeibo", QT_TRANSLATE_NOOP("ContactView", "Sina Weibo")}}},
        {QT_TRANSLATE_NOOP("ContactView", "Other instant message"),
         {{"_$!<Skype>!$_", QT_TRANSLATE_NOOP("ContactView", "Skype")},
          {"_$!<MSN>!$_", QT_TRANSLATE_NOOP("ContactView", "MSN Messenger")},
          {"_$!<GoogleTalk>!$_", QT_TRANSLATE_NOOP("ContactView", "Google Talk")},
          {"_$!<Facebook>!$_", QT_TRANSLATE_NOOP("ContactView", "Facebook Messenger")},
          {"_$!<AIM>!$_", QT_TRANSLATE_NOOP("ContactView", "AIM")},
          {"_$!<Yahoo>!$_", QT_TRANSLATE_NOOP("ContactView", "Yahoo! Messenger")},
          {"_$!<ICQ>!$_", QT_TRANSLATE_NOOP("ContactView", "ICQ")},
          {"_$!<Jabber>!$_", QT_TRANSLATE_NOOP("ContactView", "Jabber")},
          {"_$!<QQ>!$_", QT_TRANSLATE_NOOP("ContactView", "QQ")},
          {"_$!<GaduGadu>!$_", QT_TRANSLATE_NOOP("ContactView", "Gadu-Gadu")}}},
    };
    return all;
}

} // namespace

QString text(List list, const QString &label)
{
    const Table &table = tables().at(list);
    for (auto key = table.keys.cbegin(); key != table.keys.cend(); ++key) {
        if (label.startsWith(key.key(), Qt::CaseInsensitive))
            return QCoreApplication::translate(Context, key.value());
    }
    static const QRegularExpression marker(QRegularExpression::anchoredPattern(QStringLiteral("_\\$!<(.*)>!\\$_")));
    const QRegularExpressionMatch match = marker.match(label);
    const QString own = match.hasMatch() ? match.captured(1) : label;
    return own.isEmpty() ? QCoreApplication::translate(Context, table.fallback) : own;
}

} // namespace ContactLabels
