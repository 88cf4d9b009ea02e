#pragma once
// Tells a window that files it shows figures from may have changed: when one of them is
// written (by this program or another; a file made later in a watched folder counts) and
// when the window is activated. Told once for a burst of writes, and never while a modal
// dialog is open: a window must not change its figures under a question it asked.
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <vector>

class QFileSystemWatcher;
class QWidget;

namespace andel {

class FileChangeListener : public QObject {
    Q_OBJECT
public:
    // `files` may not exist yet; their folders are watched for them. A database's
    // write-ahead log beside it (NAME-wal), where its writes land first, is watched too.
    FileChangeListener(QWidget& window, std::vector<std::filesystem::path> files);

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchFiles();

    std::vector<std::filesystem::path> files_;
    QFileSystemWatcher* watcher_;
    QTimer settle_;
};

}  // namespace andel
