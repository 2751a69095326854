#pragma once

#include <QWidget>

class QLabel;
class QMovie;

// A 300 x 520 picture: a still image, or a movie that plays while asked to.
class AnimationView : public QWidget
{
    Q_OBJECT

public:
    explicit AnimationView(QWidget *parent = nullptr);

    void setImage(const QString &path);
    void setMovie(const QString &fileName);
    void play();
    void stop();

private:
    QLabel *m_label = nullptr;
    QMovie *m_movie = nullptr;
};
