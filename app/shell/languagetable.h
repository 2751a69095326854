#pragma once

#include <QString>

// The language ids of the menu (5 to 16, the stored ones 5 to 15) with
// their translation file and application font. Pure.
namespace LanguageTable
{
    struct Language
    {
        QString translationFile;
        QString fontFamily;
        int pointSize = 11;
    };

    constexpr int English = 5;
    constexpr int German = 8;
    constexpr int Japanese = 12;
    constexpr int YaheiRemix = 15;
    constexpr int CalibriRemix = 16; // for this run only, never stored

    // An id outside the table gives the English file and Calibri.
    Language language(int id);
}
