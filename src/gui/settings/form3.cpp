#include "gui/settings/form3.h"

#include "gui/common/strings.h"
#include "gui/common/termination.h"
#include "gui/common/widgets.h"
#include "gui/settings/form2.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/program_files.h"
#include "settings/folder_box.h"
#include "settings/profile_file.h"
#include "settings/setting_values.h"
#include "settings/stored_settings.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace kst {

TForm3* Form3 = nullptr;

namespace {

void setStayOnTop(QWidget* window, bool onTop)
{
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    // Changing a window's flags takes it off the screen; put it back where it was.
    bool shown = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown)
        window->show();
}

}  // namespace

void setWindowsStayOnTop(bool onTop)
{
    if (Form3)
        setStayOnTop(Form3->ownerWindow(), onTop);
    setStayOnTop(Form2, onTop);
    setStayOnTop(Form3, onTop);
}

TForm3::TForm3(SettingsOwner& owner, QWidget* ownerWindow)
    : QWidget(nullptr, Qt::Tool), owner_(owner), ownerWindow_(ownerWindow)
{
    Form3 = this;
    buildControls();
    FormCreate();
}

TForm3::~TForm3()
{
    if (Form3 == this)
        Form3 = nullptr;
}

void TForm3::buildControls()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(qtr(strings::OptionsCaption));
    setFont(tahomaFont(true));
    setFixedSize(309, 208);  // a row below the buttons names the patch file
    const QFont regular = tahomaFont(false);

    GroupBox1 = named(new QGroupBox(qtr(strings::OptionsGroup), this), "GroupBox1");
    GroupBox1->setGeometry(4, 0, 301, 145);

    auto caption = [&](const char* name, TextId text, int left, int top) {
        auto* label = named(new QLabel(qtr(text), GroupBox1), name);
        label->setFont(regular);
        label->adjustSize();
        label->move(left, top);
        return label;
    };
    auto box = [&](const char* name, int top) {
        auto* edit = named(new QLineEdit(GroupBox1), name);
        edit->setGeometry(84, top, 177, 21);
        return edit;
    };
    auto chooser = [&](const char* name, int top) {
        auto* button = named(new QPushButton(qtr(strings::ChooseButton), GroupBox1), name);
        button->setGeometry(268, top, 25, 21);
        return button;
    };
    auto check = [&](const char* name, TextId text, int top) {
        auto* checkBox = named(new QCheckBox(qtr(text), GroupBox1), name);
        checkBox->setGeometry(8, top, 285, 17);
        return checkBox;
    };
    Label1 = caption("Label1", strings::EmulatorPathLabel, 8, 20);
    Edit1 = box("Edit1", 16);
    BitBtn1 = chooser("BitBtn1", 16);
    CheckBox1 = check("CheckBox1", strings::AlwaysOnTop, 100);
    Label2 = caption("Label2", strings::TemporaryDirLabel, 8, 44);
    Edit2 = box("Edit2", 40);
    BitBtn4 = chooser("BitBtn4", 40);
    Label3 = caption("Label3", strings::OutputDirLabel, 16, 68);
    Edit3 = box("Edit3", 64);
    BitBtn5 = chooser("BitBtn5", 64);
    CheckBox2 = check("CheckBox2", strings::DeleteUnpacked, 116);

    BitBtn2 = named(new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), qtr(strings::OkButton), this),
                    "BitBtn2");
    BitBtn2->setGeometry(76, 152, 75, 25);
    BitBtn3 = named(
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), qtr(strings::CancelButton), this),
        "BitBtn3");
    BitBtn3->setGeometry(156, 151, 75, 25);
    Label4 = named(new QLabel(qtr(strings::PatchFileLabel), this), "Label4");
    Label4->setFont(regular);
    Label4->adjustSize();
    Label4->move(12, 187);
    Edit4 = named(new QLineEdit(this), "Edit4");
    Edit4->setGeometry(88, 183, 209, 21);
    Edit4->setReadOnly(true);

    fitCaptions();

    QWidget* tabOrder[] = {Edit1, BitBtn1, CheckBox1, Edit2, BitBtn4, Edit3, BitBtn5, CheckBox2, BitBtn2, BitBtn3, Edit4};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Programs here carry no extension, so the filter that shows them comes
    // first. No default suffix: one added to a typed name would point at a
    // file that is not there.
    OpenDialog1.filters = {qtr(strings::FilterPrograms), qtr(strings::FilterWin32Executable)};
    OpenDialog1.patterns = {QStringLiteral("*"), QStringLiteral("*.exe")};
    OpenDialog1.filterIndex = 0;

    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm3::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm3::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm3::BitBtn5Click);
    connect(Edit3, &QLineEdit::textChanged, this, &TForm3::Edit3Change);
}

// Tahoma is narrower than the sans faces that stand in for it, and the layout
// leaves the captions no room to spare. Where a caption would run into its box
// or be cut off, both fonts are narrowed just enough for all to fit (to three
// quarters of their width at most); with Tahoma nothing changes.
void TForm3::fitCaptions()
{
    constexpr int Gap = 2;
    const int stretch = stretchToFit({
        {Label1, Edit1->x() - Gap - Label1->x()},
        {Label2, Edit2->x() - Gap - Label2->x()},
        {Label3, Edit3->x() - Gap - Label3->x()},
        {Label4, Edit4->x() - Gap - Label4->x()},
        {CheckBox1, CheckBox1->width()},
        {CheckBox2, CheckBox2->width()},
    });
    if (stretch == 100)
        return;

    QFont bold = font();
    bold.setStretch(stretch);
    setFont(bold);
    for (QLabel* label : {Label1, Label2, Label3, Label4}) {
        QFont regular = label->font();
        regular.setStretch(stretch);
        label->setFont(regular);
        label->adjustSize();
    }
}

// Loads the settings file into this window and the main window.
void TForm3::FormCreate()
{
    chooseTemporaryFolder = false;
    Platform& services = platform();
    const ProgramFiles files = locateProgramFiles(services);
    showPatchFile(owner_.patchFile());
    try {
        if (!prepareSettings(services, files)) {
            dialogs().message(qtr(strings::OptionsFileMissing));
            requestTermination();
            return;
        }
    } catch (const FileError& error) {
        dialogs().error(qformat(strings::SettingsNotCreated,
                                {toQt(files.settings.string()), toQt(files.shippedSettings.string()),
                                 toQt(error.reason())}));
        requestTermination();
        return;
    }
    // A FIFO or a device in its place would hang or flood the start; refuse it as unusable.
    try {
        ProfileFile(files.settings).check();
    } catch (const FileError& error) {
        dialogs().error(qformat(strings::SettingsNotRead, {toQt(error.path().string()), toQt(error.reason())}));
        requestTermination();
        return;
    }
    const StoredSettings stored = readStoredSettings(ProfileFile(files.settings), files.outputFolder,
                                                     services.temporaryFolder());

    Edit1->setText(toQt(stored.emulatorPath));
    Edit3->setText(toQt(stored.outputFolder));
    Edit2->setText(toQt(stored.temporaryFolder));
    owner_.applySettings(stored);
    CheckBox1->setChecked(stored.alwaysOnTop);
    CheckBox2->setChecked(stored.deleteUnpacked);
    deleteUnpacked = CheckBox2->isChecked();
    setWindowsStayOnTop(CheckBox1->isChecked());
}

// The user can tell whose patch Apply ExitHack appends: the stand-in that
// comes with the program only starts the game.
void TForm3::showPatchFile(const std::string& path)
{
    const QString shown = toQt(path);
    Edit4->setText(platform().fileExists(path) ? shown : qformat(strings::PatchFileNotThere, {shown}));
    Edit4->setCursorPosition(0);
    Edit4->setToolTip(qformat(strings::PatchFileHint, {shown, toQt(platform().systemFolder().string())}));
}

void TForm3::BitBtn1Click()
{
    std::optional<OpenFileAnswer> answer = dialogs().openFile(OpenDialog1);
    if (answer && !answer->files.isEmpty())
        Edit1->setText(answer->files.first());
}

// OK: applies the window's state, saves it and makes the temporary folder.
void TForm3::BitBtn2Click()
{
    deleteUnpacked = CheckBox2->isChecked();
    for (QLineEdit* box : {Edit1, Edit2, Edit3})
        box->setText(toQt(trimmedBoxText(fromQt(box->text()))));
    Edit3->setText(toQt(folderBoxText(fromQt(Edit3->text()))));
    Edit2->setText(toQt(folderBoxText(fromQt(Edit2->text()))));
    owner_.setEmulatorPath(fromQt(Edit1->text()));

    ProfileFile settings(locateProgramFiles(platform()).settings);
    try {
        writeOptionsKeys(settings, {fromQt(Edit1->text()), CheckBox1->isChecked(), CheckBox2->isChecked(),
                                    fromQt(Edit3->text()), fromQt(Edit2->text())});
    } catch (const FileError& error) {
        // The window stays open so that the user can try again once the file can be written.
        dialogs().error(qformat(strings::SettingsNotSaved, {toQt(error.path().string()), toQt(error.reason())}));
        return;
    }

    owner_.setTemporaryFolder(fromQt(Edit2->text()));
    switch (createFolder(fromQt(Edit2->text()))) {
    case FolderCreation::Existed:
        break;
    case FolderCreation::Created:
        dialogs().message(qformat(strings::CreatedDirectory, {Edit2->text()}));
        break;
    case FolderCreation::Failed:
        dialogs().message(qtr(strings::WrongOutputDirectory));
        return;
    }
    setWindowsStayOnTop(CheckBox1->isChecked());
    hide();
}

void TForm3::acceptEmulatorPath(const QString& path)
{
    Edit1->setText(path);
    BitBtn2Click();
}

void TForm3::BitBtn3Click()
{
    hide();
}

void TForm3::BitBtn4Click()
{
    chooseTemporaryFolder = true;
    Form2->show();
    Form2->raise();
}

void TForm3::BitBtn5Click()
{
    chooseOutputFolder = true;
    Form2->show();
    Form2->raise();
}

bool TForm3::folderChosen(const std::optional<QString>& folder)
{
    if (!folder) {
        chooseTemporaryFolder = false;
        chooseOutputFolder = false;
        return false;
    }
    if (chooseTemporaryFolder) {
        Edit2->setText(*folder);
        chooseTemporaryFolder = false;
        return true;
    }
    if (chooseOutputFolder) {
        Edit3->setText(*folder);  // its change handler passes it to the main window
        chooseOutputFolder = false;
        return true;
    }
    return false;
}

void TForm3::Edit3Change()
{
    owner_.setOutputFolder(fromQt(Edit3->text()));
}

}  // namespace kst
