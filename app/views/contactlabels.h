#pragma once

#include <QString>

// The readable, translated text of a contact's labelled value: address-book
// labels arrive as "_$!<Home>!$_" and the like.
namespace ContactLabels {

// The contact's eight lists of labelled values.
enum List
{
    Phones,
    Emails,
    Urls,
    Addresses,
    Dates,
    RelatedNames,
    SocialProfiles,
    InstantMessages
};

// The list's text for the first of its keys (in ascending order) that label
// starts with, ignoring case; else the inside of a "_$!<...>!$_" label;
// else the label itself. The list's fallback ("Other Number", ...) where
// that is empty. Translated in the context "ContactView".
QString text(List list, const QString &label);

} // namespace ContactLabels
