// Draws the library's logo files and the host pictures the gallery ships.
// Usage: generate-logos <library-logo-dir> <gallery-resource-dir>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSettings>
#include <cstdio>

namespace {

// A colour of the library's colour file, the one the looks draw with.
QColor fileColour(const char *key)
{
    const QSettings file(QStringLiteral(VELTRIX_COLOUR_FILE), QSettings::IniFormat);
    return QColor(file.value(QLatin1String(key)).toString());
}

const QColor DarkBlue = fileColour("GradientStyleColor/GC_DARKBLUE");
const QColor MidBlue = fileColour("GradientStyleColor/GC_MIDBLUE_2");
const QColor HoverBlue = fileColour("GradientStyleColor/GC_BLUE_HOVER");
const QColor MidGray = fileColour("GradientStyleColor/GC_MIDGRAY_1");
const QColor FlatDarkBlue = fileColour("FlatStyleColor/FC_DARK_BLUE");
const QColor FlatBlue = fileColour("FlatStyleColor/FC_BLUE");
const QColor FlatDarkGray = fileColour("FlatStyleColor/FC_DARK_GRAY");

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QFont logoFont(int pixelSize, int weight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The mark of the gradient look: a blue gradient "V" in a rounded square.
void drawGradientMark(QPainter &p, const QRectF &box)
{
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, MidBlue);
    g.setColorAt(1, DarkBlue);
    p.setPen(QPen(HoverBlue, 1));
    p.setBrush(g);
    const qreal radius = box.width() / 5;
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    QPainterPath v;
    const qreal w = box.width();
    const qreal h = box.height();
    v.moveTo(box.left() + w * 0.22, box.top() + h * 0.24);
    v.lineTo(box.left() + w * 0.50, box.top() + h * 0.78);
    v.lineTo(box.left() + w * 0.78, box.top() + h * 0.24);
    p.setPen(QPen(Qt::white, qMax(2.0, w * 0.12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(v);
}

// The mark of the flat look: a flat blue square with a white chevron step.
void drawFlatMark(QPainter &p, const QRectF &box, const QColor &fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRect(box);
    QPainterPath chevron;
    const qreal w = box.width();
    const qreal h = box.height();
    chevron.moveTo(box.left() + w * 0.30, box.top() + h * 0.22);
    chevron.lineTo(box.left() + w * 0.62, box.top() + h * 0.50);
    chevron.lineTo(box.left() + w * 0.30, box.top() + h * 0.78);
    p.setPen(QPen(Qt::white, qMax(2.0, w * 0.13), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chevron);
}

QImage wordmark(int w, int h, bool flat, const QString &text)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF mark(0, 0, h, h);
    if (flat)
        drawFlatMark(p, mark, FlatBlue);
    else
        drawGradientMark(p, mark);
    p.setPen(flat ? FlatDarkGray : DarkBlue);
    p.setFont(logoFont(int(h * 0.72), flat ? QFont::Normal : QFont::Bold));
    p.drawText(QRectF(h + 6, 0, w - h - 6, h), Qt::AlignLeft | Qt::AlignVCenter, text);
    return image;
}

QImage icon(bool flat, const QColor &flatFill = FlatBlue)
{
    QImage image = canvas(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (flat)
        drawFlatMark(p, QRectF(2, 2, 44, 44), flatFill);
    else
        drawGradientMark(p, QRectF(2, 2, 44, 44));
    return image;
}

QImage checkbox(bool checked)
{
    QImage image = canvas(18, 18);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(MidGray, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 17, 17), 2, 2);
    if (checked) {
        QPainterPath tick;
        tick.moveTo(4, 9);
        tick.lineTo(7.5, 12.5);
        tick.lineTo(14, 5);
        p.setPen(QPen(DarkBlue, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    return image;
}

bool save(const QImage &image, const QString &path, const char *format)
{
    QImageWriter writer(path, format);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <library-logo-dir> <gallery-resource-dir>\n", argv[0]);
        return 2;
    }
    const QDir lib(QString::fromLocal8Bit(argv[1]));
    const QDir host(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(host.filePath(QStringLiteral("logos")));
    QDir().mkpath(host.filePath(QStringLiteral("pixmaps")));

    bool ok = true;
    // The library's own bundle.
    ok &= save(wordmark(128, 29, false, QStringLiteral("Veltrix")), lib.filePath(QStringLiteral("gradient_logo.png")), "png");
    ok &= save(icon(false), lib.filePath(QStringLiteral("gradient_logo.ico")), "ico");
    ok &= save(wordmark(220, 29, true, QStringLiteral("Veltrix Flat")), lib.filePath(QStringLiteral("flat_logo.png")), "png");
    ok &= save(icon(true), lib.filePath(QStringLiteral("flat_logo.ico")), "ico");
    // What a host application supplies: the gallery's own pictures.
    ok &= save(wordmark(150, 29, false, QStringLiteral("Gallery")), host.filePath(QStringLiteral("logos/K_logo.png")), "png");
    ok &= save(icon(false), host.filePath(QStringLiteral("logos/GradientLogo.ico")), "ico");
    ok &= save(wordmark(150, 29, true, QStringLiteral("Gallery")), host.filePath(QStringLiteral("logos/r_logo.png")), "png");
    ok &= save(icon(true, FlatDarkBlue), host.filePath(QStringLiteral("logos/r_logo.ico")), "ico");
    ok &= save(checkbox(true), host.filePath(QStringLiteral("pixmaps/checkbox_checked.png")), "png");
    ok &= save(checkbox(false), host.filePath(QStringLiteral("pixmaps/checkbox_unchecked.png")), "png");
    return ok ? 0 : 1;
}
