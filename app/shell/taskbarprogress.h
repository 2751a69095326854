#pragma once

#include <QObject>

// The progress the main window shows for a long task. Desktops here have
// no common taskbar progress, so it is kept and told, nothing more: the
// value (clamped to the range) and whether it shows.
class TaskbarProgress : public QObject
{
    Q_OBJECT

public:
    explicit TaskbarProgress(QObject *parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const;
    int maximum() const;
    void setValue(int value);
    int value() const;
    void setVisible(bool visible);
    bool isVisible() const;

signals:
    void valueChanged(int value);
    void visibilityChanged(bool visible);

private:
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    bool m_visible = false;
};
