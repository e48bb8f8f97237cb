#pragma once

#include <QApplication>

// The application object of the program and of the widget tests: every exception that escapes an
// event handler (a click, a timer, a queued call) goes to the error report instead of unwinding
// through Qt's event loop, which is not made for it. A std::exception brings its what() text,
// read as UTF-8; any other exception an empty message.
class ReportingApplication : public QApplication {
public:
    ReportingApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void report(const QString &message);
};
