#include "widgets/scanner_listener.h"

#include "model/share_code.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>

namespace andel {

ScannerListener::ScannerListener(QWidget* window, std::function<qint64()> now)
    : QObject(window), window_(window), now_(std::move(now)) {
    if (!now_) {
        now_ = [clock = std::make_shared<QElapsedTimer>()] {
            if (!clock->isValid()) clock->start();
            return clock->elapsed();
        };
    }
    pause_.setSingleShot(true);
    pause_.setInterval(kScannerGapMs);
    connect(&pause_, &QTimer::timeout, this, [this] { release(); });
    qApp->installEventFilter(this);
}

bool ScannerListener::fitsForm(const QString& typed) const {
    for (int i = 0; i < typed.size(); ++i) {
        const QChar c = typed[i];
        const bool fits = i < 2 ? c.toUpper() == QLatin1Char(kShareCodePrefix[static_cast<std::size_t>(i)])
                                : c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!fits || i >= static_cast<int>(kShareCodeLength)) return false;
    }
    return true;
}

void ScannerListener::release() {
    pause_.stop();
    auto held = std::move(held_);
    held_.clear();
    typed_.clear();
    releasing_ = true;
    for (auto& [receiver, key] : held) {
        if (receiver) QCoreApplication::sendEvent(receiver, key.get());
    }
    releasing_ = false;
}

bool ScannerListener::eventFilter(QObject* watched, QEvent* event) {
    if (releasing_ || event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    if (event == lastSeen_ && lastReceiver_ && widget != lastReceiver_ && widget->isAncestorOf(lastReceiver_)) {
        lastReceiver_ = widget;
        return false;
    }
    lastSeen_ = event;
    lastReceiver_ = widget;
    auto* key = static_cast<QKeyEvent*>(event);
    // A scanner presses Shift for its capital letters, as a keyboard does: no key of its own.
    switch (key->key()) {
        case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_AltGr: case Qt::Key_Meta:
        case Qt::Key_CapsLock: return false;
        default: break;
    }
    const qint64 now = now_();
    const bool quick = now - lastKeyAt_ <= kScannerGapMs;
    lastKeyAt_ = now;
    if (!held_.empty() && !quick) release();
    const bool plain = (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && plain && !held_.empty() && typed_.size() == static_cast<int>(kShareCodeLength)) {
        const QString code = typed_.toUpper();
        pause_.stop();
        held_.clear();
        typed_.clear();
        emit scanned(code);
        return true;
    }
    const QString text = key->text();
    if (plain && text.size() == 1 && fitsForm(typed_ + text)) {
        typed_ += text;
        held_.emplace_back(watched, std::make_unique<QKeyEvent>(key->type(), key->key(), key->modifiers(), text,
                                                                 key->isAutoRepeat(), static_cast<ushort>(key->count())));
        pause_.start();
        return true;
    }
    if (!held_.empty()) release();
    return false;
}

}  // namespace andel
