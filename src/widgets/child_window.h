#pragma once
// The program makes each of its windows once, as a child of the main window; a command
// that needs one finds it there. Made on first use where the program did not make it
// (a window tested alone), and kept for the next use.
#include <QWidget>

namespace andel {

// Shows the window in front with the keyboard.
inline void raiseWindow(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

template <class Window, class Make>
Window& childWindow(QWidget* mainWindow, Make&& make) {
    if (mainWindow) {
        if (auto* found = mainWindow->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly)) return *found;
    }
    Window* made = make(mainWindow);
    made->hide();
    return *made;
}

}  // namespace andel
