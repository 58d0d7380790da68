#include "widgets/shell/splash.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QSplashScreen>
#include <QTimer>

namespace orvane {

namespace {

QPixmap splashArt(const char* version) {
    QPixmap pixmap(420, 220);
    pixmap.fill(QColor(18, 44, 74));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A trace falling away with distance, with one reflective spike.
    painter.setPen(QPen(QColor(120, 200, 255), 2));
    QPolygonF trace;
    for (int x = 20; x <= 400; x += 4)
        trace << QPointF(x, 60 + (x - 20) * 0.25 + (x == 248 ? -30 : 0));
    painter.drawPolyline(trace);
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPointSize(28);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(20, 130, 380, 50), Qt::AlignLeft, "Orvane");
    QFont small = painter.font();
    small.setPointSize(10);
    small.setBold(false);
    painter.setFont(small);
    painter.drawText(QRect(22, 180, 380, 24), Qt::AlignLeft,
                     QObject::tr("OTDR trace viewer %1").arg(version));
    return pixmap;
}

} // namespace

Splash::Splash(const char* version) : m_screen(new QSplashScreen(splashArt(version))) {
    m_screen->show();
    qApp->installEventFilter(this);
    QTimer::singleShot(kSplashMs, this, &Splash::close);
}

Splash::~Splash() {
    qApp->removeEventFilter(this);
    delete m_screen;
}

bool Splash::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) close();
    return false;
}

bool Splash::isShowing() const {
    return m_screen && m_screen->isVisible();
}

void Splash::close() {
    if (m_screen) m_screen->close();
    qApp->removeEventFilter(this);
}

} // namespace orvane
