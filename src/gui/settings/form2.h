#pragma once

#include <QWidget>

#include <filesystem>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace kst {

struct FolderTree;

// The folder chooser: picks the temporary or the output folder of the Options
// window from a drive list and a folder tree. Its OK fills the box whose
// choice flag the Options window set.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    // Item data of the folder list's rows.
    static constexpr int PathRole = Qt::UserRole;       // the row's full path
    static constexpr int DepthRole = Qt::UserRole + 1;  // its indentation level

    TForm2();
    ~TForm2() override;

    // The folder the list has open.
    const std::filesystem::path& currentFolder() const { return current_; }
    // What OK passes on: the highlighted row's folder, which is the open one
    // until another row is clicked or reached with the arrow keys.
    std::filesystem::path chosenFolder() const;
    // Opens a folder in the list. One whose content cannot be read is reported
    // and not opened; the list then shows the current folder afresh.
    void enterFolder(const std::filesystem::path& folder);

    QComboBox* DriveComboBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* DirectoryListBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

public slots:
    void DriveComboBox1Change(int index);
    void DirectoryListBox1DblClick(QListWidgetItem* item);
    void DirectoryListBox1Change();
    void Button1Click();
    void Button2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void showFolder(const FolderTree& tree);

    std::filesystem::path current_;
    std::vector<std::filesystem::path> volumes_;
};

extern TForm2* Form2;

}  // namespace kst
