// Draws the two weighing diagrams shown by the main window and printed in the report: a high-wing
// microlight seen from the side, nose to the left, with the datum, the centre of gravity, the wheel loads
// and the horizontal distances the operator measures.
//   draw_diagrams <output folder>   writes qtricycle.jpg and qclassique.jpg there.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr int Width = 208, Height = 154;
constexpr double Ground = 96;
constexpr double WheelRadius = 8, TailWheelRadius = 4;
const QColor Ink(20, 20, 20);
const QColor Skin(225, 228, 232);
const QColor Glass(176, 196, 214);
const QColor Load(150, 20, 20);
const QColor Measure(25, 55, 130);

QFont font(int pixels, bool bold) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The airframe in its own level attitude; the wheels are drawn apart since a wheel stays round whatever the
// attitude.
struct Airframe {
    QPointF nose{16, 58};
    QPointF cg;
    QPointF frontAxle, rearAxle;
    bool tricycle;
};

void drawAirframe(QPainter& p, const Airframe& a) {
    p.setPen(QPen(Ink, 1.2));
    // Propeller disc seen edge-on.
    p.setBrush(QColor(90, 90, 90));
    p.drawEllipse(QRectF(14, 41, 4, 34));

    QPainterPath body;
    body.moveTo(18, 54);
    body.cubicTo(20, 46, 28, 42, 40, 41);
    body.lineTo(58, 34);
    body.lineTo(106, 34);
    body.lineTo(118, 44);
    body.lineTo(194, 50);
    body.lineTo(196, 56);
    body.lineTo(118, 62);
    body.lineTo(104, 72);
    body.lineTo(34, 72);
    body.cubicTo(24, 71, 18, 66, 18, 60);
    body.closeSubpath();
    p.setBrush(Skin);
    p.drawPath(body);

    // Windscreen and cabin window.
    QPolygonF window;
    window << QPointF(46, 43) << QPointF(59, 37) << QPointF(90, 37) << QPointF(90, 55) << QPointF(48, 55);
    p.setBrush(Glass);
    p.drawPolygon(window);

    // Fin and rudder, tailplane.
    QPolygonF fin;
    fin << QPointF(168, 48) << QPointF(182, 25) << QPointF(194, 25) << QPointF(197, 50);
    p.setBrush(Skin);
    p.drawPolygon(fin);
    p.drawLine(QPointF(188, 25), QPointF(189, 50));
    QPolygonF tailplane;
    tailplane << QPointF(164, 53) << QPointF(199, 52) << QPointF(199, 55) << QPointF(166, 56);
    p.drawPolygon(tailplane);

    // High wing in section, and its strut.
    QPainterPath wing;
    wing.moveTo(55, 34);
    wing.cubicTo(52, 28, 58, 25, 68, 25);
    wing.lineTo(104, 27);
    wing.lineTo(116, 32);
    wing.lineTo(104, 35);
    wing.lineTo(58, 35);
    wing.closeSubpath();
    p.setBrush(Skin);
    p.drawPath(wing);
    p.setPen(QPen(Ink, 1.6));
    // The strut also frames the cabin door.
    p.drawLine(QPointF(76, 34), QPointF(68, 71));

    // Gear legs.
    p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    if (a.tricycle) {
        p.drawLine(QPointF(36, 71), a.frontAxle);
        p.drawLine(QPointF(100, 71), a.rearAxle);
    } else {
        p.drawLine(QPointF(54, 71), a.frontAxle);
        p.drawLine(QPointF(184, 56), a.rearAxle);
    }
}

void drawWheel(QPainter& p, QPointF axle, double radius) {
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(axle, radius, radius);
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(axle, radius * 0.4, radius * 0.4);
}

// The usual centre-of-gravity sign: a circle in black and white quarters.
void drawCg(QPainter& p, QPointF c) {
    const double r = 5;
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(box);
    p.setBrush(Ink);
    p.drawPie(box, 0, 90 * 16);
    p.drawPie(box, 180 * 16, 90 * 16);
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(box);
}

void drawArrowHead(QPainter& p, QPointF tip, QPointF from, double size) {
    const QPointF d = tip - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    QPolygonF head;
    head << tip << tip - u * size + n * size * 0.45 << tip - u * size - n * size * 0.45;
    p.drawPolygon(head);
}

// A wheel load: an arrow under the wheel, pressing on the scale.
void drawLoad(QPainter& p, double x, const char* name) {
    p.setPen(QPen(Load, 1.6));
    p.setBrush(Load);
    const QPointF from(x, Ground + 2), tip(x, Ground + 15);
    p.drawLine(from, tip - QPointF(0, 4));
    drawArrowHead(p, tip, from, 6);
    p.setFont(font(11, true));
    p.drawText(QPointF(x + 4, Ground + 14), QString::fromLatin1(name));
}

// A horizontal distance between two marks, arrows at both ends, its name above the middle.
void drawDistance(QPainter& p, double x1, double x2, double y, const char* name) {
    p.setPen(QPen(Measure, 1));
    p.setBrush(Measure);
    p.drawLine(QPointF(x1 + 1, y), QPointF(x2 - 1, y));
    drawArrowHead(p, QPointF(x1, y), QPointF(x2, y), 5);
    drawArrowHead(p, QPointF(x2, y), QPointF(x1, y), 5);
    p.setFont(font(10, false));
    const QString text = QString::fromLatin1(name);
    const double w = p.fontMetrics().horizontalAdvance(text);
    p.drawText(QPointF((x1 + x2 - w) / 2, y - 2.5), text);
}

// A thin dotted line from a mark on the aircraft down to the distances.
void drawExtension(QPainter& p, QPointF from, double toY) {
    p.setPen(QPen(QColor(110, 110, 110), 0.8, Qt::DotLine));
    p.drawLine(from, QPointF(from.x(), toY));
}

QImage drawDiagram(bool tricycle) {
    Airframe a{.cg = tricycle ? QPointF(96, 58) : QPointF(88, 58),
               .frontAxle = tricycle ? QPointF(40, Ground - WheelRadius) : QPointF(62, Ground - WheelRadius),
               .rearAxle = tricycle ? QPointF(124, Ground - WheelRadius) : QPointF(186, 64),
               .tricycle = tricycle};

    // A tail-wheel aircraft sits nose up, pivoted on its main wheel until the tail wheel meets the ground,
    // then moved so that its nose stays at the left margin.
    QTransform attitude;
    if (!tricycle) {
        const QPointF r = a.rearAxle - a.frontAxle;
        const double reach = Ground - TailWheelRadius - a.frontAxle.y();
        // Solve r.x sin t + r.y cos t = reach for the pitch angle t.
        const double h = std::hypot(r.x(), r.y());
        const double t = std::asin(reach / h) - std::atan2(r.y(), r.x());
        QTransform pivot;
        pivot.translate(a.frontAxle.x(), a.frontAxle.y());
        pivot.rotateRadians(t);
        pivot.translate(-a.frontAxle.x(), -a.frontAxle.y());
        const double shift = 16 - pivot.map(a.nose).x();
        attitude = pivot * QTransform::fromTranslate(shift, 0);
    }
    const QPointF nose = attitude.map(a.nose), cg = attitude.map(a.cg);
    const QPointF front = attitude.map(a.frontAxle), rear = attitude.map(a.rearAxle);
    const QPointF main = tricycle ? rear : front;

    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Ground.
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawLine(QPointF(4, Ground), QPointF(Width - 4, Ground));

    // Datum at the nose.
    p.setPen(QPen(Measure, 1, Qt::DashLine));
    p.drawLine(QPointF(nose.x(), 15), QPointF(nose.x(), 150));
    p.setPen(Measure);
    p.setFont(font(11, true));
    p.drawText(QPointF(nose.x() + 3, 12), QStringLiteral("Ref"));

    p.save();
    p.setTransform(attitude);
    drawAirframe(p, a);
    p.restore();
    drawWheel(p, front, WheelRadius);
    drawWheel(p, rear, tricycle ? WheelRadius : TailWheelRadius);
    drawCg(p, cg);
    p.setPen(Ink);
    p.setFont(font(11, true));
    p.drawText(QPointF(cg.x() + 7, cg.y() + 4), QStringLiteral("CG"));

    drawLoad(p, front.x(), "p1");
    drawLoad(p, rear.x(), "p2");

    // The distances, each line ending at marks carried down from the aircraft.
    constexpr double row1 = 122, row2 = 135, row3 = 148;
    drawExtension(p, cg + QPointF(0, 6), row1 + 2);
    drawExtension(p, QPointF(front.x(), Ground + 16), row3 + 2);
    drawExtension(p, QPointF(rear.x(), Ground + 16), row3 + 2);
    if (tricycle) {
        drawDistance(p, nose.x(), cg.x(), row1, "x");
        drawDistance(p, cg.x(), main.x(), row1, "D2");
        drawDistance(p, nose.x(), main.x(), row2, "d");
    } else {
        drawDistance(p, nose.x(), main.x(), row1, "d");
        drawDistance(p, main.x(), cg.x(), row1, "D1");
        drawDistance(p, nose.x(), cg.x(), row2, "x");
    }
    drawDistance(p, front.x(), rear.x(), row3, "D");
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: draw_diagrams <output folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const bool tricycle : {true, false}) {
        const QString name =
            out.filePath(tricycle ? QStringLiteral("qtricycle.jpg") : QStringLiteral("qclassique.jpg"));
        if (!drawDiagram(tricycle).save(name, "JPEG", 95)) {
            std::fprintf(stderr, "draw_diagrams: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
