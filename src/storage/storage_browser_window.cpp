#include "storage/storage_browser_window.h"

#include "platform/guarded.h"
#include "platform/io_error.h"
#include "widgets/file_change_listener.h"
#include "widgets/fitting_panel.h"
#include "widgets/window_parts_panel.h"

#include "storage/delete_storage_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace andel {
namespace {

// Data rows in the window colour with black text, the selected row navy with white text,
// the "Slett" column always pure red; text 6 pixels from the cell's left edge.
class StorageCellDelegate : public CutCellTipDelegate {
public:
    StorageCellDelegate(int deleteColumn, QObject* parent) : CutCellTipDelegate(6, parent), deleteColumn_(deleteColumn) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (option.rect.width() < 1) return;
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, selected ? QColor(0, 0, 128) : option.palette.base().color());
        painter->setPen(index.column() == deleteColumn_ ? QColor(255, 0, 0) : selected ? Qt::white : Qt::black);
        const QRect text = option.rect.adjusted(indent(), 0, 0, 0);
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                          cutToWidth(option.fontMetrics, index.data().toString(), text.width()));
    }

private:
    int deleteColumn_;
};

}  // namespace

Thentrekker::Thentrekker(Workspace workspace, Messages& messages, std::function<DisketteRoot()> diskette,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), workspace_(std::move(workspace)), messages_(messages),
      diskette_(std::move(diskette)) {
    setObjectName(QStringLiteral("Thentrekker"));
    setWindowTitle(QStringLiteral("Internt lager"));
    confirm_ = [this](std::size_t count) {
        if (!deleteDialog_) deleteDialog_ = new Tslettlagerfiler(this);
        return deleteDialog_->confirm(count);
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    auto* menu = new QMenuBar(this);
    layout->setMenuBar(menu);
    auto* bar = new QHBoxLayout;
    QToolButton* close = pictureButton(this, QStyle::SP_DialogCloseButton, "lukk");
    QToolButton* remove = pictureButton(this, QStyle::SP_TrashIcon, "slettmerkede");
    hold_ = new QCheckBox(QString::fromStdString(browser_.holdCaption), this);
    hold_->setObjectName(QStringLiteral("holdforsletting"));
    bar->addWidget(close);
    bar->addWidget(remove);
    bar->addWidget(hold_, 1);
    layout->addLayout(bar);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("lagertabell"));
    table_->setColumnCount(kStorageColumns);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(18);
    table_->horizontalHeader()->setMinimumSectionSize(0);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->horizontalHeader()->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: rgb(192,192,192); color: black; padding-left: 2px;"
        " border-top: 1px solid white; border-left: 1px solid white;"
        " border-bottom: 1px solid rgb(128,128,128); border-right: 1px solid rgb(128,128,128); }"));
    table_->setItemDelegate(new StorageCellDelegate(browser_.table.column(kDeleteHeader), table_));
    table_->viewport()->installEventFilter(this);
    layout->addWidget(table_);

    buildMenu();
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    // Every handler runs guarded: a file error is shown and the browser goes on.
    connect(remove, &QToolButton::clicked, this, [this] {
        std::vector<std::string> deleted;
        runGuarded(messages_, [&] { deleted = deleteMarkedStorage(browser_, workspace_, diskette_(), messages_, confirm_); });
        render();
        for (const std::string& serial : deleted) {
            if (deletedSyndicate_) runGuarded(messages_, [&] { deletedSyndicate_(serial); });
        }
    });
    connect(hold_, &QCheckBox::toggled, this, [this](bool on) { runGuarded(messages_, [&] { setMarking(on); }); });
    connect(table_, &QTableWidget::cellPressed, this,
            [this](int row, int) { runGuarded(messages_, [&] { rowPressed(row); }); });
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int) {
        if (browser_.marking && (QGuiApplication::mouseButtons() & Qt::LeftButton)) {
            runGuarded(messages_, [&] { rowPressed(row); });
        }
    });
    connect(table_, &QTableWidget::cellClicked, this,
            [this](int row, int) { runGuarded(messages_, [&] { rowClicked(row); }); });
    resize(620, 420);
    listStorage(StorageSource::HardDisk);
}

void Thentrekker::buildMenu() {
    auto* menu = findChild<QMenuBar*>();
    QMenu* file = menu->addMenu(QStringLiteral("&Fil"));
    fromDiskette_ = file->addAction(QStringLiteral("&Hent fra diskett"));
    fromHardDisk_ = file->addAction(QStringLiteral("H&ent fra harddisk"));
    for (QAction* source : {fromDiskette_, fromHardDisk_}) source->setCheckable(true);
    fromHardDisk_->setChecked(true);
    const auto choose = [this](StorageSource source) {
        if (browser_.marking) hold_->setChecked(false);
        fromDiskette_->setChecked(source == StorageSource::Diskette);
        fromHardDisk_->setChecked(source == StorageSource::HardDisk);
        runGuarded(messages_, [&] { listStorage(source); });
    };
    connect(fromDiskette_, &QAction::triggered, this, [choose] { choose(StorageSource::Diskette); });
    connect(fromHardDisk_, &QAction::triggered, this, [choose] { choose(StorageSource::HardDisk); });

    QMenu* sorting = menu->addMenu(QStringLiteral("&Sortering"));
    const std::pair<const char*, StorageOrder> entries[] = {
        {"S&ist lagret", StorageOrder::LastSaved},      {"&Etternavn", StorageOrder::LastName},
        {"&Fornavn", StorageOrder::FirstName},          {"&Spillenummer", StorageOrder::PlayerNumber},
        {"rekkeantall", StorageOrder::RowCount},        {"lagertype", StorageOrder::StorageType},
    };
    for (const auto& [text, order] : entries) {
        connect(sorting->addAction(QString::fromUtf8(text)), &QAction::triggered, this, [this, order = order] {
            runGuarded(messages_, [&] { sortStorage(browser_.table, order); });
            render();
        });
    }
}

void Thentrekker::listStorage(StorageSource source) {
    browser_.voided = {};
    if (voidedNow_) {
        browser_.voided = [voided = voidedNow_()](const std::string& serial) { return voided.count(serial) > 0; };
    }
    andel::listStorage(browser_, source, workspace_, diskette_());
    render();
}

void Thentrekker::setVoidedSerials(std::function<std::set<std::string>()> voidedNow, std::vector<std::filesystem::path> watched) {
    voidedNow_ = std::move(voidedNow);
    if (watched.empty()) return;
    connect(new FileChangeListener(*this, std::move(watched)), &FileChangeListener::changed, this,
            [this] { runGuarded(messages_, [this] { markVoidedNow(); }); });
}

void Thentrekker::markVoidedNow() {
    if (!voidedNow_ || !isVisible()) return;
    std::set<std::string> voided;
    try {
        voided = voidedNow_();
    } catch (const IoError&) {
        return;  // books that cannot be read now leave the marks as they are; listing anew says why
    }
    if (markVoided(browser_.table, [&](const std::string& serial) { return voided.count(serial) > 0; })) render();
}

void Thentrekker::placeBeside(const QWidget& mainWindow) {
    const QRect main = mainWindow.frameGeometry();
    setGeometry(main.center().x() - width() / 2, main.top() + 45, width(), main.height() - 85);
}

void Thentrekker::render() {
    const TextTable& table = browser_.table;
    table_->setRowCount(static_cast<int>(table.rows.size()));
    for (int column = 0; column < kStorageColumns; ++column) {
        table_->setHorizontalHeaderItem(column, new QTableWidgetItem(QString::fromStdString(table.headers[column])));
        table_->setColumnWidth(column, table.widths[column]);
        table_->setColumnHidden(column, table.widths[column] == 0);
    }
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        for (int column = 0; column < kStorageColumns; ++column) {
            const QString text = QString::fromStdString(table.rows[row][column]);
            QTableWidgetItem* item = table_->item(static_cast<int>(row), column);
            if (!item) table_->setItem(static_cast<int>(row), column, item = new QTableWidgetItem);
            if (item->text() != text) item->setText(text);
        }
    }
    const QSignalBlocker quiet(hold_);
    hold_->setChecked(browser_.marking);
    hold_->setText(QString::fromStdString(browser_.holdCaption));
}

void Thentrekker::setMarking(bool on) {
    if (on == browser_.marking) return;
    andel::setMarking(browser_, on);
    render();
}

void Thentrekker::rowPressed(int row) {
    if (!browser_.marking || row < 0) return;
    toggleMark(browser_, static_cast<std::size_t>(row));
    render();
}

void Thentrekker::rowClicked(int row) {
    if (browser_.marking || row < 0) return;
    const bool load = chooseRow(browser_, static_cast<std::size_t>(row));
    close();
    if (load) emit fetchStoredRows();
}

bool Thentrekker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_->viewport() && event->type() == QEvent::MouseButtonRelease) andel::releaseMouse(browser_);
    return QWidget::eventFilter(watched, event);
}

void Thentrekker::closeEvent(QCloseEvent* event) {
    if (browser_.marking) hold_->setChecked(false);
    QWidget::closeEvent(event);
}

}  // namespace andel
