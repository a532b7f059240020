#pragma once

#include <string>
#include <vector>

class QListWidget;

namespace jukewright::gui {

// A list box whose rows come whole from the core, again and again while a scan runs. Rows that did
// not change are left alone; new rows replace the old in one go, keeping the current row the caller
// names and the place the person had scrolled to, without telling anyone the current row moved.
class RefilledList {
public:
    explicit RefilledList(QListWidget* list);

    // Shows the rows with `current` as the current row (-1 for none); false when they were shown already.
    bool show(std::vector<std::string> rows, int current);
    // The row the list shows there, as it was given.
    const std::string& row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }
    int currentRow() const;

private:
    void rebuild(int current);

    QListWidget* m_list;
    std::vector<std::string> m_rows;
};

} // namespace jukewright::gui
