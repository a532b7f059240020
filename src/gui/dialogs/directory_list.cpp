#include "gui/dialogs/directory_list.h"

#include "core/browse/folder_tree.h"

#include <QKeyEvent>
#include <QStyle>
#include <QTreeWidgetItemIterator>

namespace jukewright::gui {

DirectoryList::DirectoryList(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(12);
    // Every shown level is open and stays open: no fold arrows. A style sheet replaces the palette,
    // so it names the program's colours too.
    setStyleSheet(QStringLiteral("QTreeView { background: rgb(246, 145, 16); color: white; }"
                                 "QTreeView::branch { image: none; border-image: none; }"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { Q_EMIT openRequested(item->data(0, Qt::UserRole).toString()); });
}

void DirectoryList::showFolder(const std::string& folder, const std::vector<std::string>& subfolders) {
    clear();
    QTreeWidgetItem* current = nullptr;
    for (const std::string& step : folderChain(folder))
        current = addRow(current, step, true);
    for (const std::string& subfolder : subfolders)
        addRow(current, subfolder, false);
    expandAll();
    if (current) {
        setCurrentItem(current);
        scrollToItem(current);
    }
    m_path = current ? current->data(0, Qt::UserRole).toString() : QString::fromStdString(folder);
}

QTreeWidgetItem* DirectoryList::rowOf(const QString& folder) {
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == folder)
            return *it;
    }
    return nullptr;
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    // Enter opens the current folder here; it must not also reach the dialog's default button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        Q_EMIT itemActivated(currentItem(), 0);
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QTreeWidgetItem* DirectoryList::addRow(QTreeWidgetItem* parent, const std::string& folder, bool open) {
    auto* row = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    row->setIcon(0, style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    row->setText(0, QString::fromStdString(folderLabel(folder)));
    row->setData(0, Qt::UserRole, QString::fromStdString(folder));
    return row;
}

} // namespace jukewright::gui
