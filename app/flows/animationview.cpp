#include "animationview.h"

#include <QLabel>
#include <QMovie>
#include <QPixmap>
#include <QVBoxLayout>
#include <QVariant>

AnimationView::AnimationView(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(300, 520);
    m_label = new QLabel(this);
    m_label->setScaledContents(true);
    m_label->setProperty("@Bypassed", true);
    m_movie = new QMovie(this);
    m_movie->setScaledSize(QSize(221, 464));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_label);
}

void AnimationView::setImage(const QString &path)
{
    m_label->setPixmap(QPixmap(path));
}

void AnimationView::setMovie(const QString &fileName)
{
    m_movie->stop();
    m_movie->setScaledSize(size());
    m_movie->setFileName(fileName);
    m_label->setMovie(m_movie);
}

void AnimationView::play()
{
    m_label->setMovie(m_movie);
    m_movie->start();
}

void AnimationView::stop()
{
    m_label->setMovie(nullptr);
    m_movie->stop();
}
