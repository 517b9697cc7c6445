#include "platform/qt/qt_failure_reporter.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <iostream>

#include "core/failure_report.h"

namespace lwviz::qt {

void QtFailureReporter::report(const RuntimeFailure& failure) {
    const std::string text = failureReportText(failure);
    std::cerr << text << '\n' << std::flush;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        QMessageBox::critical(nullptr, QString::fromUtf8(kFailureReportTitle.data()),
                              QString::fromStdString(text));
    }
}

}  // namespace lwviz::qt
