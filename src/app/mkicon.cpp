// Scales the program's icon to one of the sizes a desktop's menus and panels ask for. The artwork
// is drawn at 256 pixels; the smaller sizes are made from it at build time rather than kept as
// copies that could drift from it.
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int size = argc == 4 ? std::atoi(argv[3]) : 0;
    if (size < 16 || size > 256) {
        std::fprintf(stderr, "usage: vantrell-mkicon SOURCE.png OUTPUT.png SIZE (16 to 256)\n");
        return 1;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull()) {
        std::fprintf(stderr, "vantrell-mkicon: cannot read %s\n", argv[1]);
        return 2;
    }
    const QImage scaled = source.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!scaled.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "vantrell-mkicon: cannot write %s\n", argv[2]);
        return 2;
    }
    return 0;
}
