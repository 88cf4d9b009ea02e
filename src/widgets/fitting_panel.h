#pragma once
// Texts and lists kept inside the fixed places the windows give them.
#include <QString>
#include <QStringList>
#include <QStyledItemDelegate>

class QComboBox;
class QFontMetrics;
class QLabel;
class QLineEdit;

namespace andel {

// Shows the text whole when it fits the label; otherwise cut after a whole character
// with "…", and the whole text in the label's tool tip above the label's own hint.
void setFittedText(QLabel& label, const QString& text, const QString& hint = {});

// Makes the field exactly wide enough to show each of the texts whole (the placeholder
// "DD.MM.ÅÅÅÅ" as well as a date typed), inside the frame and margins the style draws.
void fitFieldToTexts(QLineEdit& field, const QStringList& texts);

// The text cut after its last whole character that fits in `width` pixels, with no mark:
// narrow grid columns show the start of their text ("LØR" for "LØRDAG").
QString cutToWidth(const QFontMetrics& metrics, const QString& text, int width);

// Grid cells narrower than their text show it whole in a tool tip; `indent` is the room
// the cell's painting leaves before the text.
class CutCellTipDelegate : public QStyledItemDelegate {
public:
    CutCellTipDelegate(int indent, QObject* parent) : QStyledItemDelegate(parent), indent_(indent) {}
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    int indent() const { return indent_; }

private:
    int indent_;
};

// A drop-down list of many items (shares, game weeks) opens as a scrolling list of
// about twenty rows with the current item in view, whatever the style's habit of
// opening lists over the whole screen.
void showListRows(QComboBox& box, int rows = 20);

}  // namespace andel
