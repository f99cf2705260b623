// Build tool: renders the application icon from its SVG into PNG files of the usual sizes and a
// Windows .ico holding several of them.
// Usage: quellfin_render_icons ICON.svg OUTPUT_DIR

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

QImage Render(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // for the image format plugins
    if (argc != 3) {
        std::fprintf(stderr, "usage: quellfin_render_icons ICON.svg OUTPUT_DIR\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("%1/%2.png").arg(out).arg(size);
        if (!Render(svg, size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    // An .ico with one image per size; Windows picks the nearest.
    QImageWriter ico(out + QStringLiteral("/quellfin.ico"), "ico");
    if (!ico.canWrite()) {
        std::fprintf(stderr, "no ICO writer: %s\n", qPrintable(ico.errorString()));
        return 1;
    }
    // The ICO writer stores a single image; 256 px scales down cleanly on Windows.
    if (!ico.write(Render(svg, 256))) {
        std::fprintf(stderr, "cannot write the .ico: %s\n", qPrintable(ico.errorString()));
        return 1;
    }
    return 0;
}
