#pragma once
// The agent at the keyboard, for window tests that go through modal windows: steps that each
// wait until what they need is on the screen, and the keys they press.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <vector>

namespace andel::test {

// The agent's keys, step by step: each waits until what it needs is on the screen and
// then presses keys on whatever has the keyboard. A step that opens a modal window runs
// in a timer of its own, so the next step still comes while the window waits.
class KeyboardAgent {
public:
    struct Step {
        const char* what;
        std::function<bool()> ready;
        std::function<void()> keys;
    };
    explicit KeyboardAgent(std::vector<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] { tick(); });
        poll_.start(20);
    }
    ~KeyboardAgent() { poll_.stop(); }
    bool done() const { return next_ == steps_.size(); }
    // The step that never became ready, for the failure message.
    QString waitingFor() const { return done() ? QString() : QString::fromUtf8(steps_[next_].what); }

private:
    void tick() {
        if (done() || !steps_[next_].ready()) return;
        QTimer::singleShot(0, steps_[next_].keys);
        ++next_;
    }
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QTimer poll_;
};

inline QWidget* focused() { return QApplication::focusWidget(); }

inline void press(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(to ? to : QApplication::activeWindow(), key, modifiers);
}

// Tab until the named control has the keyboard (at most twenty presses).
inline bool tabTo(const char* name) {
    for (int presses = 0; presses < 20; ++presses) {
        if (focused() && focused()->objectName() == QLatin1String(name)) return true;
        press(focused(), Qt::Key_Tab);
    }
    return false;
}

}  // namespace andel::test
