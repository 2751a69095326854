#include "languagetable.h"

namespace LanguageTable
{
    Language language(int id)
    {
        static const char *const files[] = {"en-us", "it-it", "ru-ru", "de-de", "fr-fr", "es-es",
                                            "pt-pt", "ja-ja", "zh-cn", "zh-tw", "mic-remix", "cal-remix"};
        const bool known = id >= English && id <= CalibriRemix;
        const QString file = QStringLiteral(":/translations/%1.qm").arg(QLatin1String(files[known ? id - English : 0]));
        if (id >= Japanese && id <= YaheiRemix)
            return {file, QStringLiteral("Microsoft Yahei"), 9};
        return {file, QStringLiteral("Calibri"), 11};
    }
}
