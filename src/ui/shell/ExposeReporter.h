// For the start-up benchmark: reports the first exposure of the main window,
// after the paint that it starts, and leaves without the exit steps, so that
// the measurement writes nothing. Header-only, so that the benchmark's minimal
// Qt program uses the same report without linking the desktop library.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWindow>

#include <cstdio>

class ExposeReporter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && !m_reported && static_cast<QWindow*>(watched)->isExposed()) {
            m_reported = true;
            QTimer::singleShot(0, this, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_reported = false;
};
