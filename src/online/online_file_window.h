#pragma once
// `Tonlinefilform`, the online-file window: turns the intermediate rows file into the
// online file and shows its progress while it writes.
#include "online/online_conversion.h"
#include "platform/message_box_dialog.h"
#include "platform/workspace.h"

#include <QDialog>

#include <string>

class QFrame;
class QLabel;
class QListWidget;
class QProgressBar;

namespace andel {

class Tonlinefilform : public QDialog, private WriteProgress {
    Q_OBJECT
public:
    // Messages go to message boxes unless a sink is given (tests record them).
    explicit Tonlinefilform(Workspace workspace, Messages* messages = nullptr, QWidget* parent = nullptr);

    // The rows file, relative to the working directory ("TPP.TMP").
    void setInputFile(const std::string& name) { inputFile_ = name; }
    // "TIPPING", "LOTTO", "VIKING-LOTTO", "EXTRA", "ODDSBOMBEN" or "ODDS"; a name this
    // program does not write does nothing and leaves the window open.
    void setGame(const std::string& game) { game_ = game; }

    // "Les inn": converts, then closes the window. An input/output error is shown and
    // gives the outcome Failed; the window closes then too.
    ConversionResult run();
    const ConversionResult& lastResult() const { return result_; }

private:
    void gameShown(const std::string& text) override;
    void started(long totalCoupons) override;
    void recordWritten(long written, int percent) override;
    void listed(const std::string& line) override;

    Workspace workspace_;
    MessageBoxes messageBoxes_;
    Messages& messages_;
    std::string inputFile_;
    std::string game_;
    ConversionResult result_;
    int shownPercent_ = -1;

    QLabel* spilltype_;
    QLabel* kupongerialt_;
    QLabel* skrevettilno_;
    QLabel* prosentwindow_;
    QFrame* panel6_;
    QProgressBar* progressBar_;
    QListWidget* listBox_;
};

}  // namespace andel
