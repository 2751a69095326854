#include "iosnotrecognizedfrm.h"

#include "analyticstracker.h"
#include "fileutils.h"
#include "flowlinklabel.h"
#include "flowlinks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

IOSNotrecognizedFrm::IOSNotrecognizedFrm(QWidget *parent)
    : QWidget(parent)
{
    trackEvent("RecoverfromiOSDevice", "DeviceConnection", "Click_ConnectedNotRecognized");
    const QStringList texts {
        QObject::tr("1. Unlock the device and try again."),
        QObject::tr("2. Re-plug your device and make sure the connection is reliable. "),
        QObject::tr("3. Restart your device and program then reconnect your device."),
        QObject::tr("4. All methods failed? Please try to fix your device with the <a style = "
                    "'color:#558AF8;font-size:16px;text-decoration: none;'href=\"#\">iOS System Repair Tool</a>.")};
    auto *row = new QHBoxLayout(this);
    row->setSpacing(20);
    for (int i = 0; i < texts.size(); ++i) {
        auto *image = new QLabel(this);
        image->setFixedSize(160, 160);
        image->setScaledContents(true);
        image->setPixmap(QPixmap(QStringLiteral(":/Images/Connect/ios%1.png").arg(i + 1)));
        const bool last = i == texts.size() - 1;
        QLabel *text = last ? new FlowLinkLabel(this) : new QLabel(texts.at(i), this);
        text->setWordWrap(true);
        // Room for four lines at this width: a wrapped label in a row of
        // columns is otherwise given the height of its one-line hint.
        text->setFixedSize(176, 104);
        text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        text->setStyleSheet(text->styleSheet()
                            + QStringLiteral("QLabel{font-size:16px;color: #333333;}"));
        if (last) {
            static_cast<FlowLinkLabel *>(text)->setLinkText(texts.at(i));
            connect(text, &QLabel::linkActivated, this, [] {
                trackEvent("RecoverfromiOSDevice", "DeviceConnection", "Click_iOSsysRepairTool");
                openUrl(FlowLinks::systemRepairPage());
            });
        }
        auto *step = new QVBoxLayout;
        step->setSpacing(12);
        step->addWidget(image, 0, Qt::AlignHCenter);
        step->addWidget(text, 0, Qt::AlignHCenter);
        step->addStretch();
        row->addLayout(step);
    }
}
