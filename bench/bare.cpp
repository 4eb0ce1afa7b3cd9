// The yardstick: a bare Qt Widgets program showing one 800 x 600 JPEG full screen.
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label;
    label.setAlignment(Qt::AlignCenter);
    label.setStyleSheet(QStringLiteral("background: black"));
    label.setPixmap(QPixmap(QString::fromLocal8Bit(argv[1])));
    label.setGeometry(QGuiApplication::primaryScreen()->geometry());
    label.showFullScreen();
    return app.exec();
}
