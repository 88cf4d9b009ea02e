#include "main_window/icon_column_panel.h"

#include "widgets/icons_panel.h"

#include <QPushButton>
#include <QToolButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace andel {
namespace {

QVBoxLayout* column(QFrame& frame) {
    frame.setFrameShape(QFrame::Panel);
    frame.setFrameShadow(QFrame::Raised);
    auto* layout = new QVBoxLayout(&frame);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    return layout;
}

}  // namespace

IconColumnPanel::IconColumnPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("ikonkolonne"));
    QVBoxLayout* layout = column(*this);
    const struct {
        const char* name;
        Picture picture;
        const char* hint;
        void (IconColumnPanel::*signal)();
        bool onPress;
    } buttons[] = {
        {"bildeknapp1", Picture::Player, "Velg spiller fra kundekartoteket", &IconColumnPanel::playerRequested, true},
        {"bildeknapp2", Picture::Menu, "Vis kommandopanelet", &IconColumnPanel::commandPanelRequested, true},
        {"BitBtn2", Picture::OnlineFile, "Lag onlinefil", &IconColumnPanel::onlineFileRequested, false},
        {"bildeknapp4", Picture::Close, "Skjul kommandopanelet", &IconColumnPanel::commandPanelClosed, false},
        {"bildeknapp5", Picture::Folder, "Hent lagrede rekker", &IconColumnPanel::storedRowsRequested, false},
    };
    for (const auto& b : buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setIcon(pictureIcon(b.picture, 28));
        button->setIconSize(QSize(28, 28));
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        if (b.onPress) connect(button, &QToolButton::pressed, this, b.signal);
        else connect(button, &QToolButton::clicked, this, b.signal);
        if (b.signal == &IconColumnPanel::storedRowsRequested) {
            // The accounts sit beside the storage browser's button, in the same row.
            auto* row = new QHBoxLayout;
            row->setSpacing(3);
            row->addWidget(button);
            auto* accounts = new QToolButton(this);
            accounts->setObjectName(QStringLiteral("andelsregnskapknapp"));
            accounts->setIcon(pictureIcon(Picture::Ledger, 28));
            accounts->setIconSize(QSize(28, 28));
            accounts->setToolTip(QStringLiteral("Andelsregnskap"));
            accounts->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            connect(accounts, &QToolButton::clicked, this, &IconColumnPanel::accountsRequested);
            row->addWidget(accounts);
            layout->addLayout(row);
        } else {
            layout->addWidget(button);
        }
        if (b.signal == &IconColumnPanel::onlineFileRequested) makeOnlineFile_ = button;
    }
    // The second control of the make command, never shown; it runs the same command.
    auto* hidden = new QToolButton(this);
    hidden->setObjectName(QStringLiteral("lagonlinefil"));
    hidden->hide();
    connect(hidden, &QToolButton::clicked, this, &IconColumnPanel::onlineFileRequested);
}

void IconColumnPanel::setPlayable(bool playable) { makeOnlineFile_->setEnabled(playable); }

CommandPanel::CommandPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("holdmeny"));
    setStyleSheet(QStringLiteral("#holdmeny { background: #d8d8e8; } QPushButton { padding: 2px 0px; }"));
    QVBoxLayout* layout = column(*this);
    const struct {
        const char* caption;
        const char* name;
        void (CommandPanel::*signal)();
    } buttons[] = {
        {"Andeslbrev", "lagandelsbrevbutton", &CommandPanel::certificatesRequested},
        {"Premietelling", "premietellingknapp", &CommandPanel::prizeRequested},
        {"Systemanalyse", "systemanalyse", &CommandPanel::analysisRequested},
        {"Lagre rekker", "BitBtn27", &CommandPanel::storeRequested},
        {"Forhåndsvisning", "forhaandsvisning", &CommandPanel::previewRequested},
        {"Lukk", "lukkholdmeny", &CommandPanel::closeRequested},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(button, &QPushButton::clicked, this, b.signal);
        layout->addWidget(button);
        if (b.signal == &CommandPanel::certificatesRequested) certificates_ = button;
        if (b.signal == &CommandPanel::storeRequested) storeRows_ = button;
    }
}

void CommandPanel::setPlayable(bool playable) {
    certificates_->setEnabled(playable);
    storeRows_->setEnabled(playable);
}

}  // namespace andel
