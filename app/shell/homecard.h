#pragma once

#include <QPushButton>

class QLabel;

// One way to recover on the home page: its picture, title and description
// on a button that a click anywhere presses. Screen readers get the title
// as its name and the description as its description, in the language
// in use.
class HomeCard : public QPushButton
{
    Q_OBJECT

public:
    // Wide cards stack picture, title and description; narrow ones put the
    // picture left of the texts.
    enum Layout
    {
        Tall = 0,
        Wide = 2
    };

    HomeCard(Layout layout, const QString &image, const QSize &imageSize, const char *title,
             const char *description, QWidget *parent = nullptr);

    QString title() const;
    QString description() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_image = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_description = nullptr;
    const char *m_titleSource;
    const char *m_descriptionSource;
};
