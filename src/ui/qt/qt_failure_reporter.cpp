#include "ui/qt/qt_failure_reporter.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <iostream>

#include "core/runtime_failure.h"

namespace lwviz::qt {

void QtFailureReporter::report(const RuntimeFailure& failure) {
    const QString message = QStringLiteral("Run-time error '%1':\n\n%2")
                                .arg(failure.number())
                                .arg(QString::fromStdString(failure.description()));
    std::cerr << message.toStdString() << '\n' << std::flush;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        QMessageBox::critical(nullptr, QStringLiteral("LW-DODOZU-ZIDADA"), message);
    }
}

}  // namespace lwviz::qt
