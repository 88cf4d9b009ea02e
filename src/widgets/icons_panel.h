#pragma once
// The pictures of the main window's picture buttons, drawn here as simple icons.
#include <QIcon>

namespace andel {

enum class Picture { Printer, Trophy, Disk, Player, Menu, OnlineFile, Close, Folder, Calendar, Reset, Ledger };

QIcon pictureIcon(Picture picture, int size = 24);

}  // namespace andel
