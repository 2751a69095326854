#pragma once

#include <QWidget>

class FlowLinkLabel;

// The device module's page for a phone in Recovery or DFU mode, pointing to
// the maker's system-repair tool.
class DevicEexceptionFrm : public QWidget
{
    Q_OBJECT

public:
    explicit DevicEexceptionFrm(QWidget *parent = nullptr);

    void refreshTexts();

private:
    FlowLinkLabel *m_note = nullptr;
};
