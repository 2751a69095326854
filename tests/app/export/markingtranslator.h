#pragma once

#include <QTranslator>

// Translates every text of one context to "[source]", so a test sees which
// key was looked up and where the translation went.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const char *context) : m_context(context) {}

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char * = nullptr, int = -1) const override
    {
        if (qstrcmp(context, m_context) != 0)
            return QString();
        return QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']');
    }

private:
    const char *m_context;
};
