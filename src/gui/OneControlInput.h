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

} // namespace gui
