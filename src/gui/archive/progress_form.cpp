#include "gui/archive/progress_form.h"

#include "archive/tzip.h"
#include "gui/common/strings.h"
#include "gui/common/widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace kst {
namespace {

constexpr int StatusTop = 15;
constexpr int BarTop = 35;
constexpr int ButtonTop = 60;
constexpr int ControlWidth = 280;

}  // namespace

QPoint centredOver(const QRect& owner, const QSize& size)
{
    // Integer division truncates toward zero, also for a window wider than its owner.
    return {owner.left() + (owner.width() - size.width()) / 2, owner.top() + (owner.height() - size.height()) / 2};
}

TProgressForm::TProgressForm(TZip& component, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                              Qt::WindowStaysOnTopHint),
      component_(component)
{
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(qtr(strings::ApplicationTitle));
    setFont(tahomaFont(false));
    setFixedSize(ClientWidth, ClientHeight);
    setModal(false);

    if (mainWindow) {
        // The frame this window will get is not known before it shows; the
        // main window's frame is the same kind.
        QRect outer = mainWindow->frameGeometry();
        QSize frame = outer.size() - mainWindow->size();
        move(centredOver(outer, QSize(ClientWidth, ClientHeight) + frame));
    }

    StatusLabel = named(new QLabel(qtr(texts::ZipProgressWaiting), this), "StatusLabel");
    StatusLabel->setTextFormat(Qt::PlainText);
    StatusLabel->setWordWrap(false);
    StatusLabel->setFixedSize(ControlWidth, StatusLabel->sizeHint().height());
    StatusLabel->move((ClientWidth - ControlWidth) / 2, StatusTop);

    ProgressBar = named(new QProgressBar(this), "ProgressBar");
    ProgressBar->setTextVisible(false);
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setFixedSize(ControlWidth, 16);
    ProgressBar->move((ClientWidth - ControlWidth) / 2, BarTop);

    CancelButton = named(new QPushButton(qtr(strings::ProgressCancel), this), "CancelButton");
    CancelButton->setDefault(true);
    CancelButton->resize(CancelButton->sizeHint());
    CancelButton->move((ClientWidth - CancelButton->width()) / 2, ButtonTop);
    connect(CancelButton, &QPushButton::clicked, this, &TProgressForm::CancelButtonClick);
    text_ = StatusLabel->text();
    refreshTimer_.setSingleShot(true);
    connect(&refreshTimer_, &QTimer::timeout, this, &TProgressForm::refresh);
    // The title bar's close button rejects the dialog, which only hides it.
}

void TProgressForm::keyPressEvent(QKeyEvent* event)
{
    // Escape would reject the dialog too, hiding it with the extraction still
    // running and nothing left to stop it with: it cancels, as the button does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CancelButtonClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TProgressForm::setStatusText(const QString& text)
{
    text_ = text;
    refreshSoon();
}

void TProgressForm::setBarEnd(std::int64_t total)
{
    total_ = std::max<std::int64_t>(total, 0);
    refreshSoon();
}

void TProgressForm::setBarPosition(std::int64_t done)
{
    done_ = std::max<std::int64_t>(done, 0);
    refreshSoon();
}

void TProgressForm::refreshSoon()
{
    pending_ = true;
    if (!sinceRefresh_.isValid() || sinceRefresh_.elapsed() >= RefreshMs)
        refresh();
    else if (!refreshTimer_.isActive())
        refreshTimer_.start(std::max(0, RefreshMs - static_cast<int>(sinceRefresh_.elapsed())));
}

void TProgressForm::refresh()
{
    if (!pending_)
        return;
    pending_ = false;
    sinceRefresh_.start();
    StatusLabel->setText(text_);
    StatusLabel->move((ClientWidth - StatusLabel->width()) / 2, StatusLabel->y());
    // An empty range would make Qt's bar run its busy animation; a batch of
    // no bytes shows an empty bar instead.
    if (total_ == 0) {
        ProgressBar->setRange(0, 1);
        ProgressBar->setValue(0);
    } else {
        showByteProgress(ProgressBar, static_cast<std::uint64_t>(done_), static_cast<std::uint64_t>(total_));
    }
}

void TProgressForm::CancelButtonClick()
{
    component_.cancel();
    hide();
}

}  // namespace kst
