#pragma once

#include <QTreeWidget>
#include <string>
#include <vector>

namespace jukewright::gui {

// A directory list: the current folder under the folders above it, and the folders inside it below.
// Opening a row (double click or Enter) asks for that folder; selecting a row only selects it.
class DirectoryList : public QTreeWidget {
    Q_OBJECT

public:
    explicit DirectoryList(QWidget* parent = nullptr);

    const QString& path() const { return m_path; }
    void showFolder(const std::string& folder, const std::vector<std::string>& subfolders);
    // The row of a folder shown in the list, or none.
    QTreeWidgetItem* rowOf(const QString& folder);

Q_SIGNALS:
    void openRequested(const QString& folder);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTreeWidgetItem* addRow(QTreeWidgetItem* parent, const std::string& folder, bool open);

    QString m_path;
};

} // namespace jukewright::gui
