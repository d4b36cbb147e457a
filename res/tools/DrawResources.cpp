// Draws the program's icon (16, 32 and 48 px) and its backdrop bitmap (500 x 600) into a folder:
//   tarvolin_draw_resources res/
// The images are committed; run this only to change them.
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// The flat field of the backdrop: the main window's label brush, so the labels blend in.
const QColor kField(138, 138, 138);
const QColor kInk(40, 44, 52);
const QColor kAccent(232, 160, 48);
const QColor kCool(70, 130, 180);

struct Point3 {
    double x, y, z;
};

constexpr std::array<Point3, 8> kCube{
    {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}, {-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}};
constexpr std::array<std::array<int, 2>, 12> kCubeEdges{
    {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6}, {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}}};

// Rotates about y, then x (degrees), scales and projects with a little perspective.
QPointF Project(const Point3& p, double yawDegrees, double pitchDegrees, double scale, QPointF centre) {
    const double yaw = yawDegrees * std::numbers::pi / 180.0;
    const double pitch = pitchDegrees * std::numbers::pi / 180.0;
    const double x1 = p.x * std::cos(yaw) + p.z * std::sin(yaw);
    const double z1 = -p.x * std::sin(yaw) + p.z * std::cos(yaw);
    const double y2 = p.y * std::cos(pitch) - z1 * std::sin(pitch);
    const double z2 = p.y * std::sin(pitch) + z1 * std::cos(pitch);
    const double perspective = 6.0 / (6.0 + z2);
    return {centre.x() + x1 * scale * perspective, centre.y() - y2 * scale * perspective};
}

void DrawCube(QPainter& painter, double yaw, double pitch, double scale, QPointF centre, const QPen& pen) {
    std::array<QPointF, 8> points;
    for (std::size_t i = 0; i < kCube.size(); ++i) {
        points[i] = Project(kCube[i], yaw, pitch, scale, centre);
    }
    painter.setPen(pen);
    for (const auto& edge : kCubeEdges) {
        painter.drawLine(points[edge[0]], points[edge[1]]);
    }
}

QImage DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.18, s * 0.18);
    painter.fillPath(tile, kCool);
    painter.setPen(QPen(kInk, std::max(1.0, s / 32)));
    painter.drawPath(tile);
    const double width = size <= 16 ? 1.4 : s / 20;
    DrawCube(painter, 30, 20, s * 0.25, QPointF(s * 0.5, s * 0.52), QPen(Qt::white, width));
    // The corner that moved: the transform the program applies.
    painter.setBrush(kAccent);
    painter.setPen(Qt::NoPen);
    const double dot = std::max(2.5, s / 9);
    painter.drawEllipse(Project(kCube[6], 30, 20, s * 0.25, QPointF(s * 0.5, s * 0.52)), dot, dot);
    return image;
}

QImage DrawBackdrop() {
    QImage image(500, 600, QImage::Format_RGB888);
    image.fill(kField);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(40);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(kInk);
    painter.drawText(QPointF(14, 50), QStringLiteral("Tarvolin"));
    QFont version(QStringLiteral("DejaVu Sans"));
    version.setPixelSize(16);
    painter.setFont(version);
    painter.drawText(QPointF(16, 74), QStringLiteral("Version 1.2"));

    // The figure: a model in its first form, and the same model scaled, turned and moved.
    const QPointF before(360, 190);
    const QPointF after(400, 300);
    QPen faint(kInk, 1.5, Qt::DashLine);
    DrawCube(painter, 20, 15, 34, before, faint);
    DrawCube(painter, 55, 25, 52, after, QPen(kInk, 2.5));
    // The moved model's vertices, as the rewriter recomputes them.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    for (const Point3& corner : kCube) {
        painter.drawEllipse(Project(corner, 55, 25, 52, after), 3.0, 3.0);
    }
    painter.setPen(QPen(kAccent, 3));
    painter.setBrush(kAccent);
    const QPointF from = Project(kCube[6], 20, 15, 34, before);
    const QPointF to = Project(kCube[6], 55, 25, 52, after);
    painter.drawLine(from, to);
    painter.drawEllipse(to, 5, 5);
    return image;
}

bool Save(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarvolin_draw_resources FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + '/';
    bool ok = true;
    for (const int size : {16, 32, 48}) {
        ok = Save(DrawIcon(size), folder + QStringLiteral("icon130-%1.png").arg(size)) && ok;
    }
    ok = Save(DrawBackdrop(), folder + QStringLiteral("bitmap129.png")) && ok;
    return ok ? 0 : 1;
}
