#include "taskbarprogress.h"

#include <QtGlobal>

TaskbarProgress::TaskbarProgress(QObject *parent)
    : QObject(parent)
{
}

void TaskbarProgress::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = qMax(minimum, maximum);
    setValue(m_value);
}

int TaskbarProgress::minimum() const
{
    return m_minimum;
}

int TaskbarProgress::maximum() const
{
    return m_maximum;
}

void TaskbarProgress::setValue(int value)
{
    const int clamped = qBound(m_minimum, value, m_maximum);
    if (clamped == m_value)
        return;
    m_value = clamped;
    emit valueChanged(clamped);
}

int TaskbarProgress::value() const
{
    return m_value;
}

void TaskbarProgress::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    emit visibilityChanged(visible);
}

bool TaskbarProgress::isVisible() const
{
    return m_visible;
}
