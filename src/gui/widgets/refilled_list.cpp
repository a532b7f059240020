#include "gui/widgets/refilled_list.h"

#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <utility>

namespace jukewright::gui {

RefilledList::RefilledList(QListWidget* list) : m_list(list) {
    // Every row is one line of text: the list need not measure tens of thousands of them.
    m_list->setUniformItemSizes(true);
}

bool RefilledList::show(std::vector<std::string> rows, int current) {
    if (rows == m_rows) {
        if (m_list->currentRow() != current) {
            const QSignalBlocker quiet(m_list);
            m_list->setCurrentRow(current);
        }
        return false;
    }
    m_rows = std::move(rows);
    rebuild(current);
    return true;
}

int RefilledList::currentRow() const {
    return m_list->currentRow();
}

void RefilledList::rebuild(int current) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(m_rows.size()));
    for (const std::string& row : m_rows)
        texts << QString::fromStdString(row);
    const QSignalBlocker quiet(m_list);
    const int scrolled = m_list->verticalScrollBar()->value();
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    m_list->addItems(texts);
    m_list->setCurrentRow(current);
    // Laid out now, so the scroll bar has its new range before it goes back to where it was.
    m_list->doItemsLayout();
    m_list->verticalScrollBar()->setValue(scrolled);
    m_list->setUpdatesEnabled(true);
}

} // namespace jukewright::gui
