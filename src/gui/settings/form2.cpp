#include "gui/settings/form2.h"

#include "gui/common/dialogs.h"
#include "gui/common/strings.h"
#include "gui/common/widgets.h"
#include "gui/settings/form3.h"
#include "settings/folder_tree.h"
#include "settings/mounted_volumes.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>

#include <system_error>

namespace kst {

TForm2* Form2 = nullptr;

namespace {

// How far each level of the folder list is indented, in pixels.
constexpr int IndentStep = 10;

QFont chooserFont(bool bold)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

// Draws each row of the folder list moved right by its depth, so that the
// list reads as a tree: the path from the root down, then the subfolders.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += indent(index);
        return size;
    }

private:
    static int indent(const QModelIndex& index) { return index.data(TForm2::DepthRole).toInt() * IndentStep; }
};

}  // namespace

TForm2::TForm2() : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    Form2 = this;
    buildControls();
    FormCreate();
}

TForm2::~TForm2()
{
    if (Form2 == this)
        Form2 = nullptr;
}

void TForm2::buildControls()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(qtr(strings::FolderListCaption));
    setFont(chooserFont(false));
    setFixedSize(289, 266);
    const QFont bold = chooserFont(true);

    DriveComboBox1 = named(new QComboBox(this), "DriveComboBox1");
    DriveComboBox1->setGeometry(0, 4, 145, 19);

    // The label is as wide as the window leaves it; a longer path is shortened
    // in the middle, and its tooltip always holds the whole of it.
    Label1 = named(new QLabel(this), "Label1");
    Label1->setGeometry(152, 8, width() - 152 - 4, fontMetrics().height());

    DirectoryListBox1 = named(new QListWidget(this), "DirectoryListBox1");
    DirectoryListBox1->setGeometry(0, 28, 285, 181);
    DirectoryListBox1->setItemDelegate(new IndentDelegate(DirectoryListBox1));
    DirectoryListBox1->setUniformItemSizes(true);
    DirectoryListBox1->installEventFilter(this);

    Label2 = named(new QLabel(qtr(strings::SelectDirectory), this), "Label2");
    Label2->setFont(bold);
    Label2->adjustSize();
    Label2->move(88, 216);

    Button1 = named(new QPushButton(qtr(strings::OkButton), this), "Button1");
    Button1->setFont(bold);
    Button1->setGeometry(56, 236, 75, 25);
    Button2 = named(new QPushButton(qtr(strings::CancelButton), this), "Button2");
    Button2->setFont(bold);
    Button2->setGeometry(136, 236, 75, 25);

    connect(DriveComboBox1, &QComboBox::activated, this, &TForm2::DriveComboBox1Change);
    connect(DirectoryListBox1, &QListWidget::itemDoubleClicked, this, &TForm2::DirectoryListBox1DblClick);
    connect(DirectoryListBox1, &QListWidget::currentItemChanged, this, &TForm2::DirectoryListBox1Change);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
}

void TForm2::FormCreate()
{
    const QIcon drive = style()->standardIcon(QStyle::SP_DriveHDIcon);
    volumes_ = mountedVolumes();
    for (const std::filesystem::path& volume : volumes_)
        DriveComboBox1->addItem(drive, toQt(volume.string()));

    std::error_code ec;
    std::filesystem::path start = std::filesystem::current_path(ec);
    if (ec)
        start = "/";
    // The process's folder is shown even when its content cannot be read:
    // nothing was asked of the user yet, so there is nothing to refuse.
    current_ = chooserFolder(start);
    showFolder(folderTree(current_));
}

void TForm2::enterFolder(const std::filesystem::path& folder)
{
    FolderTree tree = folderTree(folder);
    if (!tree.readable) {
        dialogs().error(qformat(strings::FolderNotOpened, {toQt(chooserFolder(folder).string()), toQt(tree.reason)}));
        // The folder may have gone; show what is there now.
        showFolder(folderTree(current_));
        return;
    }
    current_ = chooserFolder(folder);
    showFolder(tree);
}

void TForm2::showFolder(const FolderTree& tree)
{
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    DirectoryListBox1->clear();
    QListWidgetItem* currentItem = nullptr;
    for (const FolderEntry& entry : tree.entries) {
        bool subfolder = entry.kind == FolderEntry::Kind::Subfolder;
        auto* item = new QListWidgetItem(subfolder ? closed : open, toQt(entry.name), DirectoryListBox1);
        item->setData(PathRole, toQt(entry.path.string()));
        item->setData(DepthRole, entry.depth);
        if (entry.kind == FolderEntry::Kind::Current)
            currentItem = item;
    }
    if (currentItem) {
        DirectoryListBox1->setCurrentItem(currentItem);
        DirectoryListBox1->scrollToItem(currentItem);
    }
    DirectoryListBox1Change();
}

std::filesystem::path TForm2::chosenFolder() const
{
    const QListWidgetItem* item = DirectoryListBox1->currentItem();
    return item ? chooserFolder(fromQt(item->data(PathRole).toString())) : current_;
}

void TForm2::DirectoryListBox1Change()
{
    const QString text = toQt(chosenFolderText(chosenFolder()));
    Label1->setText(Label1->fontMetrics().elidedText(text, Qt::ElideMiddle, Label1->width()));
    Label1->setToolTip(text);

    std::size_t volume = volumeOf(current_, volumes_);
    if (volume < volumes_.size())
        DriveComboBox1->setCurrentIndex(static_cast<int>(volume));
}

void TForm2::DriveComboBox1Change(int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < volumes_.size())
        enterFolder(volumes_[static_cast<std::size_t>(index)]);
}

void TForm2::DirectoryListBox1DblClick(QListWidgetItem* item)
{
    if (item)
        enterFolder(fromQt(item->data(PathRole).toString()));
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    // Enter opens the highlighted folder, as a double click does.
    if (watched == DirectoryListBox1 && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            DirectoryListBox1DblClick(DirectoryListBox1->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm2::Button1Click()
{
    // With no box asking for a folder there is nothing to fill, and the chooser stays.
    if (Form3->folderChosen(toQt(chosenFolderText(chosenFolder()))))
        hide();
}

void TForm2::Button2Click()
{
    hide();
    Form3->folderChosen(std::nullopt);
}

}  // namespace kst
