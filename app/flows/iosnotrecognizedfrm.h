#pragma once

#include <QWidget>

// Four steps to try when a connected phone is not recognised; the last
// links to the maker's system-repair tool.
class IOSNotrecognizedFrm : public QWidget
{
    Q_OBJECT

public:
    explicit IOSNotrecognizedFrm(QWidget *parent = nullptr);
};
