#pragma once
// The icon column of five picture buttons, and the command panel that is shown over it.
#include <QFrame>

class QPushButton;
class QToolButton;

namespace andel {

class IconColumnPanel : public QFrame {
    Q_OBJECT
public:
    explicit IconColumnPanel(QWidget* parent);
    void setPlayable(bool playable);

signals:
    void playerRequested();       // picture button 1
    void commandPanelRequested();  // picture button 2 (on mouse down)
    void onlineFileRequested();    // picture button 3, `BitBtn2`
    void commandPanelClosed();     // picture button 4
    void storedRowsRequested();    // picture button 5
    void accountsRequested();      // beside picture button 5: "Andelsregnskap"

private:
    QToolButton* makeOnlineFile_;
};

class CommandPanel : public QFrame {
    Q_OBJECT
public:
    explicit CommandPanel(QWidget* parent);
    void setPlayable(bool playable);

signals:
    void certificatesRequested();
    void prizeRequested();
    void analysisRequested();
    void storeRequested();
    void previewRequested();
    void closeRequested();

private:
    QPushButton* certificates_;
    QPushButton* storeRows_;
};

}  // namespace andel
