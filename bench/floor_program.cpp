// The floors that bench/resource-use measures the program against: the least a Qt program can do
// for the same screen. It wakes every 15 ms (or, with --seconds, at each whole second of the
// boot-time clock on a precise timer), reads the boot-time clock and sets the uptime line when
// the line changed, in a box drawn like the program's own uptime display.

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLineEdit>
#include <QPalette>
#include <QString>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdio>
#include <ctime>
#include <string>
#include <utility>

namespace {

// Milliseconds to the next whole second of the boot-time clock, rounded up.
int toNextSecond() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    constexpr long kNsPerMs = 1'000'000;
    return static_cast<int>((1'000'000'000 - now.tv_nsec + kNsPerMs - 1) / kNsPerMs);
}

// "Nd, Nh, Nm, Ns" for the whole seconds since the system started.
std::string uptimeLine() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const long long seconds = now.tv_sec;
    std::array<char, 64> line{};
    const int length =
        std::snprintf(line.data(), line.size(), "%lldd, %lldh, %lldm, %llds", seconds / 86400,
                      seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
    return {line.data(), static_cast<std::size_t>(length)};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool everySecond = argc > 1 && std::string(argv[1]) == "--seconds";
    // The program's look: Fusion, its window's client size at the default, and its display box.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(286, 130);

    QLineEdit display(&window);
    display.setGeometry(120, 56, 161, 21);
    display.setReadOnly(true);
    display.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(13);
    font.setBold(true);
    display.setFont(font);
    QPalette palette = display.palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        palette.setColor(role, Qt::green);
    }
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base}) {
        palette.setColor(role, Qt::black);
    }
    display.setPalette(palette);
    // Opaque and never focused, like the program's display: a repaint then costs the same
    // whichever window has the focus.
    display.setAutoFillBackground(true);
    display.setFocusPolicy(Qt::NoFocus);

    std::string shown;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&display, &shown, &timer, everySecond] {
        std::string line = uptimeLine();
        if (line != shown) {
            shown = std::move(line);
            display.setText(QString::fromStdString(shown));
        }
        if (everySecond) {
            timer.start(toNextSecond());
        }
    });
    if (everySecond) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        timer.start(toNextSecond());
    } else {
        timer.start(15);
    }

    window.show();
    return QApplication::exec();
}
