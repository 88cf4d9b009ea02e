#pragma once
// Painting pages needs a GUI application; the tool makes one only for the subcommands
// that write a PDF, offscreen when there is no display.
#include <QGuiApplication>

#include <memory>

namespace andel::cli {

// The application, with Qt's texts in Bokmål and the layout's fonts; nothing when one
// already runs. Qt's own notes are kept off stderr; its critical errors pass.
std::unique_ptr<QGuiApplication> guiApplication();

}  // namespace andel::cli
