#include "picturerequests.h"

PictureRequests::PictureRequests(const ThumbnailLoader::Spec &spec, QObject *parent)
    : QObject(parent)
    , m_loader(ThumbnailLoader::instance())
    , m_spec(spec)
{
}

PictureRequests::~PictureRequests()
{
    cancel();
}

const ThumbnailLoader::Spec &PictureRequests::spec() const
{
    return m_spec;
}

bool PictureRequests::find(const QString &path, QImage *image)
{
    if (path.isEmpty() || !m_loader) {
        *image = QImage();
        return true;
    }
    if (m_loader->lookup(path, QString(), m_spec, image))
        return true;
    if (m_asked.contains(path))
        return false;
    m_asked.insert(path);
    m_loader->request(path, QString(), m_spec, this, [this, path](const QImage &) {
        // Asked again only should the cache drop it later.
        m_asked.remove(path);
        emit arrived(path);
    });
    return false;
}

void PictureRequests::cancel()
{
    if (m_loader)
        m_loader->cancel(this);
    m_asked.clear();
}
