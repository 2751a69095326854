#pragma once

#include <QLineEdit>

// A line edit with the kit's thin grey border.
class XLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit XLineEdit(QWidget *parent = nullptr);
};
