#include "exportdeploydialog.h"
#include "kitstyle.h"
#include "messageboxscript.h"
#include "modaldriver.h"
#include "pathdoesnotexistdialog.h"
#include "pathinvaliddialog.h"
#include "settingsentry.h"
#include "shots.h"
#include "widgetkit.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
    QLineEdit *pathEditOf(QWidget *dialog)
    {
        return dialog->findChild<QLineEdit *>();
    }

    QVariant storedPath()
    {
        return QSettings().value(SettingsKey::RecoverPath);
    }

    // Clicks "Change", whose folder chooser is a modal of its own, then runs
    // after once the chooser has returned. Queued, so that the driver answers
    // the chooser from the dialog's loop; the follow-up is not armed with the
    // driver, which could reach the dialog before the chooser's answer did.
    std::function<void(ExportDeployDialog *)> changeThen(std::function<void(ExportDeployDialog *)> after)
    {
        return [after](ExportDeployDialog *dialog) {
            QTimer::singleShot(0, dialog, [dialog, after] {
                QVERIFY(ModalDriver::clickButton(dialog, QStringLiteral("Change")));
                after(dialog);
            });
        };
    }

    // Picks folder in the folder chooser that "Change" opens.
    void chooseInChooser(const QString &folder)
    {
        ModalDriver::onNext<QFileDialog>([folder](QFileDialog *chooser) {
            // Folders only (Qt gives such a chooser its own folders-only mode).
            QVERIFY(chooser->fileMode() != QFileDialog::AnyFile);
            QVERIFY(chooser->fileMode() != QFileDialog::ExistingFile);
            QVERIFY(chooser->fileMode() != QFileDialog::ExistingFiles);
            QVERIFY(chooser->testOption(QFileDialog::ShowDirsOnly));
            chooser->setDirectory(folder);
            static_cast<QDialog *>(chooser)->accept();
        });
    }
}

class ExportPathTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;

private slots:
    void initTestCase()
    {
        initWidgetKit();
        QVERIFY(useApplicationStyleSheet());
        QVERIFY(m_root.isValid());
        // Qt's own chooser: no platform dialog offscreen, and none wanted in a test.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void init() { QSettings().remove(SettingsKey::RecoverPath); }

    void cleanup() { QCOMPARE(ModalDriver::pending(), 0); }

    void firstUseShowsTheDesktop()
    {
        ExportDeployDialog dialog;
        QCOMPARE(pathEditOf(&dialog)->text(), SettingsEntry::instance()->desktopPath());
        QVERIFY(pathEditOf(&dialog)->isReadOnly());
        QCOMPARE(dialog.size(), QSize(680, 300));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        saveShot(&dialog, QStringLiteral("export-settings"));
    }

    void saveMakesTheNestedFolder()
    {
        const QString folder = m_root.filePath(QStringLiteral("exports/2024/phone"));
        ExportDeployDialog dialog;
        pathEditOf(&dialog)->setText(folder);
        ModalDriver::onNext<ExportDeployDialog>([](ExportDeployDialog *shown) {
            QVERIFY(ModalDriver::clickButton(shown, QStringLiteral("Save")));
        });
        QCOMPARE(dialog.exec(), 0);
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(storedPath().toString(), folder);
        // The next dialog starts from it.
        ExportDeployDialog again;
        QCOMPARE(pathEditOf(&again)->text(), folder);
    }

    void anExistingFolderIsStoredAsItIs()
    {
        ExportDeployDialog dialog;
        pathEditOf(&dialog)->setText(m_root.path());
        ModalDriver::onNext<ExportDeployDialog>([](ExportDeployDialog *shown) {
            ModalDriver::clickButton(shown, QStringLiteral("Save"));
        });
        QCOMPARE(dialog.exec(), 0);
        QCOMPARE(storedPath().toString(), m_root.path());
    }

    void aFolderThatCannotBeMadeIsReported_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("below a regular file") << "file.txt/exports";
        QTest::newRow("a regular file") << "file.txt";
        QTest::newRow("relative") << "@relative";
        QTest::newRow("empty") << "@empty";
    }

    void aFolderThatCannotBeMadeIsReported()
    {
        QFETCH(QString, path);
        QFile file(m_root.filePath(QStringLiteral("file.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        if (path == "@relative")
            path = QStringLiteral("exports");
        else if (path == "@empty")
            path.clear();
        else
            path = m_root.filePath(path);

        ExportDeployDialog dialog;
        pathEditOf(&dialog)->setText(path);
        MessageBoxScript script({1});
        bool stayedOpen = false;
        ModalDriver::onNext<ExportDeployDialog>([&stayedOpen](ExportDeployDialog *shown) {
            ModalDriver::clickButton(shown, QStringLiteral("Save"));
            stayedOpen = shown->isVisible();
            shown->done(9);
        });
        QCOMPARE(dialog.exec(), 9);
        QVERIFY(stayedOpen);
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().first().kind, int(XMessageBox::Information));
        QCOMPARE(script.shown().first().title, QString());
        QCOMPARE(script.shown().first().text, QStringLiteral("The path is invalid, please choose again."));
        QCOMPARE(script.shown().first().buttons, QStringList({"OK"}));
        QVERIFY(!storedPath().isValid());
        QVERIFY(!QFileInfo::exists(QDir::current().filePath(QStringLiteral("exports"))));
    }

    void chooserFillsThePath()
    {
        const QString picked = m_root.filePath(QStringLiteral("picked"));
        QVERIFY(QDir().mkpath(picked));
        ExportDeployDialog dialog;
        ModalDriver::onNext<ExportDeployDialog>(changeThen([](ExportDeployDialog *shown) {
            QVERIFY(ModalDriver::clickButton(shown, QStringLiteral("Save")));
        }));
        chooseInChooser(picked);
        QCOMPARE(dialog.exec(), 0);
        QCOMPARE(QDir(pathEditOf(&dialog)->text()), QDir(picked));
        QCOMPARE(storedPath().toString(), pathEditOf(&dialog)->text());
        QCOMPARE(QDir(storedPath().toString()), QDir(picked));
    }

    void cancelledChooserChangesNothing()
    {
        ExportDeployDialog dialog;
        const QString before = pathEditOf(&dialog)->text();
        ModalDriver::onNext<ExportDeployDialog>(changeThen([](ExportDeployDialog *shown) {
            QVERIFY(ModalDriver::clickButton(shown, QStringLiteral("TitleCloseButton")));
        }));
        ModalDriver::onNext<QFileDialog>([](QFileDialog *chooser) { chooser->reject(); });
        QCOMPARE(dialog.exec(), 255);
        QCOMPARE(pathEditOf(&dialog)->text(), before);
        QVERIFY(!storedPath().isValid());
    }

    void closingAfterChoosingKeepsTheSetting()
    {
        SettingsEntry::instance()->setValue(SettingsKey::RecoverPath, m_root.path(), SettingsEntry::UserScope);
        const QString picked = m_root.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(picked));
        ExportDeployDialog dialog;
        ModalDriver::onNext<ExportDeployDialog>(changeThen([](ExportDeployDialog *shown) {
            // Esc is no way out: only the close button is.
            QTest::keyClick(shown, Qt::Key_Escape);
            QVERIFY(shown->isVisible());
            QVERIFY(ModalDriver::clickButton(shown, QStringLiteral("TitleCloseButton")));
        }));
        chooseInChooser(picked);
        QCOMPARE(dialog.exec(), 255);
        QCOMPARE(QDir(pathEditOf(&dialog)->text()), QDir(picked));
        QCOMPARE(storedPath().toString(), m_root.path());
    }

    void noticeResults_data()
    {
        QTest::addColumn<bool>("invalid");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        for (const bool invalid : {false, true}) {
            const char *kind = invalid ? "path invalid" : "path does not exist";
            QTest::addRow("%s: link", kind) << invalid << "link" << 0;
            QTest::addRow("%s: OK", kind) << invalid << "OK" << 1;
            QTest::addRow("%s: close", kind) << invalid << "TitleCloseButton" << 255;
        }
    }

    void noticeResults()
    {
        QFETCH(bool, invalid);
        QFETCH(QString, action);
        QFETCH(int, result);
        QScopedPointer<PathNoticeDialog> dialog(invalid ? static_cast<PathNoticeDialog *>(new PathInvalidDialog)
                                                        : new PathDoesNotExistDialog);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->size(), QSize(500, 263));
        const QString shot = invalid ? QStringLiteral("path-invalid") : QStringLiteral("path-does-not-exist");
        ModalDriver::onNext<PathNoticeDialog>([action, shot](PathNoticeDialog *shown) {
            QTest::keyClick(shown, Qt::Key_Escape);
            QTest::keyClick(shown, Qt::Key_Return);
            QVERIFY(shown->isVisible());
            saveShot(shown, shot);
            if (action == "link") {
                QLabel *text = nullptr;
                for (QLabel *label : shown->findChildren<QLabel *>()) {
                    if (label->text().contains(QLatin1String("href")))
                        text = label;
                }
                QVERIFY(text);
                QVERIFY(text->textInteractionFlags() & Qt::LinksAccessibleByMouse);
                emit text->linkActivated(QStringLiteral("#"));
            } else {
                QVERIFY(ModalDriver::clickButton(shown, action));
            }
        });
        QCOMPARE(dialog->exec(), result);
    }
};

QTEST_MAIN(ExportPathTest)
#include "exportpath_test.moc"
