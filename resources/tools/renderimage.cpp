// Renders one SVG into a PNG or ICO file of a given size:
//   quenrow-render-image SOURCE.svg OUTPUT WIDTH HEIGHT
// The format follows OUTPUT's suffix. A source that does not parse or draws
// nothing at all fails the build rather than shipping a blank image.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>

namespace
{
    int fail(const QString &message)
    {
        QTextStream(stderr) << "quenrow-render-image: " << message << '\n';
        return 1;
    }

    bool drawsSomething(const QImage &image)
    {
        for (int y = 0; y < image.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(line[x]) != 0)
                    return true;
            }
        }
        return false;
    }
}

int main(int argc, char *argv[])
{
    // Headless: no display is needed to draw into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return fail(QStringLiteral("usage: quenrow-render-image SOURCE.svg OUTPUT WIDTH HEIGHT"));

    const QString source = args.at(1);
    const QString output = args.at(2);
    bool widthOk = false;
    bool heightOk = false;
    const int width = args.at(3).toInt(&widthOk);
    const int height = args.at(4).toInt(&heightOk);
    if (!widthOk || !heightOk || width <= 0 || height <= 0 || width > 4096 || height > 4096)
        return fail(QStringLiteral("bad size %1 x %2").arg(args.at(3), args.at(4)));

    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        return fail(QStringLiteral("%1 is not a readable SVG").arg(source));

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }
    if (!drawsSomething(image))
        return fail(QStringLiteral("%1 draws nothing").arg(source));

    const QString format = QFileInfo(output).suffix().toLower();
    if (!QDir().mkpath(QFileInfo(output).absolutePath()))
        return fail(QStringLiteral("cannot make the folder of %1").arg(output));
    // Written whole or not at all: a stopped build leaves no half image.
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(output));
    QImageWriter writer(&file, format.toLatin1());
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        return fail(QStringLiteral("cannot write %1: %2").arg(output, writer.errorString()));
    if (!file.commit())
        return fail(QStringLiteral("cannot write %1").arg(output));
    return 0;
}
