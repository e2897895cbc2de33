// The cheapest Qt Widgets window of Kalmoro's size that shows Chinese text and takes input: the
// baseline bench_startup measures the program against. It pays for the font configuration and a
// CJK font as the program does.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(1080, 695);
    QPalette white = window.palette();
    white.setColor(QPalette::Window, Qt::white);
    window.setPalette(white);
    window.setAutoFillBackground(true);
    auto *label = new QLabel(QStringLiteral("室内机所需氟利昂：KG"), &window);
    label->move(40, 40);
    auto *box = new QLineEdit(&window);
    box->move(40, 80);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->geometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
