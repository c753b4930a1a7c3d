// The least a Qt program showing a small window can cost while something on
// it moves every 50 ms: the window is shown and a timer wakes the event loop
// at the song line's scroll rate, with nothing to do. The footprint bench
// measures it beside the players, as the floor of the CPU a stopped player
// with a scrolling line can reach on the machine.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("QtWakeFloor"));
    window.setFixedSize(275, 116);
    window.show();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start(argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 50);
    return QApplication::exec();
}
