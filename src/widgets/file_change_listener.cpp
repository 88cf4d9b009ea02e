#include "widgets/file_change_listener.h"

#include <QApplication>
#include <QEvent>
#include <QFileSystemWatcher>
#include <QWidget>

#include <system_error>

namespace andel {
namespace {

QString pathString(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

// A burst of writes (a transaction and its log) is told once, this long after the last.
constexpr int kSettleMs = 150;

}  // namespace

FileChangeListener::FileChangeListener(QWidget& window, std::vector<std::filesystem::path> files)
    : QObject(&window), watcher_(new QFileSystemWatcher(this)) {
    for (const std::filesystem::path& file : files) {
        std::filesystem::path log = file;
        log += "-wal";
        files_.push_back(file);
        files_.push_back(std::move(log));
    }
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] {
        if (QApplication::activeModalWidget()) {
            settle_.start();  // told once the question is answered
            return;
        }
        emit changed();
    });
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        watchFiles();  // a file replaced or removed is no longer watched
        settle_.start();
    });
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        watchFiles();
        settle_.start();
    });
    watchFiles();
    window.installEventFilter(this);
}

void FileChangeListener::watchFiles() {
    const QStringList watched = watcher_->files() + watcher_->directories();
    for (const std::filesystem::path& file : files_) {
        std::error_code error;
        for (const std::filesystem::path& path : {file, file.parent_path()}) {
            const QString name = pathString(path);
            if (!watched.contains(name) && std::filesystem::exists(path, error)) watcher_->addPath(name);
        }
    }
}

bool FileChangeListener::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        watchFiles();
        settle_.start();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace andel
