// The message boxes as Qt shows them: a log taller than the screen scrolls,
// with OK on the screen; the icons stay sharp on a scaled screen.

#include "gui/common/dialogs.h"
#include "gui/common/message_icon.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(QtDialogsTest, ALogTallerThanTheScreenScrollsWithOkOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        int lines;
        bool scrolls;
    } rows[] = {{3, false}, {2000, true}};
    for (const auto& row : rows) {
        QString text = QStringLiteral("Operation log:\n");
        for (int i = 0; i < row.lines; ++i)
            text += QStringLiteral("\n/roms/game %1.gba [Trimmed]").arg(i);

        QString shownText;  // the scrolling area's; null when the log is not in one
        QRect okOnScreen;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            if (auto* area = box->findChild<QPlainTextEdit*>(QStringLiteral("Text")))
                shownText = area->toPlainText();
            QPushButton* ok = box->findChildren<QPushButton*>().value(0);
            ASSERT_NE(ok, nullptr);
            okOnScreen = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
            ok->click();
        });
        QtDialogs().information(text);

        EXPECT_EQ(shownText, row.scrolls ? text : QString()) << row.lines;
        EXPECT_TRUE(screen.contains(okOnScreen)) << row.lines << " lines: OK at " << okOnScreen.y();
    }
}

TEST(QtDialogsTest, MessageIconsAreSharpOnAScaledScreen)
{
    const int size = QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    for (QMessageBox::Icon icon : {QMessageBox::Information, QMessageBox::Question, QMessageBox::Warning,
                                   QMessageBox::Critical}) {
        const QPixmap shown = messageIconPixmap(icon, 2.0);
        EXPECT_EQ(shown.deviceIndependentSize().toSize(), QSize(size, size)) << icon;
        EXPECT_EQ(shown.size(), QSize(2 * size, 2 * size)) << icon;  // one image pixel per screen pixel
    }
    EXPECT_TRUE(messageIconPixmap(QMessageBox::NoIcon, 2.0).isNull());
}

}  // namespace
}  // namespace kst
