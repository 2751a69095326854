#include "mediav1itemdelegate.h"

MediaV1ItemDelegate::MediaV1ItemDelegate(int kind, MediaProxyModel *proxy, QObject *parent)
    : MediaItemDelegate(kind, proxy,
                        QPixmap(QStringLiteral(":/Images/wa/messgae/play.png"))
                            .scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation),
                        parent)
{
}
