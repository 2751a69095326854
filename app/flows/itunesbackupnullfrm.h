#pragma once

#include <QWidget>

// What the backup list shows when no backup was found: a picture and
// "Sorry, your iTunes backup file was not found.". Hidden at construction;
// the list page shows, hides and places it.
class iTunesBackupNullFrm : public QWidget
{
    Q_OBJECT

public:
    explicit iTunesBackupNullFrm(QWidget *parent = nullptr);
};
