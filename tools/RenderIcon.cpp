#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

// Draws the application icon's SVG as PNG files of the given sizes, at build time, so the
// window can show its icon without loading Qt's SVG library when it starts.
// Usage: render_icon icon.svg output-prefix size...  (writes output-prefix-SIZE.png)
int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: render_icon icon.svg output-prefix size...\n");
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    const int size = QByteArray(argv[i]).toInt();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    const QString path = QString::fromLocal8Bit(argv[2]) + QStringLiteral("-%1.png").arg(size);
    if (!image.save(path)) {
      std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
