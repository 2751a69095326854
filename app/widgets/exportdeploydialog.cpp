#include "exportdeploydialog.h"

#include "settingsentry.h"
#include "xmessagebox.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

class ExportDeployDialogPrivate
{
public:
    QLineEdit *path = nullptr;
    QPushButton *change = nullptr;
    QPushButton *save = nullptr;
};

ExportDeployDialog::ExportDeployDialog(QWidget *parent)
    : FDialog(parent)
    , d(new ExportDeployDialogPrivate)
{
    setFixedSize(680, 300);

    auto *label = new QLabel(QObject::tr("Change data export path"), m_contentWidget);
    label->setStyleSheet(QStringLiteral("font-size:16px;color: #666666;"));
    d->path = new QLineEdit(m_contentWidget);
    d->path->setFixedHeight(40);
    d->path->setReadOnly(true);
    d->path->setAccessibleName(QObject::tr("Change data export path"));
    label->setBuddy(d->path);
    d->change = new QPushButton(QObject::tr("Change"), m_contentWidget);
    // Outlined beside the blue "Save", as the other dialogs' second buttons.
    d->change->setObjectName(QStringLiteral("SecondaryButton"));
    d->change->setFixedSize(94, 40);
    d->save = new QPushButton(QObject::tr("Save"), m_contentWidget);
    d->save->setObjectName(QStringLiteral("FPushButton"));
    d->save->setFixedSize(140, 40);

    auto *pathRow = new QHBoxLayout;
    pathRow->setSpacing(0);
    pathRow->addWidget(d->path);
    pathRow->addSpacing(10);
    pathRow->addWidget(d->change);
    auto *saveRow = new QHBoxLayout;
    saveRow->addStretch();
    saveRow->addWidget(d->save);
    saveRow->addStretch();
    auto *layout = new QVBoxLayout(m_contentWidget);
    layout->setSpacing(0);
    layout->setContentsMargins(40, 30, 42, 40);
    layout->addStretch();
    layout->addWidget(label);
    layout->addSpacing(10);
    layout->addLayout(pathRow);
    layout->addSpacing(58);
    layout->addLayout(saveRow);

    SettingsEntry *settings = SettingsEntry::instance();
    d->path->setText(
        settings->value(SettingsKey::RecoverPath, SettingsEntry::UserScope, settings->desktopPath()).toString());

    connect(d->change, &QPushButton::clicked, this, &ExportDeployDialog::browse);
    connect(d->save, &QPushButton::clicked, this, &ExportDeployDialog::save);
}

ExportDeployDialog::~ExportDeployDialog() = default;

QString ExportDeployDialog::path() const
{
    return d->path->text();
}

void ExportDeployDialog::browse()
{
    const QString folder = QFileDialog::getExistingDirectory(nullptr, QString(), QString(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        d->path->setText(folder);
}

void ExportDeployDialog::save()
{
    const QString folder = d->path->text();
    // A relative or empty path would name the working folder, which nobody chose.
    if (!QDir::isAbsolutePath(folder) || (!QDir(folder).exists() && !QDir().mkpath(folder))) {
        XMessageBox::information(this, QString(), QObject::tr("The path is invalid, please choose again."),
                                 {QObject::tr("OK")}, 1);
        return;
    }
    SettingsEntry::instance()->setValue(SettingsKey::RecoverPath, folder, SettingsEntry::UserScope);
    done(0);
}
