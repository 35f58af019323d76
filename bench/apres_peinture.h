#pragma once

// For the start-up benchmarks: quits the application after the first paint of the window it watches.
// The quit is queued: the children are painted in the same pass as the window, so the whole first
// frame is done by then.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class ApresPeinture final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::Paint && !m_vue) {
            m_vue = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(objet, e);
    }

private:
    bool m_vue = false;
};
