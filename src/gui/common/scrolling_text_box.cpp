#include "gui/common/scrolling_text_box.h"

#include "gui/common/message_icon.h"
#include "gui/common/widgets.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kst {
namespace {

// The widest a message box lets its text run before it wraps, about.
constexpr int TextWidth = 500;
// Room for the caption, the margins and the OK button around the text.
constexpr int ChromeHeight = 120;
// The scrolling box takes at most this share of the screen's height.
constexpr double ScreenShare = 0.75;

QRect availableArea(QWidget* owner)
{
    QScreen* screen = owner ? owner->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

bool tallerThanScreen(const QString& text, QWidget* owner)
{
    const QFontMetrics metrics(QApplication::font("QMessageBox"));
    const QRect needed = metrics.boundingRect(QRect(0, 0, TextWidth, 0), Qt::TextWordWrap | Qt::TextExpandTabs, text);
    return needed.height() + ChromeHeight > availableArea(owner).height();
}

void showScrollingTextBox(QMessageBox::Icon icon, const QString& caption, const QString& text, QWidget* owner)
{
    QDialog box(owner);
    box.setObjectName(QStringLiteral("ScrollingTextBox"));
    box.setWindowTitle(caption);

    auto* iconLabel = new QLabel(&box);
    iconLabel->setPixmap(messageIconPixmap(icon, box.devicePixelRatio()));
    iconLabel->setAlignment(Qt::AlignTop);
    auto* area = named(new QPlainTextEdit(text, &box), "Text");
    area->setReadOnly(true);
    area->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(iconLabel);
    row->addWidget(area, 1);
    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(row, 1);
    layout->addWidget(buttons);

    const QRect screen = availableArea(owner);
    const QSize size(std::min(TextWidth + 140, screen.width()), static_cast<int>(screen.height() * ScreenShare));
    box.resize(size);
    box.move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    box.exec();
}

}  // namespace kst
