#pragma once
// A barcode scanner types a share's code and Enter like a keyboard, only far faster than a
// person. The listener watches the keys typed anywhere in one window and takes a code typed
// at a scanner's speed: its keys are held back while they can still be one, and handed on
// to the widget they were typed into, in order, as soon as they turn out not to be (a key
// that does not fit the code's form, a pause longer than a scanner makes, a modifier).
#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace andel {

class ScannerListener : public QObject {
    Q_OBJECT
public:
    // The longest pause between two keys of a scanner, in milliseconds.
    static constexpr int kScannerGapMs = 60;

    // Listens while `window` lives; `now` gives milliseconds (tests may pass their own clock).
    explicit ScannerListener(QWidget* window, std::function<qint64()> now = {});

signals:
    void scanned(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The held keys handed on to their widgets, in the order they were typed.
    void release();
    bool fitsForm(const QString& typed) const;

    QWidget* window_;
    std::function<qint64()> now_;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QKeyEvent>>> held_;
    QString typed_;
    qint64 lastKeyAt_ = 0;
    // A key passed on travels up to the parents of its widget: seen once, not again there.
    const QEvent* lastSeen_ = nullptr;
    QPointer<QWidget> lastReceiver_;
    bool releasing_ = false;
    QTimer pause_;
};

}  // namespace andel
