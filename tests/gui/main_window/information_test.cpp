// The Help menu's texts: Warnings, How does it work and Beta-testers.

#include "gui/main_window/form1.h"
#include "gui/support/gui_fixture.h"

#include <QAction>
#include <QRegularExpression>
#include <QToolButton>

namespace kst::test {
namespace {

using Kind = ShownDialog::Kind;

using InformationTest = StartedGuiTest;

TEST_F(InformationTest, EachCommandShowsItsTextFromMenuAndToolbarAndChangesNothing)
{
    struct Case {
        QAction* item;
        QToolButton* button;
        Kind kind;
        QString caption;
        std::function<void(const QString& text)> check;
    };
    const Case cases[] = {
        {form().Warnings1, form().ToolButton17, Kind::Warning, "Warnings",
         [](const QString& text) {
             EXPECT_EQ(text.count("(removable with EH. remover)"), 1);
             EXPECT_TRUE(text.contains("ExitHack patch (removable with EH. remover) has been applied")) << text.toStdString();
             EXPECT_FALSE(text.contains("%s"));
             EXPECT_TRUE(text.endsWith("\n Dravek."));
         }},
        {form().Howdoesitworks1, form().ToolButton18, Kind::Information, "Information",
         [](const QString& text) {
             EXPECT_EQ(text,
                       "Considerating that all is checked, there are 2 different stages:\n"
                       "First, the program removes the intro and trims the rom (at the same time).\n"
                       "Then it does apply the ExitHack patch, putting bytes at the end of the file.\n"
                       "\n"
                       "All codes have been made again, not copied from original NorvikShell tools.\n"
                       "That's why it might not work as usual.");
         }},
        {form().BetaTesters1, form().ToolButton19, Kind::Information, "Information",
         [](const QString& text) {
             const QStringList lines = text.split('\n');
             const QStringList testers = lines.filter(QRegularExpression(QString::fromUtf8("^\xC2\xA6- \\S")));
             EXPECT_EQ(testers.size(), 4) << text.toStdString();
             EXPECT_EQ(testers.filter(QRegularExpression("\\(.+\\)$")).size(), 2);
             EXPECT_EQ(lines.indexOf(testers.first()), 1);
             EXPECT_EQ(lines.at(5), "");
             EXPECT_TRUE(lines.at(6).contains("forum"));
             EXPECT_EQ(lines.last(), "Dravek.");
             EXPECT_EQ(lines.size(), 8);
         }},
    };
    add({q(image("a.gba")), q(image("b.gba"))});
    form().grid().setCell(ColGo, 1, "@");
    for (const Case& c : cases) {
        for (auto trigger : std::initializer_list<std::function<void()>>{[&] { c.item->trigger(); },
                                                                         [&] { c.button->click(); }}) {
            dialogs->clearShown();
            dialogs->expect(c.kind);
            trigger();
            ASSERT_EQ(dialogs->shown().size(), 1u);
            EXPECT_EQ(dialogs->shown()[0].caption, c.caption);
            c.check(dialogs->shown()[0].text);
        }
    }
    EXPECT_EQ(form().grid().rowCount(), 3);
    EXPECT_EQ(form().grid().cell(ColGo, 1), "@");
}

}  // namespace
}  // namespace kst::test
