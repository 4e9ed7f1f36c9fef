#include "gui/main_window/form1.h"
#include "archive/tzip.h"
#include "gui/archive/progress_form.h"
#include "gui/archive/qt_zip_ui.h"
#include "gui/support/gui_fixture.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QPushButton>

#include <functional>

namespace kst::test {
namespace {

using Kind = ShownDialog::Kind;

// The progress window and the prompts, driven as the archive component drives
// them, over the main window.
class ZipUiTest : public GuiTest {
protected:
    void SetUp() override
    {
        start();
        ui = std::make_unique<QtZipUi>(zip, &form());
    }
    TProgressForm* window() { return ui->progressForm(); }

    TZip zip;
    std::unique_ptr<QtZipUi> ui;
};

TEST(ProgressFormPlacement, CentresWithHalvesRoundedTowardZero)
{
    struct Case {
        QRect owner;
        QSize size;
        QPoint expected;
    };
    const Case cases[] = {
        {{100, 50, 592, 531}, {300, 100}, {246, 265}},  // 431 / 2 = 215
        {{0, 0, 301, 101}, {300, 100}, {0, 0}},
        {{10, 10, 299, 99}, {300, 100}, {10, 10}},      // -1 / 2 is 0, not -1
        {{10, 10, 100, 40}, {300, 100}, {-90, -20}},
        {{-500, -300, 800, 600}, {310, 130}, {-255, -65}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(centredOver(c.owner, c.size), c.expected) << c.owner.x() << "," << c.owner.width();
}

TEST_F(ZipUiTest, ProgressWindowShowsTheNewestReportAndCancels)
{
    form().setGeometry(100, 50, 592, 531);
    ui->createProgressWindow();
    TProgressForm* w = window();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isVisible());  // shown only when asked
    EXPECT_EQ(w->pos(), QPoint(246, 265));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w->windowTitle(), "Kestrom");
    EXPECT_EQ(w->StatusLabel->text(), "wait ...");
    EXPECT_EQ(w->CancelButton->text(), "&Cancel");
    EXPECT_TRUE(w->CancelButton->isDefault());

    // A long name is cut at the label's edge: the label neither grows nor moves.
    ui->setProgressStatus(std::string(400, 'W') + ".gba");
    QTest::qWait(TProgressForm::RefreshMs * 2);
    EXPECT_EQ(w->StatusLabel->geometry(), QRect(10, 15, 280, w->StatusLabel->height()));
    EXPECT_TRUE(w->StatusLabel->text().endsWith(".gba"));

    // A burst of reports ends with the newest values shown. Totals beyond
    // the bar's int range still show the right share.
    for (int file = 0; file < 100; ++file)
        ui->setProgressStatus("file" + std::to_string(file) + ".gba");
    ui->setProgressEnd(std::int64_t(1) << 40);
    ui->setProgressPosition(std::int64_t(1) << 39);
    QTest::qWait(TProgressForm::RefreshMs * 2);
    EXPECT_EQ(w->StatusLabel->text(), "file99.gba");
    EXPECT_NEAR(double(w->ProgressBar->value()) / w->ProgressBar->maximum(), 0.5, 1e-6);
    ui->setProgressEnd(0);
    QTest::qWait(TProgressForm::RefreshMs * 2);
    EXPECT_GT(w->ProgressBar->maximum(), w->ProgressBar->minimum());  // no busy animation

    // The title bar's close only hides it; Cancel also stops the extraction.
    ui->showProgressWindow();
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(zip.cancelled());
    ui->showProgressWindow();
    w->CancelButton->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(zip.cancelled());

    ui->destroyProgressWindow();
    EXPECT_EQ(window(), nullptr);
}

// Each prompt: what it shows and what the answer means (Yes, No and Cancel
// map through one function, so each answer comes once).
struct Prompt {
    const char* label;
    std::function<std::string(QtZipUi&)> ask;  // the answer as text
    Kind kind;
    Dialogs::Button scripted;                  // for an input box: Ok types "secret", Cancel cancels
    QString text;
    Dialogs::Buttons buttons;
    Dialogs::Icon icon;
    Dialogs::Button defaultButton;
    std::string answer;
};

std::string said(ZipUi::Answer answer)
{
    return answer == ZipUi::Answer::Yes ? "yes" : answer == ZipUi::Answer::No ? "no" : "cancel";
}

const auto OkCancel = QMessageBox::Ok | QMessageBox::Cancel;
const auto YesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

const Prompt prompts[] = {
    {"insert disk", [](QtZipUi& ui) { return ui.insertDisk(2) ? "ok" : "cancel"; }, Kind::Question, QMessageBox::Ok,
     "Insert [ Disk 2 ] of the Zip file into the floppy drive\nbefore pressing [ OK ] to continue ...", OkCancel,
     QMessageBox::Information, QMessageBox::Ok, "ok"},
    {"last disk", [](QtZipUi& ui) { return ui.lastDisk(7) ? "ok" : "cancel"; }, Kind::Question, QMessageBox::Cancel,
     "This is [ Disk 7 ] of a multiple disk Zip file.\nInsert the last disk of the Zip file before pressing [ OK ] "
     "to continue ...",
     OkCancel, QMessageBox::Information, QMessageBox::Ok, "cancel"},
    {"password typed", [](QtZipUi& ui) { return ui.password("x.gba"); }, Kind::Input, QMessageBox::Ok,
     "A new password is required for \"x.gba\"", {}, {}, {}, "secret"},
    {"password cancelled", [](QtZipUi& ui) { return ui.password("x.gba"); }, Kind::Input, QMessageBox::Cancel,
     "A new password is required for \"x.gba\"", {}, {}, {}, ""},
    {"crc cancel", [](QtZipUi& ui) { return said(ui.crcError("a/b.gba")); }, Kind::Question, QMessageBox::Cancel,
     "\"a/b.gba\" may be corrupted (CRC error).\nExtract this file anyway? ...", YesNoCancel,
     QMessageBox::Question, QMessageBox::No, "cancel"},
    {"older yes", [](QtZipUi& ui) { return said(ui.overwrite("x.gba", true)); }, Kind::Question, QMessageBox::Yes,
     "\"x.gba\" is older than the zipped file.\nOverwrite this file? ...", YesNoCancel, QMessageBox::Information,
     QMessageBox::Yes, "yes"},
    {"newer no", [](QtZipUi& ui) { return said(ui.overwrite("x.gba", false)); }, Kind::Question, QMessageBox::No,
     "\"x.gba\" is the same age or newer than the zipped file.\nDo you really want to overwrite this file? ...",
     YesNoCancel, QMessageBox::Critical, QMessageBox::No, "no"},
    {"multi-disk notice", [](QtZipUi& ui) { ui.multiDiskNotice(); return std::string(); }, Kind::Question,
     QMessageBox::Ok,
     "Cannot Add, Delete or Extract from a multiple disk Zip file...\nMerge this Zip file onto the hard disk before "
     "retrying.",
     QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok, ""},
    {"missing-folder notice", [](QtZipUi& ui) { ui.missingFolderNotice("/no/such/"); return std::string(); },
     Kind::Question, QMessageBox::Ok, "Unable to extract files to:\n\"/no/such/\"\nThis folder does not exist.",
     QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok, ""},
};

TEST_F(ZipUiTest, EveryPromptAsksItsQuestion)
{
    for (const Prompt& p : prompts) {
        SCOPED_TRACE(p.label);
        if (p.kind == Kind::Input)
            dialogs->expectInput(p.scripted == QMessageBox::Ok ? std::optional<QString>("secret") : std::nullopt);
        else
            dialogs->expectQuestion(p.scripted);
        dialogs->clearShown();

        EXPECT_EQ(p.ask(*ui), p.answer);
        ASSERT_EQ(dialogs->shown().size(), 1u);
        const ShownDialog& shown = dialogs->shown().front();
        EXPECT_EQ(shown.kind, p.kind);
        EXPECT_EQ(shown.caption, "Kestrom");
        EXPECT_EQ(shown.text, p.text);
        if (p.kind == Kind::Question) {
            EXPECT_EQ(shown.buttons, p.buttons);
            EXPECT_EQ(shown.icon, p.icon);
            EXPECT_EQ(shown.defaultButton, p.defaultButton);
        } else {
            EXPECT_EQ(dialogs->lastInputInitial, "");
        }
    }
}

}  // namespace
}  // namespace kst::test
