#pragma once
// Answers a modal window that a step is about to open, and never lets a test hang on it.
// Once the expected window is the active modal one, `answer` runs on it. Another modal
// window in its place, the expected one still open after the answer, or no modal window
// at all before the deadline: whatever modal window is open is closed and the failure is
// kept in `failure`, for the test to check after the step returned.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace andel::test {

class ModalAnswer {
public:
    // `className` as QObject::inherits takes it, e.g. "andel::Tgodkjennresultat".
    ModalAnswer(const char* className, std::function<void(QWidget*)> answer, int deadlineMs = 10000)
        : className_(className), answer_(std::move(answer)), deadline_(deadlineMs) {
        timer_->setInterval(10);
        QObject::connect(timer_.get(), &QTimer::timeout, [this] { poll(); });
        timer_->start();
    }
    ~ModalAnswer() {
        timer_->stop();
        closeModal();  // a step that is still waiting must not outlive its test
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    // "" when the expected window came and was answered and closed.
    std::string result() const {
        if (!failure_.empty()) return failure_;
        return answered_ ? std::string() : "no modal window " + className_ + " opened";
    }

private:
    static void closeModal() {
        for (int i = 0; i < 10; ++i) {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            else modal->close();
        }
    }
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (deadline_.hasExpired()) {
                failure_ = "no modal window " + className_ + " opened before the deadline";
                timer_->stop();
            }
            return;
        }
        timer_->stop();
        if (!modal->inherits(className_.c_str())) {
            failure_ = "expected the modal window " + className_ + ", but " + modal->metaObject()->className() + " \"" +
                       modal->windowTitle().toStdString() + "\" was open";
            closeModal();
            return;
        }
        QPointer<QWidget> guard(modal);
        answered_ = true;
        answer_(modal);
        if (guard && guard->isVisible()) {
            failure_ = "the modal window " + className_ + " was still open after the answer";
            closeModal();
        }
    }

    std::string className_;
    std::function<void(QWidget*)> answer_;
    QDeadlineTimer deadline_;
    std::unique_ptr<QTimer> timer_ = std::make_unique<QTimer>();
    bool answered_ = false;
    std::string failure_;
};

}  // namespace andel::test
