#pragma once
// Counts the paint events of one widget: how the window tests and benchmarks know that what
// a user did has reached the screen.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace tambrel {

class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

} // namespace tambrel
