#pragma once
// While installed on the application, lets only the input meant for one
// widget through (a long command's stop button) and holds back every other
// widget's input, the window's close box, shortcuts and timer ticks. Paint
// and layout events pass, so the windows keep showing what changes.
// Escape, wherever it is pressed, is the stop: the stop button may sit on a
// page the window does not show, and the page tabs are held like the rest.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QEvent;

namespace gui {

class OneControlInput : public QObject {
public:
    // `passing` is a timer whose ticks go on (the painting's).
    explicit OneControlInput(QWidget* target, std::function<void()> onEscape = {}, const QObject* passing = nullptr)
        : target_(target), onEscape_(std::move(onEscape)), passing_(passing) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool forTarget(const QObject* receiver) const;

    QPointer<QWidget> target_;
    std::function<void()> onEscape_;
    const QObject* passing_;
};

// While installed on the application, the program waits on a call that
// holds it (a web request) and only the windows paint: every input, the
// close box and every timer tick are held back. What the window system
// queues stays in its queue; an input event posted to a window or widget
// is taken out and posted again when the filter goes, so it reaches its
// receiver after the wait, as the window system's own input does. What Qt
// works out again by itself (the widget under the pointer, hover, tool
// tips, shortcuts of a key that waits) is not kept.
class InputOnHold : public QObject {
public:
    InputOnHold();
    ~InputOnHold() override;
    InputOnHold(const InputOnHold&) = delete;
    InputOnHold& operator=(const InputOnHold&) = delete;

    // Whether one is installed: the program waits.
    static bool Active();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Kept {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<Kept> kept_;
};

} // namespace gui
