#pragma once

#include <QCheckBox>

// The type selection's group boxes ("Select ALL", "System Data",
// "Third-party App Data"). Their pages act on clicked(), so assistive tools
// get a Toggle that clicks (the kit's interface, see initFlows()).
class TypeSelectCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit TypeSelectCheckBox(QWidget *parent = nullptr);
};
