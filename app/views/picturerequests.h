#pragma once

#include "thumbnailloader.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

// The pictures one painter (a row delegate, a detail pane) shows at one size,
// asked of the process's ThumbnailLoader: paint() looks a picture up and
// draws its placeholder until arrived() tells that the decode is back. Each
// file is asked for once while it is under way; a file that cannot be
// decoded (a damaged picture, a pipe) answers a null image and stays on its
// placeholder.
class PictureRequests : public QObject
{
    Q_OBJECT

public:
    PictureRequests(const ThumbnailLoader::Spec &spec, QObject *parent = nullptr);
    ~PictureRequests() override;

    const ThumbnailLoader::Spec &spec() const;
    // True with *image set (null for a file that could not be decoded) when
    // the loader has the picture; otherwise asks for it and answers false.
    // An empty path answers true with a null image.
    bool find(const QString &path, QImage *image);
    // Forgets what is still asked for.
    void cancel();

signals:
    void arrived(const QString &path);

private:
    QPointer<ThumbnailLoader> m_loader;
    ThumbnailLoader::Spec m_spec;
    QSet<QString> m_asked;
};
